# Two commands on a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Qt's own libraries are not instrumented; their allocations at exit are not ours.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=0:strict_string_checks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: deps configure build run test bench clean test-sanitize fuzz deb

deps:
	./scripts/setup-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/tessaro

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	for b in $(BUILD)/bin/bench_*; do $$b; done

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
# CI runs it after `make test`. On two cores from a clean tree it takes about
# twice as long as `make test` (18 minutes against 9, build and suite; 36 when
# the two cores are shared with another build), so both together stay near
# half an hour of CI's 90 minutes.
test-sanitize: deps
	@test -f $(SANITIZE_BUILD)/build.ninja || cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DTESSARO_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS seconds (make fuzz FUZZ_SECONDS=600).
fuzz: deps
	@test -f $(FUZZ_BUILD)/build.ninja || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DTESSARO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Debian package (and its debug symbols) in $(BUILD).
deb: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)

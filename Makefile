# Two commands on a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench clean

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

clean:
	rm -rf $(BUILD)

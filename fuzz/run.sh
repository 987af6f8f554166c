#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given seconds, each from the
# corpus in fuzz/corpus/<name> (kept as it is: new inputs go into the build).
# Usage: fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in "$build"/bin/fuzz_*; do
  name=${target##*/fuzz_}
  work="$build/fuzz-corpus/$name"
  artifacts="$build/fuzz-findings/$name"
  mkdir -p "$work" "$artifacts"
  echo "== $name: $seconds s"
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$work" "$here/corpus/$name" || status=1
done
exit $status

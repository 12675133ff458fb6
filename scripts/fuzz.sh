#!/usr/bin/env bash
# Builds the set-file fuzzer with clang and its sanitizers into build-fuzz/ and
# runs it for the given seconds (default 60); 0 only replays the kept corpus.
# Fails on any crash, leak or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZB_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_setfile
# New finds go to build-fuzz/corpus; tests/fuzz-corpus holds the ones worth keeping.
mkdir -p build-fuzz/corpus
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
if [ "$seconds" -eq 0 ]; then
  build-fuzz/fuzz/fuzz_setfile -runs=0 tests/fuzz-corpus
else
  build-fuzz/fuzz/fuzz_setfile -max_total_time="$seconds" -max_len=20000 -timeout=10 \
    -artifact_prefix=build-fuzz/ build-fuzz/corpus tests/fuzz-corpus
fi

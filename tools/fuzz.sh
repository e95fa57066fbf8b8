#!/usr/bin/env bash
# Builds the fuzz target for reading "scores.dat" with clang (libFuzzer, address and undefined-
# behaviour sanitizers) and runs it for a bounded time (60 s, or FUZZ_SECONDS) on a copy of its
# seed corpus in fuzz/corpus. A finding stops the run with a non-zero status and leaves its input
# in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
jobs=$(nproc)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTIX_FUZZ=ON \
  -DVANTIX_TESTS=OFF -DVANTIX_BENCH=OFF
cmake --build build-fuzz --target score_file_fuzz -j"$jobs"

# The run grows its own corpus; the seeds in the repository stay as they are.
corpus=build-fuzz/corpus
mkdir -p "$corpus"
cp fuzz/corpus/* "$corpus"/

cd build-fuzz
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ./fuzz/score_file_fuzz -max_total_time="$seconds" -max_len=8192 -timeout=10 \
  -print_final_stats=1 corpus

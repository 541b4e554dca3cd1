#!/bin/sh
# Builds the benchmarks (optimised) and runs them; extra arguments go to Google Benchmark,
# e.g. scripts/bench.sh --benchmark_filter=History
set -eu
cd "$(dirname "$0")/.."
. scripts/lib.sh
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSIMO_TESTS=OFF \
  -DTESSIMO_BENCH=ON >/dev/null
cmake --build build-bench --target tessimo-bench
build-bench/bin/tessimo-bench "$@"

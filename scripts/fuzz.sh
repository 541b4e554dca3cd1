#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer) and
# runs each for a bounded time from the seed corpus in fuzz/corpus/. A crash fails the run and
# leaves the input that caused it in fuzz-out/.
#   scripts/fuzz.sh [SECONDS]   (default 60 per target)
set -eu
cd "$(dirname "$0")/.."
. scripts/lib.sh
ensure_packages $BUILD_PACKAGES clang libclang-rt-14-dev locales
# The value fuzzer writes and reads numbers in a comma locale.
ensure_utf8_locale de_DE
seconds=${1:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTESSIMO_FUZZ=ON -DTESSIMO_TESTS=OFF >/dev/null
cmake --build build-fuzz --target fuzz-values fuzz-actions
mkdir -p fuzz-out
# A small quarantine keeps the allocator from stalling now and then (that would read as a
# slow press).
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:quarantine_size_mb=16"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for target in values actions; do
  work=$(mktemp -d)
  echo "fuzz-$target: ${seconds}s"
  QT_QPA_PLATFORM=offscreen build-fuzz/bin/fuzz-$target -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=4096 -detect_leaks=0 -artifact_prefix=fuzz-out/$target- -print_final_stats=1 \
    "$work" "fuzz/corpus/$target"
  rm -rf "$work"
done

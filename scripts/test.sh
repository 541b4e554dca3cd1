#!/bin/sh
# Builds Tessimo with its tests and benchmarks and runs every test (headless).
#   scripts/test.sh              warnings as errors, into build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer, into build-asan/
# Run as root on Debian: installs what is missing first.
set -eu
cd "$(dirname "$0")/.."
. scripts/lib.sh
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES
# The value functions and the scenarios are also tested in a locale with a decimal comma.
ensure_utf8_locale de_DE

build=build
options="-DTESSIMO_WERROR=ON"
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  options="-DTESSIMO_SANITIZE=ON"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSIMO_TESTS=ON \
  -DTESSIMO_BENCH=ON $options
cmake --build "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"

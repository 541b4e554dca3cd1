#!/bin/sh
# Builds Tessimo and starts it. Run as root on Debian: installs what is missing first.
set -eu
cd "$(dirname "$0")/.."
. scripts/lib.sh
ensure_packages $BUILD_PACKAGES
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSIMO_TESTS=OFF >/dev/null
cmake --build build --target tessimo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Tessimo on a virtual X display (xvfb-run)."
  ensure_packages xvfb xauth
  exec xvfb-run -a build/bin/tessimo
fi
exec build/bin/tessimo

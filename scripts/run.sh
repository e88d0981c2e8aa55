#!/usr/bin/env bash
# Installs what the program needs and is missing, builds the program alone
# into build/ (or $BUILD_DIR), and runs it on a bundled example: the window
# when a display exists, the command line otherwise.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/deps.sh" program
# Neither the tests nor the benchmarks: the program needs neither their
# libraries nor their build time.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINEER_BUILD_TESTS=OFF -DLINEER_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target lineer
cd "$root/examples"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/lineer"
else
  exec "$build/lineer" --method gauss uc-denklem.txt
fi

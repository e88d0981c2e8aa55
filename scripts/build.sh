#!/usr/bin/env bash
# Configures and builds the program and the files it installs (manual
# pages, icons, desktop entry, metadata) into build/ (or $BUILD_DIR), for
# `cmake --install`. The tests are not configured and the benchmarks not
# built, so neither's libraries are needed. Further arguments go to the
# configure step.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINEER_BUILD_TESTS=OFF "$@" >/dev/null
cmake --build "$build" -j"$(nproc)" --target lineer lineer_packaging_data

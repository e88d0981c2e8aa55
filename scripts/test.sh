#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (or
# $BUILD_DIR), and runs every test there. Each test program is started a
# few times, each time with a share of its cases; a build configured
# without LINEER_TEST_SHARDS (e.g. `cmake --preset release`) starts one
# process per case instead. The benchmarks are not built here: their
# figures mean something only in the release build (scripts/bench.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-asan}"
"$root/scripts/deps.sh" program tests
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINEER_SANITIZE=ON -DLINEER_TEST_SHARDS=4 \
  -DLINEER_BUILD_TESTS=ON -DLINEER_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"

#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs the whole test suite there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
BUILD_DIR="$root/build-asan" "$root/scripts/build.sh" -DLINEER_SANITIZE=ON -DLINEER_BUILD_BENCH=OFF
cd "$root/build-asan"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"

#!/usr/bin/env bash
# Builds the numeric core and its tests with two other toolchains and runs
# them: clang with libc++ (build-libcxx/), and MinGW-w64 for Windows, run
# under Wine (build-mingw/). GoogleTest is built from Debian's sources with
# each compiler. The tests hold the whole transcripts, so passing them means
# the same output to the last digit as the GCC build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" program portable
jobs="$(nproc)"
gtest=/usr/src/googletest
common=(-DLINEER_CORE_ONLY=ON -DLINEER_GTEST_SOURCE="$gtest" -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if command -v ccache >/dev/null; then common+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi
status=0

step() { echo "== $1 ($(date +%T))"; }

step "clang + libc++"
cmake -S "$root" -B "$root/build-libcxx" "${common[@]}" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-stdlib=libc++" -DCMAKE_EXE_LINKER_FLAGS="-stdlib=libc++" >/dev/null
cmake --build "$root/build-libcxx" -j"$jobs" --target core_tests
(cd "$root/examples" && timeout -k 10 600 "$root/build-libcxx/tests/core_tests" --gtest_brief=1) || status=1

step "MinGW-w64 + Wine"
cmake -S "$root" -B "$root/build-mingw" "${common[@]}" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DLINEER_EXAMPLES_DIR="Z:$root/examples" >/dev/null
cmake --build "$root/build-mingw" -j"$jobs" --target core_tests
wine="$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver64)"
# A throwaway Wine prefix, no display, no Mono or Gecko installers; the
# prefix's own server is stopped at the end.
export WINEPREFIX
WINEPREFIX="$(mktemp -d)"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=""
trap 'timeout 20 "$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
timeout -k 10 180 "$wine" wineboot --init >/dev/null 2>&1 || true
(cd "$root/examples" && timeout -k 10 600 "$wine" "$root/build-mingw/tests/core_tests.exe" --gtest_brief=1) || status=1

step "done, status $status"
exit $status

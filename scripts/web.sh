#!/usr/bin/env bash
# Builds the browser edition with Debian's emscripten into build-web/: the
# numeric core's tests (run under node), the command line under node
# (build-web/lineer.js, its transcripts compared with the native
# program's) and the page (build-web/site/, driven in headless Chromium). GoogleTest is
# built from Debian's sources with emscripten's compiler; {fmt} writes the
# doubles where emscripten's libc++ has no floating-point std::to_chars. The
# tests hold the whole transcripts, so passing them means the same output to
# the last digit as the native builds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" program web
jobs="$(nproc)"
build="$root/build-web"
# emscripten's JavaScript optimiser finds its node modules (acorn) here.
export NODE_PATH=/usr/share/nodejs
args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake" -DLINEER_CORE_ONLY=ON
      -DLINEER_GTEST_SOURCE=/usr/src/googletest -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if command -v ccache >/dev/null; then args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi

step() { echo "== $1 ($(date +%T))"; }

step "emscripten: configure"
emcmake cmake -S "$root" -B "$build" "${args[@]}" >/dev/null
step "emscripten: build core_tests"
cmake --build "$build" -j"$jobs" --target core_tests
step "core_tests under node"
status=0
(cd "$root/examples" && timeout -k 10 1200 node --no-experimental-fetch "$build/tests/core_tests.js" --gtest_brief=1) || status=1
step "emscripten: build the command line (lineer.js) and the page's core"
cmake --build "$build" -j"$jobs" --target lineer_node lineer_page
step "the page: $build/site"
python3 "$root/scripts/web-site.py" "$build"
# The whole site must stay small enough to mail and to host anywhere.
size="$(du -sb "$build/site" | cut -f1)"
if [ "$size" -gt $((5 * 1024 * 1024)) ]; then echo "the site is $size bytes, more than 5 MiB"; status=1; fi
# The native program to compare with: LINEER_NATIVE, or build/lineer.
native="${LINEER_NATIVE:-$root/build/lineer}"
if [ -x "$native" ]; then
    step "node's transcripts against $native"
    "$root/scripts/web-compare.sh" "$native" "$build/lineer.js" || status=1
else
    echo "no native lineer at $native: the transcripts were not compared (set LINEER_NATIVE)"
    status=1
fi
step "the page in headless Chromium, from file://"
/usr/bin/python3 "$root/tests/web/page_test.py" "$build" || status=1
step "done, status $status"
exit $status

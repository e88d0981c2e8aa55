#!/usr/bin/env bash
# Installs, when missing, what scripts/portable.sh needs beyond the usual
# build: clang with libc++, MinGW-w64, Wine and GoogleTest's sources. Kept
# apart from deps.sh's own list so that the everyday build stays quick to set up.
set -euo pipefail

exec "$(cd "$(dirname "$0")" && pwd)/deps.sh" clang libc++-dev libc++abi-dev g++-mingw-w64-x86-64-posix wine64 googletest

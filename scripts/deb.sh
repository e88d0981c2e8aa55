#!/usr/bin/env bash
# Installs what is missing, builds what the package holds, and makes the
# Debian package lineer_<version>_<arch>.deb in build/ (or in $BUILD_DIR).
# Only the program and its packaging data are built: the tests and the
# benchmarks are not part of the package.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/deps.sh" program deb
BUILD_DIR="$build" "$root/scripts/build.sh" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cd "$build"
cpack -G DEB

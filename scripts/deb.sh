#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package
# lineer_<version>_<arch>.deb in build/ (or in $BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" dpkg-dev
"$root/scripts/build.sh"
cd "${BUILD_DIR:-$root/build}"
cpack -G DEB

#!/usr/bin/env bash
# Installs, when missing, what scripts/portable.sh needs beyond the usual
# build: clang with libc++, MinGW-w64, Wine and GoogleTest's sources. Kept
# apart from deps.sh so that the everyday build stays quick to set up.
set -euo pipefail

packages=(cmake make clang libc++-dev libc++abi-dev g++-mingw-w64-x86-64-posix wine64 googletest)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Kuruluyor: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

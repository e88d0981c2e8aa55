#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those that are missing; through sudo when not root. Package names
# given as arguments are installed as well (the packaging checks bring
# their tools).
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev libfast-float-dev libeigen3-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core xvfb xauth clang libclang-rt-14-dev locales qt6-translations-l10n "$@")
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

# A locale with a decimal comma, so the tests can show that reading numbers
# does not depend on the process locale.
if ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i tr_TR -f UTF-8 tr_TR.UTF-8 || echo "tr_TR.UTF-8 could not be made; a locale test will be skipped"
fi

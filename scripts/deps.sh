#!/usr/bin/env bash
# The one list of the Debian packages lineer needs, by what needs them.
# Installs the missing packages of the groups named as arguments (default:
# program), through sudo when not root.
#
#   scripts/deps.sh [program] [tests] [bench] [deb] [package] [portable] [fuzz] [web]
set -euo pipefail

declare -A groups=(
  # Building the program and running it: the compiler tools, Qt (SVG for
  # the pictures, GL for Qt's own headers), fast_float and Eigen, Boost
  # (Boost.Multiprecision's rationals for the exact mode: header only, so
  # the MinGW, libc++ and emscripten builds need nothing more), the fonts
  # the window and the pictures ask for, and Qt's Turkish translations for
  # the buttons of its own dialogs.
  [program]="cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev libfast-float-dev libeigen3-dev libboost-dev
             fonts-dejavu-core qt6-translations-l10n"
  # The test suite: GoogleTest, a locale with a decimal comma, pdflatex for
  # the LaTeX export and pdftotext to read the printed pages back.
  [tests]="libgtest-dev locales texlive-latex-base texlive-latex-recommended texlive-lang-european poppler-utils"
  # The benchmarks (bench/).
  [bench]="libbenchmark-dev"
  # Making the Debian package.
  [deb]="dpkg-dev"
  # The checks of the installed program and its Debian package: validators,
  # lintian, man, and a display of its own for the window.
  [package]="desktop-file-utils appstream lintian man-db x11-utils xvfb xauth"
  # The core and its tests with clang and libc++, and for Windows with
  # MinGW-w64 under Wine; GoogleTest's sources to build with each.
  [portable]="clang libc++-dev libc++abi-dev g++-mingw-w64-x86-64-posix wine64 googletest"
  # The libFuzzer targets.
  [fuzz]="clang libclang-rt-14-dev"
  # The core and its tests for WebAssembly (scripts/web.sh): emscripten,
  # GoogleTest's sources to build with it, and {fmt}, which writes doubles
  # where emscripten's library has no floating-point std::to_chars.
  [web]="emscripten googletest libfmt-dev chromium chromium-driver python3-selenium"
)

[ $# -gt 0 ] || set -- program
packages=()
for group in "$@"; do
  [ -n "${groups[$group]+set}" ] || { echo "scripts/deps.sh: unknown group $group (${!groups[*]})" >&2; exit 2; }
  packages+=(${groups[$group]})
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Kuruluyor: ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale with a decimal comma, so the tests can show that reading numbers
# does not depend on the process locale.
if [[ " $* " == *" tests "* ]] && ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
  $sudo localedef -i tr_TR -f UTF-8 tr_TR.UTF-8 || echo "tr_TR.UTF-8 could not be made; a locale test will be skipped"
fi

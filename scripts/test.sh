#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# The handout tests compile the LaTeX export with pdflatex and read the PDF
# pages back with pdftotext.
"$root/scripts/deps.sh" texlive-latex-base texlive-latex-recommended texlive-lang-european poppler-utils
"$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"

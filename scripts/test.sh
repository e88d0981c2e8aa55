#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (or $BUILD_DIR), and runs
# every test there. Each test program is started a few times, each time
# with a share of its cases; a build configured without LINEER_TEST_SHARDS
# (e.g. `cmake --preset release`) starts one process per case instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# The handout tests compile the LaTeX export with pdflatex and read the PDF
# pages back with pdftotext.
"$root/scripts/deps.sh" texlive-latex-base texlive-latex-recommended texlive-lang-european poppler-utils
export BUILD_DIR="${BUILD_DIR:-$root/build-asan}"
"$root/scripts/build.sh" -DLINEER_SANITIZE=ON -DLINEER_TEST_SHARDS=4
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"

#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in the release tree
# build/ (or $BUILD_DIR), the program's own flags and no sanitizer, and runs
# them: the window's figures (which fail only on bounds far beyond their
# targets), the methods on systems in other units (which fail on a wrong
# answer), and a short pass of every Google Benchmark. BENCH_MIN_TIME sets
# the seconds each of those runs for at the least (default 0.05; bench/README.md
# has the figures of longer runs).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/deps.sh" program tests bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINEER_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target lineer_window_bench lineer_scaleattack lineer_bench
status=0
step() { echo "== $1 ($(date +%T))"; }
step "lineer_window_bench"
QT_QPA_PLATFORM=offscreen "$build/bench/lineer_window_bench" --gtest_brief=1 || status=1
step "lineer_scaleattack"
"$build/bench/lineer_scaleattack" || status=1
step "lineer_bench"
"$build/bench/lineer_bench" --benchmark_min_time="${BENCH_MIN_TIME:-0.05}" || status=1
step "done, status $status"
exit $status

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer included) and runs each one for
# FUZZ_SECONDS seconds (default 60), starting from fuzz/corpus.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${FUZZ_SECONDS:-60}"
"$root/scripts/deps.sh"
build="$root/fuzz-build"
CXX=clang++ cmake -S "$root" -B "$build" -DLINEER_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for target in fuzz_loader fuzz_textnum fuzz_methods; do
  corpus="$work/${target#fuzz_}"
  mkdir -p "$corpus"
  cp -r "$root/fuzz/corpus/${target#fuzz_}/." "$corpus/"
  echo "== $target, $seconds s"
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$work/" "$corpus" >"$work/$target.log" 2>&1; then
    grep -E "stat::number_of_executed_units" "$work/$target.log" || true
  else
    status=1
    tail -n 60 "$work/$target.log"
    for f in "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-*; do
      [ -e "$f" ] && { echo "input $f:"; od -A d -t x1 "$f" | head -n 20; }
    done
  fi
done
exit $status

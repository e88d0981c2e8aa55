#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer included) and runs each one for about
# FUZZ_SECONDS seconds of processor time (default 60), starting from
# fuzz/corpus.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${FUZZ_SECONDS:-60}"
"$root/scripts/deps.sh" program fuzz
build="$root/fuzz-build"
CXX=clang++ cmake -S "$root" -B "$build" -DLINEER_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The targets run side by side, as many at a time as there are processors,
# each for the same processor time it would get alone.
targets=(fuzz_loader fuzz_textnum fuzz_methods)
jobs="$(nproc)"
wall=$(( (seconds * ${#targets[@]} + jobs - 1) / jobs ))
[ "$wall" -ge "$seconds" ] || wall="$seconds"
echo "== ${targets[*]}: side by side, $wall s each on $jobs processors"
pids=()
for target in "${targets[@]}"; do
  corpus="$work/${target#fuzz_}"
  mkdir -p "$corpus" "$work/$target"
  cp -r "$root/fuzz/corpus/${target#fuzz_}/." "$corpus/"
  "$build/fuzz/$target" -max_total_time="$wall" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/$target/" "$corpus" >"$work/$target.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  target="${targets[$i]}"
  if wait "${pids[$i]}"; then
    echo "$target: $(grep -E "stat::number_of_executed_units" "$work/$target.log" || true)"
  else
    status=1
    echo "== $target failed"
    tail -n 60 "$work/$target.log"
    for f in "$work/$target"/crash-* "$work/$target"/timeout-* "$work/$target"/leak-* "$work/$target"/oom-*; do
      [ -e "$f" ] && { echo "input $f:"; od -A d -t x1 "$f" | head -n 20; }
    done
  fi
done
exit $status

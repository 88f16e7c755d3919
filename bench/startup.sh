#!/usr/bin/env bash
# Start-up to the first painted frame under Xvfb: the game against a bare Qt window.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
bin=$build/bin/tw_bench_startup
disp=:$((200 + RANDOM % 300))
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$disp
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
XDG_RUNTIME_DIR=$(mktemp -d) && chmod 700 "$XDG_RUNTIME_DIR" && export XDG_RUNTIME_DIR

# Median and minimum of the numbers on standard input.
stats() { sort -n | awk '{a[NR]=$1} END {m = (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2; print m, a[1]}'; }
measure() {
  "$bin" "$1" >/dev/null 2>&1  # warm the caches once
  for _ in $(seq "$runs"); do
    TW_START_NS=$(date +%s%N) "$bin" "$1" 2>/dev/null | sed -n 's/^first paint: \([0-9]*\) us$/\1/p'
  done | stats
}
read -r bare bare_min < <(measure bare)
read -r label label_min < <(measure label)
read -r game game_min < <(measure game)
echo "bare Qt window: ${bare} us to first paint (median of $runs; fastest ${bare_min})"
echo "bare + label:   ${label} us to first paint (median of $runs; fastest ${label_min})"
echo "game window:    ${game} us to first paint (median of $runs; fastest ${game_min})"
awk -v g="$game" -v b="$bare" -v gm="$game_min" -v bm="$bare_min" \
  'BEGIN {printf "ratio to bare: %.2f (medians), %.2f (fastest runs)\n", g / b, gm / bm}'
awk -v g="$game" -v b="$label" 'BEGIN {printf "ratio to bare + label: %.2f (medians)\n", g / b}'
"$bin" memory 2>/dev/null | tail -n 1

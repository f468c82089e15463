#!/usr/bin/env bash
# Start-up figures on a virtual display: time from process start to the
# splash on screen against a bare Qt window, resident memory after start,
# and MaskToRegion's time.
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${2:-7}
. "$here/scripts/xvfb-lib.sh"
xvfb_start 1024x768
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'xvfb_stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# time_to_window PROGRAM NAME W H: milliseconds from start until a window of that size is mapped.
time_to_window() {
  local start end pid
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  pid=$!
  wait_for_window "$2" "$3" "$4" 20 >/dev/null
  end=$(date +%s%N)
  if [ "${5:-}" = rss ]; then
    sleep 1
    grep VmRSS "/proc/$pid/status" | awk '{ printf "resident memory after start: %.1f MiB\n", $2 / 1024 }' >&2
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

bare=$(for i in $(seq "$runs"); do time_to_window "$build/bench/bench_bare_window" "Bare window" 165 480; done | median)
ours=$(for i in $(seq "$runs"); do time_to_window "$build/app/fretlore" "Fretlore PRO" 165 480; done | median)
echo "start to window on screen (median of $runs): bare Qt window $bare ms, splash $ours ms, ratio $(awk -v a="$ours" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')"
time_to_window "$build/app/fretlore" "Fretlore PRO" 165 480 rss >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/bench_mask"

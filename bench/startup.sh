#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up figures on a virtual display: time from process start to the
# splash mapped and painted, against a bare Qt window of the same size started
# the same way (runs interleaved), resident memory after start, and
# MaskToRegion's time.
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${2:-21}
. "$here/scripts/xvfb-lib.sh"
xvfb_start 1024x768
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'xvfb_stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT

probe="$build/bench/bench_startup_probe"
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# One warm-up each so that both start from a warm file cache.
"$probe" 165 480 "$build/bench/bench_bare_window" >/dev/null
"$probe" 165 480 "$build/app/fretlore" >/dev/null
bare=() ours=()
for i in $(seq "$runs"); do
  bare+=("$("$probe" 165 480 "$build/bench/bench_bare_window")")
  ours+=("$("$probe" 165 480 "$build/app/fretlore")")
done
column() { printf '%s\n' "${@:2}" | awk -v f="$1" '{ print $f }' | median; }
bare_map=$(column 2 "${bare[@]}") bare_paint=$(column 4 "${bare[@]}")
ours_map=$(column 2 "${ours[@]}") ours_paint=$(column 4 "${ours[@]}")
echo "start to window mapped (median of $runs): bare Qt window $bare_map ms, splash $ours_map ms," \
  "ratio $(awk -v a="$ours_map" -v b="$bare_map" 'BEGIN { printf "%.2f", a / b }')"
echo "start to window painted (median of $runs): bare Qt window $bare_paint ms, splash $ours_paint ms," \
  "ratio $(awk -v a="$ours_paint" -v b="$bare_paint" 'BEGIN { printf "%.2f", a / b }')"

"$build/app/fretlore" >/dev/null 2>&1 &
pid=$!
wait_for_window "Fretlore PRO" 165 480 20 >/dev/null
sleep 1
awk '/VmRSS/ { printf "resident memory after start: %.1f MiB\n", $2 / 1024 }' "/proc/$pid/status"
kill "$pid"; wait "$pid" 2>/dev/null || true
QT_QPA_PLATFORM=offscreen "$build/bench/bench_mask"

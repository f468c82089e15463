#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Idle and memory figures of the built program on a virtual display with a
# private sound server (a null sink): processor time of the program and of the
# sound server over 10 idle seconds (from /proc/PID/stat, in clock ticks),
# resident memory after start and after a strum, and where the memory lies.
# Usage: bench/idle.sh [build-dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
. "$here/scripts/xvfb-lib.sh"
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null
  [ -n "${pulse:-}" ] && pulseaudio --kill 2>/dev/null
  xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT
xvfb_start 1024x768
export XDG_RUNTIME_DIR=$work HOME=$work
null_sink_start && pulse=1 || echo "no sound server: the program plays silently"

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# Resident memory by kind, from smaps: anonymous (heap and other private
# memory), files mapped (libraries, fonts), and the largest anonymous areas.
breakdown() {
  awk '/^[0-9a-f]+-[0-9a-f]+ / { name = NF >= 6 ? $6 : "[anonymous]" }
       /^Rss:/ { rss[name] += $2 }
       /^Anonymous:/ { anon += $2; an[name] += $2 }
       /^Rss:/ { if (name ~ /\.so/) libs += $2; else if (name ~ /^\//) files += $2; total += $2 }
       END { printf "  total %.1f MiB: anonymous %.1f MiB, libraries %.1f MiB, other files %.1f MiB\n",
                    total / 1024, anon / 1024, libs / 1024, files / 1024
             for (n in an) if (an[n] >= 512) printf "  anonymous %6.1f MiB  %s\n", an[n] / 1024, n }' \
    "/proc/$1/smaps" | sort -t: -k1,1 -s
}

"$build/app/fretlore" >"$work/log" 2>&1 &
app=$!
wait_for_window "Fretlore PRO" 165 480 20 >/dev/null
server=
[ -n "${pulse:-}" ] && server=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null || true)
# idle SECONDS WHAT: ticks of the program and the sound server over SECONDS.
idle() {
  local a0 s0 a1 s1
  a0=$(ticks "$app"); s0=${server:+$(ticks "$server")}
  sleep "$1"
  a1=$(ticks "$app"); s1=${server:+$(ticks "$server")}
  echo "idle $2, $1 s: program $((a1 - a0)) ticks${server:+, sound server $((s1 - s0)) ticks}" \
    "(clock ticks of $(getconf CLK_TCK) Hz; load $(cut -d' ' -f1-3 /proc/loadavg))"
}
sleep 3
idle 10 "from 3 s after the splash showed (the main window comes at 7 s)"
echo "resident memory 13 s after start: $(rss "$app") MiB"
breakdown "$app"
wait_main_window 15
idle 10 "right after that"

wx=252; wy=186
xdotool mousemove $((wx + 460)) $((wy + 113 + 16 + 8)) click 1
sleep 0.5
xdotool mousemove $((wx + 439)) $((wy + 96)) click 1
sleep 6.5
echo "resident memory after a strum: $(rss "$app") MiB"
breakdown "$app"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The display goes away (its X server dies) while the program is busy: each
# time it ends within 2 seconds, with a non-zero exit code and a line on
# stderr that says the display connection broke. States: the splash, a
# strum, a search, the about window open, the error report open.
# Usage: display_loss_test.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() { kill "${app:-}" 2>/dev/null; xvfb_stop; rm -rf "$work"; }
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work
# A copy of the program with no mid folder beside it: every tone is missing.
mkdir "$work/alone" && cp "$program" "$work/alone/"

wx=252; wy=186
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; }

# lose_display STATE: starts the program, brings it into STATE, kills the server.
lose_display() {
  local state=$1 exe=$program
  [ "$state" = "error report" ] && exe="$work/alone/$(basename "$program")"
  xvfb_start 1024x768 || { fail "$state: no display"; return; }
  "$exe" >"$work/log" 2>&1 &
  app=$!
  if [ "$state" = splash ]; then
    sleep 2
  else
    wait_main_window 15 || { fail "$state: no main window"; xvfb_stop; kill "$app"; return; }
    case $state in
      strum | "error report") click 460 $((113 + 16 + 8)); sleep 0.3; click 439 96; sleep 1.2 ;;
      search) click 100 224; sleep 0.2; xdotool type --delay 50 "db"; xdotool key Return; sleep 0.05 ;;
      "about window") click 463 96; sleep 0.8 ;;
    esac
    # Besides the main window: the error report, the not-found message or the about window.
    [ "$state" != search ] && [ "$(visible_windows "Fretlore PRO" | wc -l)" -lt 2 ] && fail "$state: no second window"
  fi
  local t0 t1 rc
  t0=$(date +%s%N)
  kill -9 "$XVFB_PID"
  wait "$XVFB_PID" 2>/dev/null
  for _ in $(seq 1 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
  t1=$(date +%s%N)
  if kill -0 "$app" 2>/dev/null; then
    fail "$state: still running 2.5 s after the display went"
    kill -9 "$app"
  fi
  wait "$app"; rc=$?
  app=
  local ms=$(((t1 - t0) / 1000000))
  [ $rc -ne 0 ] && [ $ms -le 2000 ] && pass "$state: ended after $ms ms with exit code $rc" \
    || fail "$state: exit code $rc after $ms ms"
  grep -qiE 'X11 connection broke|X server|display' "$work/log" && pass "$state: says why" \
    || { fail "$state: nothing on stderr about the display"; cat "$work/log"; }
}

for state in splash strum search "about window" "error report"; do
  lose_display "$state"
done
[ $failures -eq 0 ]

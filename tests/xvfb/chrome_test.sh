#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window's chrome on a virtual display without a window manager:
# the guitar drags the window; a right release on "X" ends the program at
# once with code 0; a left release rolls the credits over a hidden main
# window, and the program ends by itself with code 0 after the scroll.
# Usage: chrome_test.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() { kill "${app:-}" 2>/dev/null; xvfb_stop; rm -rf "$work"; }
trap cleanup EXIT

# start_program: runs it and waits for the main window at (252, 186).
start_program() {
  "$program" >"$work/log" 2>&1 &
  app=$!
  wait_main_window 15 || { fail "no main window"; return 1; }
}

# wait_exit SECONDS: sets `code` to the program's exit code once it has ended, or to "running".
wait_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$app" 2>/dev/null; do
    [ $SECONDS -gt $deadline ] && { code=running; return; }
    sleep 0.1
  done
  wait "$app"
  code=$?
}

xvfb_start 1024x768 || exit 1
export XDG_RUNTIME_DIR=$work

start_program || exit 1
# Drag by the guitar picture at (5, 5): 60 right, 40 down.
xdotool mousemove $((252 + 100)) $((186 + 40)) mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove $((252 + 100 + 10 * step)) $((186 + 40 + 7 * step - 2)); sleep 0.05; done
xdotool mousemove $((252 + 160)) $((186 + 80)) mouseup 1
sleep 0.5
pos=$(visible_windows "Fretlore PRO" | awk '$4 == 572 && $5 == 423 { print $2, $3 }')
[ "$pos" = "312 226" ] && pass "the guitar drags the window" || fail "window at '$pos' after the drag"
# A right release on "X" (547, 85 in the window): the program ends at once.
xdotool mousemove $((312 + 552)) $((226 + 95)) click 3
wait_exit 3
[ "$code" = 0 ] && pass "a right release on X ends the program with code 0" || fail "after a right release on X: $code"

start_program || exit 1
xdotool mousemove $((252 + 552)) $((186 + 95)) click 1
if credits=$(wait_for_window "Fretlore PRO" 457 318 5); then
  pass "a left release on X shows the credits"
else
  fail "no credits"
fi
sleep 0.5
[ -z "$(visible_windows "Fretlore PRO" | awk '$4 == 572 && $5 == 423')" ] && pass "the main window is hidden" \
  || fail "the main window still shows"
kill -0 "$app" 2>/dev/null && pass "the program goes on while the credits roll" || fail "the program ended at once"
wait_exit 150
[ "$code" = 0 ] && pass "the program ends by itself with code 0 after the credits" || fail "after the credits: $code"

[ $failures -eq 0 ] && echo "chrome test: all checks passed" || { echo "chrome test: $failures checks failed"; cat "$work/log"; }
exit $(( failures > 0 ))

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program in a real window on a virtual display without a window
# manager: the splash comes up centred and cut to its mask while the main
# window is not mapped at all; seven seconds later the splash is gone and
# the main window stands at (252, 186), cut to its own mask.
# Usage: startup_test.sh PROGRAM PICTURES_DIR
set -uo pipefail
program=$1
pictures=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() { kill "${app:-}" 2>/dev/null; xvfb_stop; [ $failures -gt 0 ] && cp "$work"/*.png /tmp/ 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

xvfb_start 1024x768 || exit 1
export XDG_RUNTIME_DIR=$work
"$program" >"$work/log" 2>&1 &
app=$!

if splash=$(wait_for_window "Fretlore PRO" 165 480 15); then
  read -r _ sx sy <<<"$splash"
  [ "$sx" = 429 ] && [ "$sy" = 144 ] && pass "splash centred" || fail "splash at $sx,$sy, not 429,144"
  sleep 1
  screenshot "$work/splash.png"
  diff=$(window_matches_mask "$work/splash.png" 429 144 165 480 "$pictures/splash_mask.png")
  [ "$diff" = 0 ] && pass "splash cut to its mask" || fail "splash differs from its mask in $diff pixels"
  # The main window is not mapped anywhere while the splash shows.
  main=$(visible_windows "Fretlore PRO" | awk '$4 == 572 && $5 == 423 { print $2, $3 }')
  [ -z "$main" ] && pass "main window not mapped during the splash" || fail "main window during the splash: '$main'"
  [ "$(pixel "$work/splash.png" 300 300)" = "$XVFB_ROOT_COLOUR" ] && pass "nothing of the main window on screen" \
    || fail "something shows where the main window will stand"
else
  fail "no splash window within 15 s"
fi

# The splash goes after seven seconds.
if wait_for_window "Fretlore PRO" 572 423 12 | awk '$2 != 252 || $3 != 186 { exit 1 }'; then :; fi
deadline=$((SECONDS + 12))
until visible_windows "Fretlore PRO" | awk '$2 == 252 && $3 == 186 { f = 1 } END { exit !f }'; do
  [ $SECONDS -gt $deadline ] && break
  sleep 0.1
done
sleep 0.5
screenshot "$work/main.png"
main=$(visible_windows "Fretlore PRO" | awk '$4 == 572 && $5 == 423 { print $2, $3 }')
[ "$main" = "252 186" ] && pass "main window at 252,186 after the splash" || fail "main window at '$main'"
[ -z "$(visible_windows "Fretlore PRO" | awk '$4 == 165 && $5 == 480')" ] && pass "splash hidden" || fail "splash still shown"
diff=$(window_matches_mask "$work/main.png" 252 186 572 423 "$pictures/main_mask.png")
[ "$diff" = 0 ] && pass "main window cut to its mask" || fail "main window differs from its mask in $diff pixels"
[ "$(pixel "$work/main.png" $((252 + 300)) $((186 + 30)))" = "$XVFB_ROOT_COLOUR" ] \
  && pass "a point outside the mask shows the root window" || fail "outside the mask is not the root window"
[ "$(pixel "$work/main.png" $((252 + 20)) $((186 + 200)))" = "0,0,0" ] \
  && pass "a point inside the mask shows the black window" || fail "inside the mask is not black"

kill -0 "$app" 2>/dev/null && pass "program still running" || { fail "program ended"; cat "$work/log"; }
[ $failures -eq 0 ] && echo "startup test: all checks passed" || echo "startup test: $failures checks failed"
exit $(( failures > 0 ))

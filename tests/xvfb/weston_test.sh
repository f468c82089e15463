#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program under Weston with XWayland, Weston nested in a virtual
# display: started with WAYLAND_DISPLAY set and no platform chosen, it runs on
# XWayland (xcb), at its places, and what Weston composes shows the splash and
# the main window shaped; the about and message windows stay reachable, and
# Alt+F4 closes the main window. Skips (77) only when Weston cannot start here.
# Usage: weston_test.sh PROGRAM PICTURES_DIR
set -uo pipefail
program=$1
pictures=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

for tool in weston Xwayland; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run
unset QT_QPA_PLATFORM
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null
  weston_stop
  rm -rf "$work"
}
trap cleanup EXIT
weston_start "$work" || { echo "SKIP: Weston cannot start here"; exit 77; }
SHADED_DESKTOP=1

# shot FILE: what Weston shows, its pointer in a corner.
shot() { user_input mousemove 1023 767; sleep 0.3; DISPLAY=$INPUT_DISPLAY screenshot "$1"; }

"$program" >"$work/program.log" 2>&1 &
app=$!
if splash=$(wait_for_window "Fretlore PRO" 165 480 30); then
  pass "the splash is an X window of XWayland: the program chose xcb"
  read -r _ sx sy <<<"$splash"
  [ "$sx,$sy" = "429,144" ] && pass "splash centred" || fail "splash at $sx,$sy"
  sleep 1.5
  shot "$work/splash.png"
  # Its box's corners are cut away: the desktop shows there, not the splash.
  for corner in "$sx $sy" "$((sx + 164)) $sy" "$sx $((sy + 479))" "$((sx + 164)) $((sy + 479))"; do
    desktop_shades "$work/splash.png" "1x1+${corner% *}+${corner#* }" "$work/corner.png"
    [ "$(pixel "$work/corner.png" 0 0)" = "255,255,255" ] || fail "splash corner $corner: $(pixel "$work/splash.png" $corner)"
  done
  d=$(window_matches_mask "$work/splash.png" "$sx" "$sy" 165 480 "$pictures/splash_mask.png")
  [ "$d" = 0 ] && pass "splash shaped" || fail "splash shape: $d pixels off"
else
  fail "no splash on XWayland"; cat "$work/program.log"
fi

if main=$(wait_for_window "Fretlore PRO" 572 423 30); then
  read -r _ mx my <<<"$main"
  [ "$mx,$my" = "252,186" ] && pass "main window at 252,186" || fail "main window at $mx,$my"
  sleep 1
  shot "$work/main.png"
  d=$(window_matches_mask "$work/main.png" "$mx" "$my" 572 423 "$pictures/main_mask.png")
  [ "$d" = 0 ] && pass "main window shaped" || fail "main window shape: $d pixels off"

  # The about window stays above the disabled main window after a click on it,
  # and still takes its "OK".
  user_input mousemove $((mx + 463)) $((my + 96)) click 1
  if about=$(wait_for_window "Fretlore PRO" 329 358 5); then
    read -r _ ax ay <<<"$about"
    user_input mousemove $((mx + 520)) $((my + 137)) click 1
    sleep 0.7
    user_input mousemove $((ax + 164)) $((ay + 324)) click 1
    sleep 1
    [ -z "$(visible_windows "Fretlore PRO" | awk '$4 == 329 && $5 == 358')" ] \
      && pass "the about window stays on top and OK closes it" || fail "the about window is out of reach"
  else
    fail "no about window"
  fi

  # A name no chord has: the message stays above the main window after a click
  # on it, and takes the Escape key, which Weston gives to the main window.
  search_name "$mx" "$my" zzq
  if wait_for_window "Fretlore PRO" 261 109 5 >/dev/null; then
    user_input mousemove $((mx + 520)) $((my + 137)) click 1
    sleep 0.7
    user_input key Escape
    sleep 1
    [ -z "$(visible_windows "Fretlore PRO" | awk '$4 == 261 && $5 == 109')" ] \
      && pass "the message stays on top and Escape closes it" || fail "the message is still up"
  else
    fail "no message for a name no chord has"
  fi

  # Weston binds no close key: the main window takes Alt+F4 and rolls the credits.
  user_input key alt+F4
  wait_for_window "Fretlore PRO" 457 318 5 >/dev/null && pass "Alt+F4 shows the credits" || fail "no credits after Alt+F4"
else
  fail "no main window"
fi

[ "$failures" -eq 0 ]

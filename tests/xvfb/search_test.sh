#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program on a virtual display: a name typed and Enter shows the
# chord; a name that matches nothing brings up the message window, centred,
# while the main window takes no clicks; OK gives the main window back.
# Usage: search_test.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() { kill "${app:-}" 2>/dev/null; xvfb_stop; rm -rf "$work"; }
trap cleanup EXIT

# crop_same A B GEOMETRY: whether two screenshots agree inside a rectangle.
crop_same() {
  convert "$1" -crop "$3" +repage "$work/a.png"
  convert "$2" -crop "$3" +repage "$work/b.png"
  [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" = 0 ]
}

xvfb_start 1024x768 || exit 1
export XDG_RUNTIME_DIR=$work
"$program" >"$work/log" 2>&1 &
app=$!
wait_main_window 15 || { fail "no main window"; exit 1; }
wx=252; wy=186
diagram="391x176+$((wx + 17))+$((wy + 241))"
screenshot "$work/blank.png"

# "am" in the name field, then Enter: the first A minor is drawn.
search_name $wx $wy am
sleep 0.8
screenshot "$work/am.png"
crop_same "$work/blank.png" "$work/am.png" "$diagram" && fail "the diagram did not change" || pass "Enter in the name field shows the chord"

# "db" matches nothing: the message window comes up centred.
xdotool key ctrl+a
xdotool type --delay 50 "db"
xdotool key Return
message=$(wait_for_window "Fretlore PRO" 261 109 5)
if [ -n "$message" ]; then
  read -r _ mx my <<<"$message"
  [ "$mx" = 381 ] && [ "$my" = 329 ] && pass "message window centred" || fail "message window at $mx,$my"
else
  fail "no message window"
fi
sleep 0.3
screenshot "$work/message.png"
# A click on the list now changes nothing.
xdotool mousemove $((wx + 460)) $((wy + 113 + 16 * 5 + 8)) click 1
sleep 0.6
screenshot "$work/ignored.png"
crop_same "$work/message.png" "$work/ignored.png" "$diagram" && pass "the main window ignores clicks meanwhile" \
  || fail "the main window took a click"

# OK closes the message window and gives the main window back.
xdotool mousemove $((381 + 130)) $((329 + 80)) click 1
sleep 0.6
[ -z "$(visible_windows "Fretlore PRO" | awk '$4 == 261 && $5 == 109')" ] && pass "OK closes the message window" \
  || fail "message window still up"
xdotool mousemove $((wx + 460)) $((wy + 113 + 16 * 5 + 8)) click 1
sleep 0.6
screenshot "$work/back.png"
crop_same "$work/ignored.png" "$work/back.png" "$diagram" && fail "the main window still ignores clicks" \
  || pass "the main window takes clicks again"

# A click on the name box's arrow opens the history ("db" newest, then "am") and
# leaves it open; a click on "am" puts it in the box, and Enter finds the next A minor.
history="273x30+$((wx + 25))+$((wy + 236))"
xdotool mousemove $((wx + 25 + 273 - 6)) $((wy + 214 + 10)) click 1
sleep 0.8
screenshot "$work/history.png"
crop_same "$work/back.png" "$work/history.png" "$history" && fail "the history list is not open after a click on the arrow" \
  || pass "a click on the arrow leaves the history open"
xdotool mousemove $((wx + 60)) $((wy + 236 + 13 + 6)) click 1
sleep 0.4
xdotool key Return
sleep 0.8
screenshot "$work/picked.png"
[ -z "$(visible_windows "Fretlore PRO" | awk '$4 == 261 && $5 == 109')" ] && \
  ! crop_same "$work/back.png" "$work/picked.png" "$diagram" && pass "a line of the history fills the box" \
  || fail "the picked line did not find a chord"

kill -0 "$app" 2>/dev/null && pass "program still running" || { fail "program ended"; cat "$work/log"; }
[ $failures -eq 0 ] && echo "search test: all checks passed" || { echo "search test: $failures checks failed"; cp "$work"/*.png /tmp/ 2>/dev/null; }
exit $(( failures > 0 ))

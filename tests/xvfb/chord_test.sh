#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program on a virtual display with a sound server whose output is
# recorded: a click on the first chord draws it, the hint names a tone under
# the mouse, and the play icon strums six strings at their pitches.
# Usage: chord_test.sh PROGRAM ANALYZER
set -uo pipefail
program=$1
analyzer=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() {
  kill "${app:-}" "${rec:-}" 2>/dev/null
  [ -n "${pulse:-}" ] && pulseaudio --kill 2>/dev/null
  xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT

xvfb_start 1024x768 || exit 1
export XDG_RUNTIME_DIR=$work HOME=$work

null_sink_start && pulse=1

"$program" >"$work/log" 2>&1 &
app=$!
wait_main_window 15 || { fail "no main window"; exit 1; }
wx=252; wy=186

# Line 1 of the list: rows 16 px high from the list's top at (429, 113).
xdotool mousemove $((wx + 460)) $((wy + 113 + 16 + 8)) click 1
sleep 0.5
xdotool mousemove $((wx + 300)) $((wy + 20))  # off the diagram
sleep 0.3
screenshot "$work/chord.png"
# The diagram lies at (17, 241): rings at x 334 for E6 (y 30), discs at (148, 53), (241, 76), (334, 122).
cx=$((wx + 17)); cy=$((wy + 241))
[ "$(pixel "$work/chord.png" $((cx + 148)) $((cy + 53)))" = "0,255,0" ] && pass "A5 disc drawn" || fail "no A5 disc"
[ "$(pixel "$work/chord.png" $((cx + 241)) $((cy + 76)))" = "0,255,0" ] && pass "D4 disc drawn" || fail "no D4 disc"
[ "$(pixel "$work/chord.png" $((cx + 334)) $((cy + 30)))" = "0,0,0" ] && \
  [ "$(pixel "$work/chord.png" $((cx + 327)) $((cy + 30)))" = "0,255,0" ] && pass "E6 ring drawn" || fail "no E6 ring"
[ "$(pixel "$work/chord.png" $((cx + 200)) $((cy + 10)))" = "0,0,0" ] && pass "the diagram's white shows the black window" \
  || fail "the diagram is not transparent"

# Hover the B2 tone: a hint comes up by the mouse.
xdotool mousemove $((cx + 334)) $((cy + 124))
sleep 0.1
xdotool mousemove $((cx + 335)) $((cy + 123))
sleep 1.5
screenshot "$work/hint.png"
diffs=$(compare -metric AE "$work/chord.png" "$work/hint.png" null: 2>&1)
[ "${diffs%% *}" -gt 200 ] 2>/dev/null && pass "a hint shows under the mouse ($diffs pixels changed)" || fail "no hint ($diffs)"
# The mouse is in the lower right quarter of the screen: the hint stands above
# and left of it, black with a lime frame and text, and its yellow arrow band.
convert "$work/hint.png" -crop "220x45+$((cx + 335 - 215))+$((cy + 123 - 40))" +repage -format %c histogram:info:- |
  awk '{ gsub(/[(),]/, " ", $2); split($2, c, " "); n = $1 + 0
         if (c[1] == 0 && c[2] == 0 && c[3] == 0) black += n
         else if (c[1] == 0 && c[2] == 255 && c[3] == 0) lime += n
         else if (c[1] >= 200 && c[2] >= 150 && c[3] <= 150) yellow += n }
       END { print black + 0, lime + 0, yellow + 0 }' > "$work/hintcolours"
read -r black lime yellow < "$work/hintcolours"
[ "$black" -gt 2000 ] && [ "$lime" -gt 200 ] && [ "$yellow" -gt 50 ] && pass "the hint is black and lime with its yellow band" \
  || fail "hint colours: black $black, lime $lime, yellow $yellow"

# The play icon at (431, 88): six strings, 800 ms apart, at C major's pitches.
# A busy machine can make the sound server drop or delay recorded samples, so
# the strum is taken up to three times and must sound right in one of them.
if [ -n "${pulse:-}" ]; then
  heard=0
  for attempt in 1 2 3; do
    parec -d fretlore_null.monitor --format=s16le --rate=44100 --channels=1 --raw > "$work/strum.raw" &
    rec=$!
    sleep 0.3
    xdotool mousemove $((wx + 439)) $((wy + 96)) click 1
    sleep 6.5
    kill "$rec"; wait "$rec" 2>/dev/null
    "$analyzer" "$work/strum.raw" 40 48 52 55 60 64 && { heard=1; break; }
  done
  [ $heard -eq 1 ] && pass "six strings heard at their pitches, 800 ms apart" \
    || fail "the strum did not sound right"
else
  echo "skip: no sound server (pulseaudio) to record the strum"
fi

kill -0 "$app" 2>/dev/null && pass "program still running" || { fail "program ended"; cat "$work/log"; }
[ $failures -eq 0 ] && echo "chord test: all checks passed" || { echo "chord test: $failures checks failed"; cat "$work/log"; }
exit $(( failures > 0 ))

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The diagram's settings in the real window: a settings file that asks for a
# left-handed diagram with finger numbers mirrors the first chord, and the
# command line's --right-handed --no-fingers brings the usual diagram back.
# Usage: settings_test.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() {
  kill "${app:-}" 2>/dev/null
  xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT

xvfb_start 1024x768 || exit 1
export XDG_RUNTIME_DIR=$work HOME=$work XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
printf '[diagram]\nleft-handed=true\nfingers=true\n' > "$XDG_CONFIG_HOME/fretlore.conf"
wx=252; wy=186; cx=$((wx + 17)); cy=$((wy + 241))

# Starts the program with options, shows line 1 (C: x 3 2 0 1 0 with E6 open) and takes a picture.
show_first_chord() {
  "$program" "$@" >"$work/log" 2>&1 &
  app=$!
  wait_main_window 15 || { fail "no main window ($*)"; return 1; }
  xdotool mousemove $((wx + 460)) $((wy + 113 + 16 + 8)) click 1
  sleep 0.5
  xdotool mousemove $((wx + 300)) $((wy + 20))
  sleep 0.3
  screenshot "$work/chord.png"
  kill "$app"; wait "$app" 2>/dev/null
}

show_first_chord
# Mirrored: the E6 ring at x 390 - 334 = 56, the A5 disc (ring finger, a 3 in it) at 390 - 148.
[ "$(pixel "$work/chord.png" $((cx + 56)) $((cy + 30)))" = "0,0,0" ] && \
  [ "$(pixel "$work/chord.png" $((cx + 63)) $((cy + 30)))" = "0,255,0" ] && pass "left-handed: E6 ring at the left" \
  || fail "no mirrored E6 ring"
[ "$(pixel "$work/chord.png" $((cx + 242)) $((cy + 53 - 5)))" = "0,255,0" ] && pass "left-handed: A5 disc mirrored" \
  || fail "no mirrored A5 disc"
[ "$(pixel "$work/chord.png" $((cx + 148)) $((cy + 53 - 5)))" = "0,0,0" ] && pass "nothing at the usual A5 place" \
  || fail "a disc at the usual A5 place"
black=$(convert "$work/chord.png" -crop "10x10+$((cx + 237))+$((cy + 48))" +repage -format %c histogram:info:- |
        awk '/#000000/ { n += $1 } END { print n + 0 }')
[ "$black" -gt 5 ] && pass "a finger number in the A5 disc ($black dark pixels)" || fail "no finger number ($black)"

show_first_chord --right-handed --no-fingers
[ "$(pixel "$work/chord.png" $((cx + 148)) $((cy + 53 - 5)))" = "0,255,0" ] && \
  [ "$(pixel "$work/chord.png" $((cx + 334)) $((cy + 30)))" = "0,0,0" ] && pass "the command line wins: the usual diagram" \
  || fail "the command line did not win"

[ $failures -eq 0 ] && echo "settings test: all checks passed" || { echo "settings test: $failures checks failed"; cat "$work/log"; }
exit $(( failures > 0 ))

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program scaled to twice the size (QT_SCALE_FACTOR=2) on a virtual
# display without a window manager: the main window stands at twice its
# designed place, its shape is its mask at twice the size, and its guitar
# picture is drawn with every pixel doubled, not smoothed.
# Usage: scaling_test.sh PROGRAM PICTURES_DIR
set -uo pipefail
program=$1
pictures=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() { kill "${app:-}" 2>/dev/null; xvfb_stop; rm -rf "$work"; }
trap cleanup EXIT

xvfb_start 2048x1536 || exit 1
export XDG_RUNTIME_DIR=$work QT_SCALE_FACTOR=2
"$program" >"$work/log" 2>&1 &
app=$!
if ! line=$(wait_for_window "Fretlore PRO" 1144 846 20); then
  fail "no main window of 1144 x 846"
  exit 1
fi
read -r _ x y <<<"$line"
[ "$x,$y" = "504,372" ] && pass "main window at 504,372" || fail "main window at $x,$y"
sleep 1
screenshot "$work/main.png"

d=$(window_matches_mask "$work/main.png" "$x" "$y" 1144 846 "$pictures/main_mask.png" 2)
[ "$d" = 0 ] && pass "shape follows the doubled mask" || fail "shape differs from the doubled mask in $d pixels"

# The guitar (200 x 72 at 5,5; its top 64 rows lie clear of the banner), inside
# the shape: each picture pixel becomes 2 x 2 screen pixels.
convert "$work/main.png" -crop "400x128+$((x + 10))+$((y + 10))" +repage "$work/guitar.png"
convert "$pictures/stratocaster.png" -crop 200x64+0+0 +repage -sample 200% "$work/want.png"
convert "$pictures/main_mask.png" -crop 200x64+5+5 +repage -sample 200% "$work/cut.png"
d=$(convert "$work/guitar.png" "$work/want.png" -compose difference -composite -threshold 0 \
      \( "$work/cut.png" -negate \) -compose darken -composite -colorspace gray -format "%[fx:round(mean*w*h)]" info:)
[ "$d" = 0 ] && pass "the guitar is drawn crisp at twice the size" || fail "the guitar differs in $d pixels"

[ $failures -eq 0 ] && echo "scaling test: all checks passed" || { echo "scaling test: $failures checks failed"; cat "$work/log"; }
exit $(( failures > 0 ))

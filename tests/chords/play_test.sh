#!/usr/bin/env bash
# fretlore-chords play through a sound server whose output is recorded, with
# no display: line 1 (C major) strums its six strings at their pitches, 800 ms
# apart, and the program ends by itself; --string plays one string and ends.
# Usage: play_test.sh PROGRAM ANALYZER (ANALYZER "-": the sound is not
# analysed, as in the sanitizer build, whose synthesizer falls behind real time)
set -uo pipefail
program=$1
analyzer=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() {
  kill "${rec:-}" 2>/dev/null
  [ -n "${pulse:-}" ] && pulseaudio --kill 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
unset DISPLAY WAYLAND_DISPLAY

export XDG_RUNTIME_DIR=$work HOME=$work
null_sink_start && pulse=1 || { echo "skip: no sound server (pulseaudio) to record the strum"; exit 0; }

parec -d fretlore_null.monitor --format=s16le --rate=44100 --channels=1 --raw > "$work/strum.raw" &
rec=$!
sleep 0.3
start=$(date +%s%N)
"$program" play 1 > "$work/out" 2>&1
code=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
sleep 1.5  # the recorder hands on what it holds
kill "$rec"; wait "$rec" 2>/dev/null; rec=
[ $code -eq 0 ] && [ ! -s "$work/out" ] && pass "play 1 ended by itself after $took ms, silently on the terminal" \
  || { fail "play 1 exited $code"; cat "$work/out"; }
[ $took -lt 10000 ] || fail "play 1 took $took ms"
if [ "$analyzer" = - ]; then
  echo "skip: the recorded strum is not analysed in this build"
else
  "$analyzer" "$work/strum.raw" 40 48 52 55 60 64 && pass "six strings heard at their pitches, 800 ms apart" \
    || fail "the strum did not sound right"
fi

start=$(date +%s%N)
"$program" play --string 2 Am > "$work/out" 2>&1
code=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
[ $code -eq 0 ] && [ $took -lt 5000 ] && pass "one string played in $took ms" || { fail "play --string 2 exited $code after $took ms"; cat "$work/out"; }

[ $failures -eq 0 ] && echo "play test: all checks passed" || echo "play test: $failures checks failed"
exit $(( failures > 0 ))

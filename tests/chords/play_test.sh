#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# fretlore-chords play through a sound server whose output is recorded, with
# no display: line 1 (C major) strums its six strings at their pitches, 800 ms
# apart, and the program ends by itself, in standard tuning and in open E with
# a capo; --string plays one string and ends.
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

# One take: record while `play 1 OPTIONS` strums, then analyse the recording
# for the pitches in `expected` (six MIDI notes). A busy
# machine can make the sound server drop or delay recorded samples, so the
# strum is taken up to three times and must sound right in one of them.
take() {
  parec -d fretlore_null.monitor --format=s16le --rate=44100 --channels=1 --raw > "$work/strum.raw" &
  rec=$!
  sleep 0.3
  local start code took
  start=$(date +%s%N)
  "$program" play 1 "$@" > "$work/out" 2>&1
  code=$?
  took=$(( ($(date +%s%N) - start) / 1000000 ))
  sleep 1.5  # the recorder hands on what it holds
  kill "$rec"; wait "$rec" 2>/dev/null; rec=
  # The strum itself takes 5 s; before it the program waits until the stream
  # has taken a second of sound, which this sound server holds back for up to
  # 2 s after the stream opens.
  if [ $code -ne 0 ] || [ -s "$work/out" ] || [ $took -ge 15000 ]; then
    fail "play 1 exited $code after $took ms"; cat "$work/out"; return 2
  fi
  pass "play 1 ended by itself after $took ms, silently on the terminal"
  [ "$analyzer" = - ] && return 0
  "$analyzer" "$work/strum.raw" $expected
}
strum() {
  if [ "$analyzer" = - ]; then
    take "$@"
    echo "skip: the recorded strum is not analysed in this build"
    return
  fi
  local heard=0 attempt result
  for attempt in 1 2 3; do
    take "$@"; result=$?
    [ $result -eq 0 ] && { heard=1; break; }
    [ $result -eq 2 ] && break
  done
  [ $heard -eq 1 ] && pass "six strings heard at their pitches, 800 ms apart (${*:-standard tuning})" \
    || fail "the strum did not sound right (${*:-standard tuning})"
}
expected="40 48 52 55 60 64" strum
# Open E (E2 B2 E3 G#3 B3 E4) with a capo at 1: the same frets sound F C# F A C# F.
expected="41 51 55 57 61 65" strum --tuning open-e --capo 1

start=$(date +%s%N)
"$program" play --string 2 Am > "$work/out" 2>&1
code=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
# A second of sound taken by the stream (see above), then the string.
[ $code -eq 0 ] && [ $took -lt 10000 ] && pass "one string played in $took ms" || { fail "play --string 2 exited $code after $took ms"; cat "$work/out"; }

[ $failures -eq 0 ] && echo "play test: all checks passed" || echo "play test: $failures checks failed"
exit $(( failures > 0 ))

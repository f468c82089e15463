#!/usr/bin/env bash
# Runs a program with a sound device of its own: a private sound server whose
# one sink goes nowhere, reached through ALSA's default device. Without
# pulseaudio the program runs without a device.
# Usage: null_sink.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work HOME=$work
cleanup() {
  [ -n "${pulse:-}" ] && pulseaudio --kill 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
if command -v pulseaudio >/dev/null && command -v pactl >/dev/null; then
  pulseaudio -D -n --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=fretlore_null rate=44100" \
    --load="module-native-protocol-unix" 2>"$work/pulse.log" && pulse=1
  printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' > "$work/.asoundrc"
  for i in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi
"$@"

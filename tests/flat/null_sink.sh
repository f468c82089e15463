#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program with a sound device of its own: a private sound server whose
# one sink goes nowhere. Without pulseaudio the program runs without a device.
# Usage: null_sink.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work HOME=$work
cleanup() {
  [ -n "${pulse:-}" ] && pulseaudio --kill 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
null_sink_start && pulse=1
"$@"

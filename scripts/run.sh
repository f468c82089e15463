#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts the program. Without a display it shows the
# program on a virtual one, saves a screenshot of the splash and one of the
# main window, and ends it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/setup.sh
scripts/build.sh build

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/fretlore
fi

echo "run: no display here; showing the program on a virtual display (Xvfb) instead"
. scripts/xvfb-lib.sh
xvfb_start 1024x768
trap 'kill "$app" 2>/dev/null; xvfb_stop' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
mkdir -p build/screenshots
build/app/fretlore &
app=$!
wait_for_window "Fretlore PRO" 165 480 10 >/dev/null
sleep 1
screenshot build/screenshots/splash.png
echo "run: splash screenshot: build/screenshots/splash.png"
# The splash goes after seven seconds and the main window comes into view.
for i in $(seq 1 150); do
  visible_windows "Fretlore PRO" | awk '$2 == 252 && $3 == 186 { found = 1 } END { exit !found }' && break
  sleep 0.1
done
sleep 0.5
screenshot build/screenshots/main-window.png
echo "run: main window screenshot: build/screenshots/main-window.png"

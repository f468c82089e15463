#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs, only those that are missing.
# Run as root (or with sudo available) on Debian 12.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache
  # Qt 6 and tests
  qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev libgtest-dev
  # the pictures' reader
  libpng-dev
  # the command-line program's SVG output, and the page check of its PDF sheets
  qt6-svg-dev poppler-utils
  # sound: the synthesizer, its General MIDI sound font, the sound device layer
  libfluidsynth-dev fluid-soundfont-gm libasound2-dev
  # fonts the program and its pictures use
  fonts-liberation fonts-comic-neue fontconfig libfontconfig-dev
  # the build-time catalogue generator and checks
  python3
  # the fuzz targets (libFuzzer comes with clang's run-time libraries)
  clang libclang-rt-14-dev
  # real-window tests and screenshots on a virtual display
  xvfb xdotool imagemagick x11-xserver-utils x11-utils
  # a light window manager for the real-window test on a desktop
  openbox
  # a Wayland compositor with XWayland for the real-window test of a Wayland session
  weston xwayland
  # a sound server to record the program's sound in those tests
  pulseaudio pulseaudio-utils libasound2-plugins
  # manual pages, the Debian package, and the checks of the installed desktop files
  scdoc dpkg-dev file desktop-file-utils appstream
  # the package checked as a distribution checks it: Debian's package checker,
  # the manual page reader, and the reader of the machine-readable copyright file
  lintian man-db python3-debian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: run as root to install: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

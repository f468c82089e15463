#!/usr/bin/env bash
# Configures and builds into a folder (default: build). Extra arguments go to cmake's configure step.
# Usage: scripts/build.sh [build-dir] [cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
case "$dir" in /*) ;; *) dir="$here/$dir" ;; esac
cmake -S "$here" -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"

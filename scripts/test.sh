#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs the whole test suite: once in a normal build, once
# under AddressSanitizer and UndefinedBehaviorSanitizer.
# Then each fuzz target runs for 30 seconds (scripts/fuzz.sh).
# --quick skips the sanitizer and fuzz runs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

quick=0
[ "${1:-}" = "--quick" ] && quick=1

scripts/setup.sh

echo "== build and test =="
scripts/build.sh build
(cd build && ctest --output-on-failure -j "$(nproc)")

if [ $quick -eq 0 ]; then
  echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer =="
  scripts/build.sh build-asan -DFRETLORE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
  # The real-window tests (xvfb_*) ran above; instrumented, their sound and
  # timing would measure the sanitizers rather than the program.
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     LSAN_OPTIONS=suppressions="$here/scripts/lsan.supp" \
     ctest --output-on-failure -j "$(nproc)" -E '^xvfb_')

  echo "== fuzz targets, 30 s each =="
  scripts/fuzz.sh 30
fi

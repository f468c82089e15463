#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for a while (default 30 s)
# from its seed corpus in fuzz/corpus. A finding fails the run and leaves the
# input that caused it in build-fuzz/findings. New inputs the fuzzer finds
# stay in build-fuzz/corpus, not in the repository.
# Usage: scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
seconds=${1:-30}
shift || true

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not installed; skipped" >&2
  exit 0
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j "$(nproc)"

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(catalogue_line smf wave search mask)
mkdir -p build-fuzz/findings
failed=()
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  echo "== fuzz_$t for ${seconds} s =="
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "build-fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/findings/$t-" "build-fuzz/corpus/$t" "fuzz/corpus/$t" \
      >"build-fuzz/fuzz_$t.log" 2>&1; then
    tail -n 40 "build-fuzz/fuzz_$t.log"
    failed+=("$t")
  fi
  grep -E '^(stat::number_of_executed_units|stat::new_units_added)' "build-fuzz/fuzz_$t.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]}; inputs in build-fuzz/findings:" >&2
  ls build-fuzz/findings >&2
  exit 1
fi

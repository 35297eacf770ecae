#!/usr/bin/env bash
# Process start to the first page shown: starts swted on the example under
# the offscreen platform, with SWTED_EXIT_AFTER_SHOW making it leave as soon
# as the first page is on screen; prints the median of 20 runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
times=()
for i in $(seq 20); do
  t0=$(date +%s%N)
  SWTED_EXIT_AFTER_SHOW=1 QT_QPA_PLATFORM=offscreen "$build/swted" examples/PLANT.OPT >/dev/null 2>&1
  t1=$(date +%s%N)
  times+=($(( (t1 - t0) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "start-up to first page: %.1f ms (median of %d)\n", a[int((NR+1)/2)]/1000, NR}'

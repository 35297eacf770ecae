#!/usr/bin/env bash
# Rewrites 2,000 options files (copies of the bundled examples, every type)
# with one swted-cli run, and the same files with the I/O-only floor; prints
# the median of several rounds and the ratio.
# Usage: bench/rewrite.sh [BUILD_DIR] [ROUNDS] [WORKDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-5}
work=${3:-$(mktemp -d)}
count=2000

make_files() {
  rm -rf "$work/files"; mkdir -p "$work/files"
  local i=0
  while [ $i -lt $count ]; do
    for f in examples/PLANT.*; do
      [ $i -lt $count ] || break
      cp "$f" "$work/files/F$i.${f##*.}"
      i=$((i + 1))
    done
  done
}

now() { date +%s.%N; }

cli=() floor=()
for r in $(seq "$rounds"); do
  make_files; sync
  t0=$(now); "$build/swted-cli" rewrite "$work"/files/F*.??? ; t1=$(now)
  cli+=("$(echo "$t1 - $t0" | bc -l)")
  make_files; sync
  t0=$(now); "$build/bench/rewrite_floor" "$work"/files/F*.??? ; t1=$(now)
  floor+=("$(echo "$t1 - $t0" | bc -l)")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mc=$(median "${cli[@]}"); mf=$(median "${floor[@]}")
printf 'files: %d  rounds: %d\nswted-cli rewrite: %.3f s (median)\nfloor:             %.3f s (median)\nratio:             %.2f\n' \
  "$count" "$rounds" "$mc" "$mf" "$(echo "$mc / $mf" | bc -l)"

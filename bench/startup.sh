#!/usr/bin/env bash
# Process start to the first page shown, beside a bare Qt main window with
# one menu (bench_bare_window, built here): each run starts the program and
# leaves as soon as its window is on screen (the editor on the example, with
# SWTED_EXIT_AFTER_SHOW). The two alternate, RUNS times each; prints both
# medians and their ratio.
# Usage: bench/startup.sh [BUILD_DIR] [offscreen|xvfb] [RUNS]
#   offscreen (default): Qt's offscreen platform;
#   xvfb: an X server of its own (Xvfb on a free display) and the xcb platform.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
platform=${2:-offscreen}
runs=${3:-20}
cmake --build "$build" --target swted bench_bare_window >/dev/null

if [ "$platform" = xvfb ]; then
  display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
  done
  export DISPLAY=$display QT_QPA_PLATFORM=xcb
else
  export QT_QPA_PLATFORM=offscreen
fi

# The editor remembers the size of its pages in the user's settings: a
# scratch place for them, filled by a first start that is reported apart.
config=$(mktemp -d)
trap 'rm -rf "$config"; [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true' EXIT
export XDG_CONFIG_HOME=$config

# Microseconds from start to end of one run of the command.
run() {
  local t0 t1
  t0=$(date +%s%N)
  "$@" >/dev/null 2>&1
  t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000 ))
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

first=$(SWTED_EXIT_AFTER_SHOW=1 run "$build/swted" examples/PLANT.OPT)
editor=() bare=()
for _ in $(seq "$runs"); do
  bare+=("$(run "$build/bench/bench_bare_window")")
  editor+=("$(SWTED_EXIT_AFTER_SHOW=1 run "$build/swted" examples/PLANT.OPT)")
done
b=$(printf '%s\n' "${bare[@]}" | median)
e=$(printf '%s\n' "${editor[@]}" | median)
awk -v b="$b" -v e="$e" -v f="$first" -v p="$platform" -v n="$runs" 'BEGIN {
  printf "%s, median of %d runs each\n", p, n
  printf "  bare window with one menu: %6.1f ms\n", b / 1000
  printf "  editor to its first page:  %6.1f ms (%.2f x the bare window)\n", e / 1000, e / b
  printf "  (its very first start, which builds every page to learn their size: %.1f ms)\n", f / 1000 }'

#!/usr/bin/env bash
# Process start to the first page shown, beside a bare Qt main window with
# one menu (bench_bare_window, built here): each run starts the program and
# leaves as soon as its window is on screen (the editor on the example, with
# SWTED_EXIT_AFTER_SHOW). The two alternate, RUNS times each; prints the
# medians and their ratio, to the window shown (as each program says) and
# to the end of the process (which adds closing the window and exiting).
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

# One run of the command: microseconds from its start to its window shown
# (as the program says, given the start in SWTED_START_NS), then to its end.
run() {
  local t0 t1 out
  t0=$(date +%s%N)
  out=$(SWTED_START_NS=$t0 "$@" 2>/dev/null)
  t1=$(date +%s%N)
  echo "$(sed -n 's/^shown after: \([0-9]*\) us$/\1/p' <<<"$out") $(( (t1 - t0) / 1000 ))"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

first=$(SWTED_EXIT_AFTER_SHOW=1 run "$build/swted" examples/PLANT.OPT)
editor=() bare=()
for _ in $(seq "$runs"); do
  bare+=("$(run "$build/bench/bench_bare_window")")
  editor+=("$(SWTED_EXIT_AFTER_SHOW=1 run "$build/swted" examples/PLANT.OPT)")
done
bs=$(printf '%s\n' "${bare[@]}" | cut -d' ' -f1 | median)
es=$(printf '%s\n' "${editor[@]}" | cut -d' ' -f1 | median)
be=$(printf '%s\n' "${bare[@]}" | cut -d' ' -f2 | median)
ee=$(printf '%s\n' "${editor[@]}" | cut -d' ' -f2 | median)
awk -v bs="$bs" -v es="$es" -v be="$be" -v ee="$ee" -v f="${first% *}" -v p="$platform" -v n="$runs" 'BEGIN {
  printf "%s, median of %d runs each\n", p, n
  printf "  to the window shown:\n"
  printf "    bare window with one menu: %6.1f ms\n", bs / 1000
  printf "    editor, its first page:    %6.1f ms (%.2f x the bare window)\n", es / 1000, es / bs
  printf "  to the end of the process (the window shown, then closed):\n"
  printf "    bare window with one menu: %6.1f ms\n", be / 1000
  printf "    editor:                    %6.1f ms (%.2f x the bare window)\n", ee / 1000, ee / be
  printf "  (the editor'"'"'s very first start, which builds every page to learn their size: %.1f ms to shown)\n", f / 1000 }'

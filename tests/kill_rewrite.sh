#!/usr/bin/env bash
# Kills `swted-cli rewrite` of many options files at random moments and
# checks after every kill that each file and each backup is whole: byte for
# byte either the file as it was or as a save writes it (both read to the
# same 140 values, checked first), never empty, cut short or mixed.
# Usage: tests/kill_rewrite.sh [KILLS] [FILES] [BUILD_DIR]
set -euo pipefail
kills=${1:-100}
count=${2:-2000}
build=$(cd "${3:-build}" && pwd)
cd "$(dirname "$0")/.."
cli=$build/swted-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The two good versions of each example: as shipped, and as saved (a second
# save must change nothing, or a file saved twice would be a third version).
declare -A good
mkdir "$work/versions"
for f in examples/PLANT.*; do
  ext=${f##*.}
  cp "$f" "$work/versions/V.$ext"
  "$cli" rewrite "$work/versions/V.$ext"
  cp "$work/versions/V.$ext" "$work/versions/once.$ext"
  "$cli" rewrite "$work/versions/V.$ext"
  cmp -s "$work/versions/V.$ext" "$work/versions/once.$ext" || { echo "FAIL: a second save of $f changes it"; exit 1; }
  diff <("$cli" show "$f") <("$cli" show "$work/versions/V.$ext") >/dev/null \
    || { echo "FAIL: $f saved does not read to the same values"; exit 1; }
  good[$ext]="$(md5sum <"$f" | cut -d' ' -f1) $(md5sum <"$work/versions/V.$ext" | cut -d' ' -f1)"
done

mkdir "$work/files"
i=0
while [ $i -lt "$count" ]; do
  for f in examples/PLANT.*; do
    [ $i -lt "$count" ] || break
    cp "$f" "$work/files/F$i.${f##*.}"
    i=$((i + 1))
  done
done
files=("$work"/files/F*.???)

# How long one whole run takes, to spread the kills over it.
t0=$(date +%s%N)
"$cli" rewrite "${files[@]}"
span=$(( ($(date +%s%N) - t0) / 1000000 ))

# Each file and its backup with the sums of its two good versions.
for f in "${files[@]}"; do
  name=${f##*/}
  echo "$name ${good[${f##*.}]}"
  echo "${name%.*}.BAK ${good[${f##*.}]}"
done >"$work/expected"

check() {
  (cd "$work/files" && find . -maxdepth 1 -name 'F*' -printf '%f\n' | xargs md5sum) |
    awk -v kill="$1" -v dir="$work/files" '
      NR == FNR { ok[$1] = " " $2 " " $3 " "; next }
      { seen[$2] = 1; if (!($2 in ok) || index(ok[$2], " " $1 " ") == 0) { print "FAIL after kill " kill ": " dir "/" $2 " is neither version"; bad = 1 } }
      END { for (n in ok) if (!(n in seen)) { print "FAIL after kill " kill ": " n " is missing"; bad = 1 } exit bad }
    ' "$work/expected" -
}

killed_during=0
for k in $(seq "$kills"); do
  delay_ms=$(( (RANDOM * 32768 + RANDOM) % (span * 9 / 10 + 1) ))
  "$cli" rewrite "${files[@]}" &
  pid=$!
  sleep "$(printf '%d.%03d' $((delay_ms / 1000)) $((delay_ms % 1000)))"
  if kill -KILL "$pid" 2>/dev/null; then
    killed_during=$((killed_during + 1))
  fi
  wait "$pid" 2>/dev/null || true
  check "$k"
done
killed=$(find "$work/files" -name '*.swted-tmp' | wc -l)
# One more whole rewrite takes every file in and removes what the kills left.
out=$("$cli" rewrite "${files[@]}")
check final
left=$(find "$work/files" -name '*.swted-tmp' -printf '%f\n')
[ -z "$left" ] || { echo "FAIL: temporary files left after a whole rewrite:"; echo "$left"; exit 1; }
removed=$(awk '{ n += $3 } END { print n + 0 }' <<<"$out")
[ "$removed" -eq "$killed" ] || { echo "FAIL: $killed temporary files left by the kills, $removed reported removed"; exit 1; }
echo "kills: $kills of a rewrite of $count files ($span ms a run), $killed_during during the run;" \
  "every file and backup whole; temporary files left by the kills: $killed, all removed by the next rewrite"

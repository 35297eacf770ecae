#!/usr/bin/env bash
# Two users set different switches of one file at the same moment, round
# after round: both commands succeed and both values are in the file after
# every round (no save is lost to the other's).
# Usage: tests/concurrent_set.sh [ROUNDS] [BUILD_DIR]
set -euo pipefail
rounds=${1:-200}
build=$(cd "${2:-build}" && pwd)
cd "$(dirname "$0")/.."
cli=("$build/swted-cli" --program-dir "$PWD/tests/data/golden/prog")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file=$work/JOB.OPT
cp tests/data/golden/in/BLOCK.OPT "$file"
"${cli[@]}" set "$file" 1=205 2=207 # now in the form a save writes

# Switches 1 and 2 are the first two numbers of the first table line (the
# one after the line count); read with builtins only, to keep rounds short.
first_two() {
  local line n=0 a b
  while IFS= read -r line; do
    n=$((n + 1))
    [ $n -eq 7 ] && break
  done <"$file"
  read -r a b _ <<<"$line"
  echo "$a $b"
}
[ "$(first_two)" = "205 207" ] || { echo "FAIL: the table is not where the test reads it"; exit 1; }

for r in $(seq "$rounds"); do
  "${cli[@]}" set "$file" 1=$((5 + r)) >/dev/null 2>"$work/err1" &
  one=$!
  "${cli[@]}" set "$file" 2=$((7 + r)) >/dev/null 2>"$work/err2" &
  two=$!
  wait $one || { echo "FAIL in round $r: the first set failed: $(cat "$work/err1")"; exit 1; }
  wait $two || { echo "FAIL in round $r: the second set failed: $(cat "$work/err2")"; exit 1; }
  got=$(first_two)
  [ "$got" = "$((5 + r)) $((7 + r))" ] || { echo "FAIL in round $r: switches 1 and 2 are $got"; exit 1; }
done
# The reader agrees with the quick look.
"${cli[@]}" show "$file" | head -2 | tr '\n' ' ' | grep -qx "1 $((5 + rounds)) 2 $((7 + rounds)) " \
  || { echo "FAIL: show disagrees"; exit 1; }
leftover=$(find "$work" -name '*.swted-tmp' | wc -l)
[ "$leftover" -eq 0 ] || { echo "FAIL: $leftover temporary files left"; exit 1; }
echo "$rounds rounds of two concurrent sets: nothing lost"

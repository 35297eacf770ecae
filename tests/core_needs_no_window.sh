#!/usr/bin/env bash
# Fails when a file of the core (everything under src/ but gui/, app/ and
# cli/) includes a header of Qt's widgets, GUI or printing modules, or a
# header of the windows: the core must build and run without a display.
# Usage: core_needs_no_window.sh SOURCE_DIR QT_INCLUDE_DIR...
set -u
src=$1/src; shift
found=0
re='^([^:]+):[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"]'
while IFS= read -r line; do
  [[ $line =~ $re ]] || continue
  f=${BASH_REMATCH[1]} header=${BASH_REMATCH[2]}
  case "$f" in "$src"/gui/*|"$src"/app/*|"$src"/cli/*) continue ;; esac
  bad=""
  case "$header" in gui/*|QtWidgets/*|QtGui/*|QtPrintSupport/*) bad=1 ;; esac
  for dir in "$@"; do
    [ -e "$dir/$header" ] && bad=1
  done
  if [ -n "$bad" ]; then
    echo "${f#"$src"/}: includes $header, which needs a display; it belongs under src/gui/"
    found=1
  fi
done < <(grep -rH -E '^[[:space:]]*#[[:space:]]*include' --include='*.cpp' --include='*.h' "$src")
exit $found

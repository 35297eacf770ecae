#!/usr/bin/env bash
# The files of the real home that the editor could write (its settings, any
# Swted file or folder in the config, data, state and cache folders or the
# home itself), with sizes and modification times. "record LISTING" before
# the tests; "compare LISTING" after them fails when a test changed one.
set -u
mode=${1:-} listing=${2:-}
[ -n "$mode" ] && [ -n "$listing" ] || { echo "usage: $0 record|compare LISTING" >&2; exit 2; }
[ -n "${HOME:-}" ] || { echo "HOME is not set" >&2; exit 2; }

list() {
  local dir
  {
    for dir in "${XDG_CONFIG_HOME:-$HOME/.config}" "${XDG_DATA_HOME:-$HOME/.local/share}" \
               "${XDG_STATE_HOME:-$HOME/.local/state}" "${XDG_CACHE_HOME:-$HOME/.cache}" \
               "$HOME/.qttest/config" "$HOME/.qttest/share" "$HOME/.qttest/cache"; do
      [ -d "$dir" ] || continue
      # QSettings without an organisation name writes under "Unknown Organization".
      find "$dir" -mindepth 1 -maxdepth 1 \( -iname 'swted*' -o -name 'Unknown Organization' \) \
        -exec find {} -printf '%p %y %s %T@\n' \;
    done
    # In the home itself only files (a checkout may be a folder named swted).
    find "$HOME" -mindepth 1 -maxdepth 1 -type f -iname 'swted*' -printf '%p %y %s %T@\n'
  } | LC_ALL=C sort -u
}

case $mode in
record)
  list >"$listing"
  echo "recorded $(wc -l <"$listing") entries of $HOME"
  ;;
compare)
  [ -f "$listing" ] || { echo "no listing recorded in $listing" >&2; exit 1; }
  if ! changes=$(diff "$listing" <(list)); then
    echo "The tests changed files of the user's own home ($HOME):" >&2
    echo "$changes" >&2
    exit 1
  fi
  echo "$HOME untouched"
  ;;
*)
  echo "usage: $0 record|compare LISTING" >&2
  exit 2
  ;;
esac

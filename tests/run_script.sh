#!/usr/bin/env bash
# scripts/run without a display says so at once and exits 1, before it
# installs or builds anything (a cmake first in PATH records any call).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin"
printf '#!/bin/sh\ntouch "%s/cmake-called"\n' "$tmp" >"$tmp/bin/cmake"
chmod +x "$tmp/bin/cmake"

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$tmp/bin:$PATH" XDG_CACHE_HOME="$tmp/cache" \
  "$root/scripts/run" >"$tmp/out" 2>"$tmp/err" || status=$?
fail() { echo "FAIL: $*"; echo "--- stdout"; cat "$tmp/out"; echo "--- stderr"; cat "$tmp/err"; exit 1; }
[ $status -eq 1 ] || fail "exit status $status, not 1"
grep -q "No display found" "$tmp/err" || fail "no message about the display"
[ ! -s "$tmp/out" ] || fail "output before the display check"
[ ! -e "$tmp/cmake-called" ] || fail "cmake ran"
[ ! -e "$tmp/cache" ] || fail "a scratch folder was made"
echo "scripts/run without a display: exit 1 at once"

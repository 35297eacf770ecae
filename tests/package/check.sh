#!/usr/bin/env bash
# Checks a built Debian package as an installation: unpacked into a scratch
# root, its programs find their configuration under share/swted with no
# option, the editor starts and shows its first page, and the desktop's own
# validators pass the desktop entry, AppStream file, MIME types and manual
# pages. Usage: tests/package/check.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
src=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
# Nothing here reads or writes the user's own settings.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
mkdir -p "$HOME"
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset SWTED_PROGRAM_DIR
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

fail() { echo "package check: $*" >&2; exit 1; }
expect() { # expect WHAT ACTUAL WANTED
  [ "$2" = "$3" ] || fail "$1: got '$2', wanted '$3'"
}

dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)
usr=$root/usr

# Versions, from the one place the build takes them.
expect "swted-cli --version" "$("$usr/bin/swted-cli" --version)" "swted-cli $version"
expect "swted --version" "$("$usr/bin/swted" --version)" "swted $version"
"$usr/bin/swted" --help | grep -qF "$usr/share/swted" || fail "swted --help does not name $usr/share/swted"

# The configuration is the installed one, found with no option.
types=$("$usr/bin/swted-cli" types)
expect "swted-cli types: folder" "$(tail -n1 <<<"$types")" "folder: $usr/share/swted"
grep -q '^OPT|' <<<"$types" || fail "swted-cli types lists no OPT type"

# The editor starts offscreen on an example and shows its first page.
cp "$usr/share/doc/swted/examples/PLANT.OPT" "$scratch/PLANT.OPT"
shown=$(SWTED_EXIT_AFTER_SHOW=1 timeout 60 "$usr/bin/swted" "$scratch/PLANT.OPT" 2>"$scratch/swted.log") \
  || { cat "$scratch/swted.log"; fail "the editor did not start"; }
grep -q "^shown: .*PLANT.OPT.* | .\+" <<<"$shown" || fail "the editor did not show a page: '$shown'"

# Without the installed configuration, every place looked in is named.
mv "$usr/share/swted" "$usr/share/swted-aside"
set +e
missing=$("$usr/bin/swted-cli" types 2>&1)
status=$?
set -e
expect "swted-cli types without configuration: status" "$status" 3
for place in "$usr/bin" /etc/swted "$usr/share/swted"; do
  grep -qF "'$place'" <<<"$missing" || fail "the missing-configuration message does not name $place: $missing"
done
mv "$usr/share/swted-aside" "$usr/share/swted"

# The desktop's validators.
desktop-file-validate "$usr/share/applications/org.swted.Swted.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.swted.Swted.metainfo.xml" >/dev/null \
  || appstreamcli validate --no-net "$usr/share/metainfo/org.swted.Swted.metainfo.xml"
for page in swted swted-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
  zcat "$usr/share/man/man1/$page.1.gz" | grep -qF "$usr" && fail "man $page names the scratch root"
  zcat "$usr/share/man/man1/$page.1.gz" | grep -qF "/usr/share/swted" || fail "man $page does not name /usr/share/swted"
done
file "$usr/share/icons/hicolor/48x48/apps/org.swted.Swted.png" | grep -q "PNG image data, 48 x 48" \
  || fail "the 48 px icon is not a 48 x 48 PNG"
[ -f "$usr/share/bash-completion/completions/swted-cli" ] || fail "no bash completion"

# Every extension the shipped configuration names is an options file to the
# desktop: the MIME file compiled alone, each extension looked up in it in
# both cases.
mkdir -p "$scratch/mime/packages"
cp "$usr/share/mime/packages/swted.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" >"$scratch/mime.log" 2>&1 || { cat "$scratch/mime.log"; fail "update-mime-database"; }
extensions=$(sed -n 's/^[[:space:]]*[Ee][Xx][Tt][Ee][Nn][Ss][Ii][Oo][Nn][[:space:]]\+\([^[:space:]]\+\).*/\1/p' "$usr/share/swted/Swted.ini" | tr -d '\r')
[ -n "$extensions" ] || fail "no extension read from Swted.ini"
for ext in $extensions; do
  lower=$(tr '[:upper:]' '[:lower:]' <<<"$ext")
  grep -q "^[0-9]*:application/x-karven-options:\*\.$lower\(:\|$\)" "$scratch/mime/globs2" \
    || fail "the MIME types do not name *.$lower"
done
grep -q '^MimeType=application/x-karven-options;$' "$usr/share/applications/org.swted.Swted.desktop" \
  || fail "the desktop entry does not open options files"
echo "package check: $(basename "$deb") passed"

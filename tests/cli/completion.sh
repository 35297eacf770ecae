#!/usr/bin/env bash
# The bash completion of swted-cli from the build folder: commands, file
# names, and the keys of the settings after get, set and reset.
# Usage: completion.sh BUILD_DIR
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && touch JOB.OPT JOB.OPL
source "$build/swted-cli.bash-completion"
PATH=$build:$PATH
fail=0
expect() { # WANTED WORDS...
  local wanted=$1; shift
  COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMPREPLY=()
  _swted_cli
  local got; got=$(printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "); got=${got% }
  if [ "$got" != "$wanted" ]; then
    echo "completing '$*': got '$got', wanted '$wanted'"; fail=1
  fi
}
expect "explain" swted-cli exp
expect "JOB.OPL JOB.OPT" swted-cli get JOB
expect "plotted-iso.paper-settings.sheet-size" swted-cli get JOB.OPT plotted-iso.paper-settings.sh
expect "plotted-iso.paper-settings.sheet-size=" swted-cli set JOB.OPT JOB.OPL plotted-iso.paper-settings.sh
expect "plotted-iso.drawing-margins.left" swted-cli reset JOB.OPT plotted-iso.drawing-margins.l
expect "--json --keys" swted-cli settings --
expect "--non-default -o" swted-cli report -
exit $fail

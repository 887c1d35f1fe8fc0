#!/usr/bin/env bash
# Every shipped language translates every text the sources mark today:
# lupdate brings a scratch copy of each translation up to date with the
# sources, and nothing in it may then be new (unfinished), gone from the
# sources (vanished, obsolete) or translated by an empty text.
# Usage: check_complete.sh LUPDATE SOURCES.lst TS... -- LUPDATE_OPTION...
set -euo pipefail
lupdate=$1
sources=$2
shift 2
ts=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do ts+=("$1"); shift; done
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for file in "${ts[@]}"; do
  copy=$scratch/$(basename "$file")
  cp "$file" "$copy"
  "$lupdate" -silent "$@" "@$sources" -ts "$copy"
  if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>|<numerusform></numerusform>' \
      "$copy"; then
    echo "$(basename "$file"): the lines above are not translated, or no longer in the sources"
    status=1
  fi
done
exit $status

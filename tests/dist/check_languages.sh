#!/usr/bin/env bash
# The desktop entry and the metainfo speak every language the game ships.
# Usage: check_languages.sh DESKTOP METAINFO LANGUAGE...
set -euo pipefail
desktop=$1
metainfo=$2
shift 2
status=0
missing() { echo "$1 lacks $2"; status=1; }
for language in "$@"; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=." "$desktop" || missing "$desktop" "$key[$language]"
  done
  for element in name summary p li; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" || missing "$metainfo" "<$element xml:lang=\"$language\">"
  done
  grep -q "<lang percentage=\"100\">$language</lang>" "$metainfo" || missing "$metainfo" "<lang>$language</lang>"
done
exit $status

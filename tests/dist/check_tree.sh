#!/usr/bin/env bash
# Checks an installed tree: exactly the files of the list (paths relative to
# the install prefix ROOT/PREFIX, one a line), the executables executable, the
# desktop entry's program installed, each theme icon a PNG of the size its
# folder names, the manual page readable without warnings, and the metainfo,
# desktop entry and icon found together as a software centre would.
# Usage: check_tree.sh ROOT PREFIX LIST   (PREFIX relative to ROOT, e.g. usr)
set -euo pipefail
root=$1
prefix=$2
list=$3
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

actual=$(cd "$root" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort)
expected=$(grep -v '^$' "$list" | sed "s|^|$prefix/|" | LC_ALL=C sort)
while read -r extra; do [ -n "$extra" ] && fail "unexpected file $extra"; done \
  < <(LC_ALL=C comm -23 <(echo "$actual") <(echo "$expected"))
while read -r missing; do [ -n "$missing" ] && fail "missing file $missing"; done \
  < <(LC_ALL=C comm -13 <(echo "$actual") <(echo "$expected"))

while read -r path; do
  file="$root/$path"
  [ -f "$file" ] || continue
  case $path in
    */bin/* | */games/*)
      [ -x "$file" ] || fail "$path is not executable" ;;
    */applications/*.desktop)
      # Started through the PATH, which holds bin/ (a home install) or
      # games/ (Debian's /usr/games) of the prefix.
      for key in Exec TryExec; do
        program=$(sed -n "s/^$key=\([^ ]*\).*/\1/p" "$file")
        [ -n "$program" ] && { [ -x "$root/$prefix/bin/$program" ] || [ -x "$root/$prefix/games/$program" ]; } \
          || fail "$path: $key '$program' is in neither $prefix/bin nor $prefix/games"
      done ;;
    */icons/hicolor/*x*/apps/*.png)
      size=$(basename "$(dirname "$(dirname "$path")")")
      info=$(file -b "$file")
      [[ $info == "PNG image data, ${size/x/ x }, 8-bit/color RGBA"* ]] \
        || fail "$path is not a ${size} RGBA PNG: $info" ;;
    */man/man*/*.gz)
      warnings=$(zcat "$file" | groff -man -ww -z 2>&1) || fail "$path does not format"
      [ -z "$warnings" ] || fail "$path: $warnings" ;;
  esac
done <<< "$expected"

if ! remarks=$(appstreamcli validate-tree --no-net "$root" 2>&1) || grep -q '^ *[EWI]: ' <<< "$remarks"; then
  fail "metainfo in the tree: $remarks"
fi

[ $status -eq 0 ] && echo "$(echo "$expected" | wc -l) files as expected under $root"
exit $status

#!/usr/bin/env bash
# Checks the Debian package: its control fields, its file name, the files it
# unpacks into a scratch root, Debian's own checks (lintian without errors or
# warnings, the program hardened as Debian hardens its packages), and that the
# packaged game starts and keeps running on Qt's offscreen platform.
# Usage: check_deb.sh PACKAGE.deb LIST   (LIST: the packaged files, relative
# to the install prefix, as for check_tree.sh)
# Needs lintian and hardening-check (devscripts).
set -euo pipefail
deb=$1
list=$2
here=$(dirname "$0")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = games ] || fail "section is '$(field Section)', not games"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ -n "$(field Description)" ] || fail "no description"
[[ $(field Depends) == *libqt6widgets6* ]] || fail "library dependencies not computed: '$(field Depends)'"
expected_name="$(field Package)_$(field Version)_$(field Architecture).deb"
[ "$(basename "$deb")" = "$expected_name" ] || fail "file name $(basename "$deb"), not $expected_name"

dpkg -x "$deb" "$scratch/root"
"$here/check_tree.sh" "$scratch/root" usr "$list"
program=$scratch/root/usr/games/klandor

# Info and pedantic tags are shown but do not fail the check.
lintian --fail-on error,warning --display-info --pedantic "$deb" || fail "lintian"
# PIE, stack protector, full RELRO and immediate binding, read from the ELF.
# Fortification leaves no trace here: every call the fortified C library
# could check has its bounds settled at compile time, so hardening-check
# finds only unchecked functions. Control-flow protection is not among
# Debian 12's hardening=+all flags.
hardening-check --nofortify --nocfprotection "$program" || fail "hardening"

# The packaged game on its own: still running after a few seconds, silent.
mkdir "$scratch/data"
mkdir -m 700 "$scratch/run"
set +e
XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen \
  timeout 5 "$program" > "$scratch/out" 2>&1 < /dev/null
rc=$?
set -e
[ $rc -eq 124 ] || fail "packaged klandor ended with status $rc: $(cat "$scratch/out")"
[ ! -s "$scratch/out" ] || fail "packaged klandor printed: $(cat "$scratch/out")"
echo "$(basename "$deb"): $(field Depends)"
echo "$(basename "$deb"): the packaged game ran 5 s on the offscreen platform without a word"

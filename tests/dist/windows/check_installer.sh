#!/usr/bin/env bash
# The installer under Wine, silently, for the player alone and then for
# everyone: it puts the program, its Start-menu entry and its entry among
# the installed programs in place, and the game starts from the Start menu;
# its uninstaller, silent too, removes all three and leaves the best times
# as they were.
# Usage: check_installer.sh WINE_SESSION PREFIX SETUP.EXE
set -euo pipefail
session=$1 prefix=$2 setup=$3
wine_run() { "$session" run "$prefix" "$@"; }
DISPLAY=:$(head -n 1 "$prefix.display")
export DISPLAY
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
unix() { wine_run winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# A Windows variable, expanded by Windows.
variable() { wine_run cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
# Polls up to ten seconds for a condition.
within() {
  for _ in $(seq 100); do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  return 1
}

best_dir=$(unix "$(variable APPDATA)\\Klandor")
mkdir -p "$best_dir"
printf '999 MrNobody\n999 MrNobody\n999 MrNob\n' >"$best_dir/minebs.txt"
best_before=$(md5sum <"$best_dir/minebs.txt")

for mode in CurrentUser AllUsers; do
  echo "--- for $mode"
  if [ "$mode" = AllUsers ]; then
    root=HKLM menu=$(variable ProgramData)
  else
    root=HKCU menu=$(variable APPDATA)
  fi
  key="$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Klandor"
  shortcut="$menu\\Microsoft\\Windows\\Start Menu\\Programs\\Klandor.lnk"
  wine_run "$setup" /S "/$mode" || fail "the installer ended with $?"

  entry=$(wine_run reg query "$key" 2>/dev/null | tr -d '\r') || fail "no entry $key"
  for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString EstimatedSize; do
    grep -q "^ *$value " <<<"$entry" || fail "the entry lacks $value"
  done
  place=$(sed -n 's/^ *InstallLocation *REG_SZ *//p' <<<"$entry")
  folder=$(unix "$place")
  [ -f "$folder/klandor.exe" ] || fail "no klandor.exe in $folder"
  [ -f "$(unix "$shortcut")" ] || fail "no Start-menu entry $shortcut"
  echo "installed in $place, entry $shortcut"

  # The game from its Start-menu entry: its window shows, and the game ends
  # when asked to close (taskkill finds it no more).
  wine_run start "$shortcut" 2>/dev/null || fail "the Start-menu entry does not start"
  within 'xdotool search --classname klandor.exe >/dev/null 2>&1' || fail "the game's window did not show"
  within '! wine_run taskkill /IM klandor.exe >/dev/null 2>&1' || fail "the game did not end"

  # "folder\uninstall.exe" /Mode /S; it runs on from a copy of itself and
  # ends before it is done.
  uninstall=$(sed -n 's/^ *QuietUninstallString *REG_SZ *//p' <<<"$entry")
  program=$(sed 's/^"\([^"]*\)".*/\1/' <<<"$uninstall")
  rest=${uninstall#\"}
  read -ra options <<<"${rest#*\"}"
  wine_run "$program" "${options[@]}" || fail "the uninstaller ended with $?"
  within '[ ! -e "$folder" ]' || fail "$folder is still there: $(ls "$folder")"
  [ ! -e "$(unix "$shortcut")" ] || fail "the Start-menu entry is still there"
  if wine_run reg query "$key" >/dev/null 2>&1; then fail "the entry $key is still there"; fi
  [ "$(md5sum <"$best_dir/minebs.txt")" = "$best_before" ] || fail "the best times changed"
  echo "removed; the best times kept"
done

#!/usr/bin/env bash
# klandor_exe_test.sh SESSION PREFIX KLANDOR_EXE CLIENT_IMAGE WORKDIR
# The game's program as the player meets it, under Wine on the test run's
# display (SESSION is cmake/wine.sh, PREFIX its Wine prefix): at start the
# client area is, pixel for pixel, the Linux build's (CLIENT_IMAGE draws
# that offscreen); a left click uncovers a cell; a right click flags one and
# the counter shows 009; F2 gives a fresh board; Exit ends with code 0.
set -euo pipefail
session=$1 prefix=$2 exe=$3 client_image=$4 work=$5
if [ ! -x "$client_image" ]; then
  echo "no $client_image: build the Linux side's klandor_client_image first (scripts/test windows64 does)"
  exit 1
fi
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime "$client_image" "$work"
read -r width height < <(identify -format '%w %h\n' "$work/start.png")
export DISPLAY=:$(head -n 1 "$prefix.display")

fail() {
  echo "FAILED: $*"
  exit 1
}

started=$(date +%s%N)
"$session" run "$prefix" "$exe" &
game=$!
trap 'kill "$game" 2>/dev/null || true' EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Klandor$' | head -n 1) || fail "no window"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The display's window holds the client area at its bottom, inside a border
# as wide at the bottom as at the sides (none where a window manager draws
# the frame), with the caption and menu bar above it.
border=$(( (WIDTH - width) / 2 ))
[ "$border" -ge 0 ] && [ "$((WIDTH - 2 * border))" -eq "$width" ] ||
  fail "a window $WIDTH pixels wide can't hold a client area $width pixels wide"
left=$((X + border)) top=$((Y + HEIGHT - border - height))

# The client area, or a part W x H at (x, y) of it, on the screen now.
shot() { # NAME [W H x y]
  local w=${2:-$width} h=${3:-$height} x=${4:-0} y=${5:-0}
  import -window root -crop "${w}x${h}+$((left + x))+$((top + y))" +repage "$work/shot_$1.png"
}
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# Waits up to 10 s for the client area to match a picture of the Linux build.
expect_client() { # NAME REFERENCE WHAT
  local n
  for _ in $(seq 100); do
    shot "$1"
    n=$(differing "$work/shot_$1.png" "$work/$2")
    [ "$n" = 0 ] && return 0
    sleep 0.1
  done
  fail "$3: the client area differs from the Linux build's in $n pixels (see $work/shot_$1.png)"
}
click() { # X Y BUTTON, in the client area
  xdotool mousemove "$((left + $1))" "$((top + $2))" click "$3"
}

expect_client at_start start.png "at start"
echo "start-up under Wine: $(( ($(date +%s%N) - started) / 1000000 )) ms to the first full picture"

# Cell (0, 0) lies at (12, 55), cell (7, 7) at (124, 167), each 16 pixels.
# The first release of a board never finds a mine.
convert "$work/start.png" -crop 16x16+124+167 +repage "$work/covered.png"
click 132 175 1
uncovered=no
for _ in $(seq 100); do
  shot last_cell 16 16 124 167
  if [ "$(differing "$work/shot_last_cell.png" "$work/covered.png")" != 0 ]; then
    uncovered=yes
    break
  fi
  sleep 0.1
done
[ "$uncovered" = yes ] || fail "a left click on the last cell left it covered"

xdotool key F2
expect_client fresh start.png "after F2"

click 20 63 3
expect_client flagged flagged.png "after a right click on the first cell (its flag, the counter at 009)"

xdotool key alt+g
sleep 0.5
xdotool key x
for _ in $(seq 100); do
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "Game > Exit left the program running"
status=0
wait "$game" || status=$?
trap - EXIT
[ "$status" = 0 ] || fail "Game > Exit ended the program with code $status"
echo "passed"

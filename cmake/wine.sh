#!/bin/sh
# The Wine session of one test run of a Windows build: a fresh Wine prefix
# and a private X display (Xvfb) that every program of the run shares, so
# that they all talk to one Wine server that knows the display.
#   wine.sh start PREFIX          make the prefix afresh, start the display
#   wine.sh run PREFIX PROGRAM... run a Windows program in the session
#   wine.sh stop PREFIX           end the session's Wine programs and display
set -eu
command=$1
prefix=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG=-all
# Without the .NET and HTML runtimes a prefix is made in seconds and asks
# nothing.
export WINEDLLOVERRIDES="mscoree,mshtml="

stop_display() {
  if [ -s "$prefix.xvfb" ]; then
    kill "$(cat "$prefix.xvfb")" 2>/dev/null || true
  fi
  rm -f "$prefix.xvfb" "$prefix.display"
}

case $command in
  start)
    if [ -d "$prefix" ]; then
      wineserver -k 2>/dev/null || true
    fi
    stop_display
    rm -rf "$prefix"
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$prefix.display" \
      </dev/null >/dev/null 2>&1 &
    echo $! >"$prefix.xvfb"
    tries=0
    while [ ! -s "$prefix.display" ]; do
      tries=$((tries + 1))
      if [ "$tries" -gt 100 ]; then
        echo "wine.sh: Xvfb did not start" >&2
        exit 1
      fi
      sleep 0.1
    done
    DISPLAY=:$(head -n 1 "$prefix.display") wineboot -i
    # No window manager runs on the display: Wine draws the windows' frames
    # itself instead of waiting, at every hide, for a manager to answer.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    wineserver -w
    ;;
  run)
    DISPLAY=:$(head -n 1 "$prefix.display")
    export DISPLAY
    exec wine "$@"
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    stop_display
    ;;
  *)
    echo "usage: wine.sh start|run|stop PREFIX [PROGRAM...]" >&2
    exit 2
    ;;
esac

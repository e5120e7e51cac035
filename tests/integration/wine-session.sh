#!/usr/bin/env bash
# Starts or stops the private Wine of the integration tests and its virtual display.
#   wine-session.sh start|stop PREFIX DISPLAY
# "start" runs Xvfb on DISPLAY (unless a server already answers there), creates the prefix
# if needed and keeps one Wine server running, so that each start of the utility costs a
# fraction of a second; "stop" ends the Wine server and the Xvfb it started.
set -euo pipefail
action=$1
export WINEPREFIX=$2 DISPLAY=$3 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine
xvfb_pid_file=$WINEPREFIX.xvfb-pid
number=${DISPLAY#:}
case $action in
  start)
    if [ ! -e "/tmp/.X11-unix/X$number" ]; then
      Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
      echo $! >"$xvfb_pid_file"
      for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
      done
    fi
    # The server needs the prefix folder; wineboot then fills the prefix in on first use.
    mkdir -p "$WINEPREFIX"
    "$wine/wineserver" -p </dev/null >/dev/null 2>&1
    "$wine/wine64" wineboot --init </dev/null >/dev/null 2>&1
    ;;
  stop)
    "$wine/wineserver" -k 2>/dev/null || true
    if [ -f "$xvfb_pid_file" ]; then
      kill "$(cat "$xvfb_pid_file")" 2>/dev/null || true
      rm -f "$xvfb_pid_file"
    fi
    ;;
  *) echo "usage: wine-session.sh start|stop PREFIX DISPLAY" >&2; exit 2 ;;
esac

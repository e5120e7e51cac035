#!/usr/bin/env bash
# Starts or stops the private Wine of the integration tests.
#   wine-session.sh start|stop PREFIX
# "start" creates the prefix if needed and keeps one Wine server running, so that each test
# start of the utility costs a fraction of a second; "stop" ends that server.
set -euo pipefail
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine
case $action in
  start)
    "$wine/wineserver" -p </dev/null >/dev/null 2>&1
    "$wine/wine64" wineboot --init </dev/null >/dev/null 2>&1
    ;;
  stop)
    "$wine/wineserver" -k 2>/dev/null || true
    ;;
  *) echo "usage: wine-session.sh start|stop PREFIX" >&2; exit 2 ;;
esac

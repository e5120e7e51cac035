#!/usr/bin/env bash
# Starts build/win64/filesvc.exe under Wine with a raw command tail, as a calling program does:
# the test launcher passes the tail unchanged (blanks, quotes and line feeds included).
#   filesvc-wine.sh [--cwd WINDOWS-DIR] [--timeout SECONDS] [--window] TAIL
# Windows paths reach local files through drive Z: (/tmp/a -> Z:\tmp\a). --window shows a
# caller window in the foreground first, to own a file dialog (it needs a DISPLAY).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
options=()
while [ $# -gt 1 ]; do
  case $1 in
    --cwd | --timeout) options+=("$1" "$2"); shift 2 ;;
    --window | --disabled-window) options+=("$1"); shift ;;
    *) break ;;
  esac
done
tail=${1-}
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix} WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
command_file=$(mktemp)
trap 'rm -f "$command_file"' EXIT
exe='Z:'$(tr / '\\' <<<"$root/build/win64/filesvc.exe")
printf '"%s" %s' "$exe" "$tail" >"$command_file"
/usr/lib/wine/wine64 "$root/build/win64/tests/launcher/launch.exe" "${options[@]}" \
  "Z:$(tr / '\\' <<<"$command_file")"

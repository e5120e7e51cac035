#!/usr/bin/env bash
# Starts build/win64/filesvc.exe under Wine with a raw command tail, as a calling program does:
# the test launcher passes the tail unchanged (blanks, quotes and line feeds included).
#   filesvc-wine.sh [--cwd WINDOWS-DIR] TAIL
# Windows paths reach local files through drive Z: (/tmp/a -> Z:\tmp\a).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cwd=()
if [ "${1:-}" = --cwd ]; then
  cwd=(--cwd "$2")
  shift 2
fi
tail=${1-}
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix} WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
command_file=$(mktemp)
trap 'rm -f "$command_file"' EXIT
exe='Z:'$(tr / '\\' <<<"$root/build/win64/filesvc.exe")
printf '"%s" %s' "$exe" "$tail" >"$command_file"
/usr/lib/wine/wine64 "$root/build/win64/tests/launcher/launch.exe" "${cwd[@]}" \
  "Z:$(tr / '\\' <<<"$command_file")"

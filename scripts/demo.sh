#!/usr/bin/env bash
# Installs what is needed, builds the product and the Wine build, and runs the utility's
# services on real files under Wine, printing each request and what it left on disk.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
echo "Built the product: build/win32/filesvc.exe ($(stat -c %s build/win32/filesvc.exe) bytes)"

demo=$root/build/demo
rm -rf "$demo"
mkdir -p "$demo/My Documents"
win() { echo "Z:$(tr / '\\' <<<"$1")"; }
run() {
  printf '\n$ filesvc.exe %s\n' "$1"
  scripts/filesvc-wine.sh --cwd "$(win "$demo")" "$1"
  echo "exit status $?"
}
# A virtual display for Wine from the start, so that the dialog at the end can be shown.
number=90
while [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$number WINEPREFIX=$root/build/wineprefix
trap 'WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done

echo "Starting Wine (the first start of its prefix takes a few seconds)..."
/usr/lib/wine/wineserver -k 2>/dev/null || true # one started without this display
WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1

echo "Old contents" >"$demo/My Documents/Report.txt"
run "/+$(win "$demo/My Documents/Report.txt")"
run "/+$(win "$demo/My Documents/Fresh file.txt")"
printf '\nFiles in %s:\n' "$demo/My Documents"
ls -l "$demo/My Documents"

# The path-name services, on a folder whose long names hold blanks. The short form comes from
# the utility itself ("/-"); the long form of that short path comes back ("/"); then a list
# of paths in mixed forms is answered line for line ("//").
show() {
  printf -- '--- %s\n' "$1"
  if [ -s "$demo/$1" ]; then sed 's/\r$//' "$demo/$1"; else echo "(empty)"; fi
}
mkdir -p "$demo/My Documents/Letters to the Editor"
echo "Dear Editor" >"$demo/My Documents/Letters to the Editor/First draft.txt"
long=$(win "$demo/My Documents/Letters to the Editor/First draft.txt")
run "/-$long"$'\n'"short.txt" # the long path, a line feed, the output file
show short.txt
short=$(sed -n 2p "$demo/short.txt" | tr -d '\r')
run "/$short long.txt"
show long.txt
run "/${short%\\*}\\NO-SUCH\\x.txt missing.txt"
show missing.txt
printf '%s\r\n' "$short" "${short%\\*}\\New letter.txt" "${short%\\*}\\NO-SUCH\\x.txt" \
  "$(tr '[:upper:]' '[:lower:]' <<<"$long")" "" >"$demo/LIST.TMP"
show LIST.TMP
run "//$(win "$demo/LIST.TMP")"
show LIST.TMPp
printf '\nThe list file is gone once answered:\n'
ls "$demo"

# The file dialog: a Save dialog on a virtual display, answered by a simulated user.
scripts/demo-dialog.sh

printf 'Answer files of this demonstration, to open:\n'
for answer in "My Documents/Fresh file.txt" short.txt long.txt missing.txt LIST.TMPp dialog/REQp; do
  echo "  $demo/$answer"
done

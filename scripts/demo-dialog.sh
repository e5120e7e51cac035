#!/usr/bin/env bash
# Demonstrates a dialog request on a virtual display: a caller window asks for a Save dialog,
# a simulated user types a new file name and accepts it, and the response is printed.
# Expects the win64 build (scripts/demo.sh builds it first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
demo=$root/build/demo/dialog
rm -rf "$demo"
mkdir -p "$demo"
win() { echo "Z:$(tr / '\\' <<<"$1")"; }

# A virtual display for the dialog, unless there is one already: the first free number from 90.
# (Wine keeps to the display it started with, so a caller that started Wine before sets
# DISPLAY for it first; scripts/demo.sh does.)
if [ -z "${DISPLAY:-}" ]; then
  number=90
  while [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=:$number
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
fi

title="Save the notes"
printf 'Notes.txt\r\n*.txt\r\nText files (*.txt)|*.txt|All files (*.*)|*.*||\r\n%s\r\n10 42\r\n' \
  "$title" >"$demo/REQ"
printf '\n$ filesvc.exe %s      (a Save dialog: request code 10, cookie 42)\n' "$(win "$demo/REQ")"
echo "Request file:"
sed 's/^/    /' "$demo/REQ"
"$root/scripts/filesvc-wine.sh" --cwd "$(win "$demo")" --timeout 60 --window "$(win "$demo/REQ")" \
  2>/dev/null &
utility=$!

timeout 30 xdotool search --sync --name "^$title\$" >/dev/null
sleep 1
import -window root "$demo/dialog.png"
echo "The dialog is up (screenshot: $demo/dialog.png); the user types $(win "$demo/Notes.txt")"
while kill -0 $utility 2>/dev/null; do
  window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | tail -n 1) || true
  if [ -n "$window" ]; then
    # A dialog still laying itself out may miss the keys: they are sent until it closes.
    { xdotool windowfocus "$window" sleep 0.3 key ctrl+a &&
      xdotool type --delay 20 "$(win "$demo/Notes.txt")" &&
      xdotool key Return; } 2>/dev/null || true
  fi
  sleep 2
done
wait $utility && echo "exit status 0"
echo "Request file deleted: $([ -e "$demo/REQ" ] && echo no || echo yes)"
echo "New file: $(stat -c '%n, %s bytes' "$demo/Notes.txt")"
echo "Response file $demo/REQp:"
sed 's/^/    /' "$demo/REQp"
echo

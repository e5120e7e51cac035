#!/usr/bin/env bash
# Start-up cost of each request form under a warm Wine: the utility (win64 build) against a
# floor program built with the same toolchain and flags that only exits. Both are started the
# same way, through the test launcher with a raw command line, in alternating runs; the
# medians and their ratio are printed per form.
#   bench/startup.sh [RUNS]        (default 21 runs of each)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-21}
cmake --preset win64 >/dev/null
cmake --build --preset win64 >/dev/null
build=$root/build/win64
work=$root/build/bench-startup
rm -rf "$work"
mkdir -p "$work"

export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine
mkdir -p "$WINEPREFIX"
"$wine/wineserver" -p
trap '"$wine/wineserver" -k 2>/dev/null || true' EXIT
"$wine/wine64" wineboot --init >/dev/null 2>&1

win() { echo "Z:$(tr / '\\' <<<"$1")"; }
# Milliseconds one start of program with tail takes, from start to exit.
time_run() {
  printf '"%s" %s' "$(win "$1")" "$2" >"$work/command.txt"
  local start end
  start=$(date +%s%N)
  "$wine/wine64" "$build/tests/launcher/launch.exe" --cwd "$(win "$work")" \
    "$(win "$work/command.txt")" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

mkdir -p "$work/Long Folder Name"
touch "$work/Long Folder Name/Some Document.txt"
long=$(win "$work/Long Folder Name/Some Document.txt")
list_line=$(win "$work/Long Folder Name")
# A fresh list for each run: the utility deletes it once answered.
prepare_list() { printf '%s\r\n' "$list_line" "$long" "c:\\missing\\x.txt" >"$work/LIST.TMP"; }

forms=(
  "empty file|/+$(win "$work/flag.tmp")"
  "long name|/$long $(win "$work/long.txt")"
  "list|//$(win "$work/LIST.TMP")"
  "short name|/-$long"$'\n'"$(win "$work/short.txt")"
  "dialog, no request|$(win "$work/NO-REQUEST")"
)
printf '%-20s %12s %12s %7s\n' form "filesvc ms" "floor ms" ratio
for form in "${forms[@]}"; do
  name=${form%%|*} tail=${form#*|}
  : >"$work/filesvc.times"
  : >"$work/floor.times"
  for _ in $(seq "$runs"); do
    prepare_list
    time_run "$build/filesvc.exe" "$tail" >>"$work/filesvc.times"
    time_run "$build/bench/startfloor.exe" "$tail" >>"$work/floor.times"
  done
  utility=$(median <"$work/filesvc.times")
  floor=$(median <"$work/floor.times")
  awk -v n="$name" -v u="$utility" -v f="$floor" \
    'BEGIN { printf "%-20s %12.1f %12.1f %7.3f\n", n, u / 1000, f / 1000, u / f }'
done

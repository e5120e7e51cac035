#!/usr/bin/env bash
# Benchmark of the list conversion ("//list") under Wine, on a generated directory tree and
# lists of 1,000, 10,000 and 100,000 paths in mixed forms (short, long, lower case, a missing
# last component, a missing directory). For each list it prints side by side:
#   filesvc s    the utility's run, from start to exit, and lines per second from that
#   look-ups     FindFirstFileA calls the utility made (same logic, counted by probecount.exe)
#   distinct     distinct probe paths: the least any walk must look up
#   floor s      floor.exe: one FindFirstFileA per distinct probe, the list read and the same
#                answer bytes written in one piece each
#   peer s       peer.exe: GetLongPathNameA once per line
# and whether the floor wrote the same bytes as the utility. Every figure includes starting a
# program under Wine; "start-up" is that cost alone (the utility on a request that does
# nothing).
#   bench/run.sh [WIN64-BUILD-DIR [WORK-DIR]]
# Without a build directory the win64 preset is built and used.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ $# -ge 1 ]; then
  build=$(cd "$1" && pwd)
  cmake --build "$build" >/dev/null
else
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 >/dev/null
  build=$root/build/win64
fi
work=${2:-$root/build/bench}
mkdir -p "$work"
work=$(cd "$work" && pwd)

export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine
# One Wine server for the whole run, started before the prefix is filled in, so that no run
# pays for starting it.
mkdir -p "$WINEPREFIX"
"$wine/wineserver" -p >/dev/null 2>&1
trap '"$wine/wineserver" -k 2>/dev/null || true' EXIT
"$wine/wine64" wineboot --init >/dev/null 2>&1

win() { echo "Z:$(tr / '\\' <<<"$1")"; }
now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }

# Starts the utility with a raw command tail, as a caller does.
run_filesvc() {
  printf '"%s" %s' "$(win "$build/filesvc.exe")" "$1" >"$work/command.txt"
  "$wine/wine64" "$build/tests/launcher/launch.exe" --cwd "$(win "$work")" \
    "$(win "$work/command.txt")"
}

tree=$work/tree
if [ ! -d "$tree" ]; then
  echo "Generating the tree: 20 x 10 directories, 5,000 files with long names..." >&2
  for p in $(seq -w 1 20); do
    for s in $(seq -w 1 10); do
      dir="$tree/Project Folder $p/Long Subdirectory $s"
      mkdir -p "$dir"
      (cd "$dir" && touch $(printf 'Document_number_%s.txt ' $(seq -w 1 25)))
      for f in "$dir"/Document_number_*; do mv "$f" "${f//_/ }"; done
    done
  done
fi

run_filesvc "/" # warm-up: the first start after wineboot is slower
start=$(now)
run_filesvc "/"
startup=$(seconds "$start" "$(now)")

printf '%9s %10s %9s %9s %9s %8s %8s %s\n' lines "filesvc s" lines/s look-ups distinct \
  "floor s" "peer s" "floor bytes"
for count in 1000 10000 100000; do
  list=$work/list$count.txt
  [ -f "$list" ] || "$wine/wine64" "$build/bench/makelists.exe" "$(win "$tree")" "$count" \
    "$(win "$list")"

  cp "$list" "$work/LIST.TMP"
  start=$(now)
  run_filesvc "//$(win "$work/LIST.TMP")"
  elapsed=$(seconds "$start" "$(now)")
  rate=$(awk -v n="$count" -v t="$elapsed" 'BEGIN { printf "%d", n / t }')

  cp "$list" "$work/COUNT.TMP"
  lookups=$("$wine/wine64" "$build/bench/probecount.exe" "$(win "$work/COUNT.TMP")" | tr -d '\r')

  start=$(now)
  distinct=$("$wine/wine64" "$build/bench/floor.exe" "$(win "$list")" "$(win "$work/floor.txt")" |
    tr -d '\r')
  floor=$(seconds "$start" "$(now)")

  start=$(now)
  "$wine/wine64" "$build/bench/peer.exe" "$(win "$list")" "$(win "$work/peer.txt")"
  peer=$(seconds "$start" "$(now)")

  same=differ
  cmp -s "$work/floor.txt" "$work/LIST.TMPp" && same=same
  printf '%9s %10s %9s %9s %9s %8s %8s %s\n' "$count" "$elapsed" "$rate" "$lookups" \
    "$distinct" "$floor" "$peer" "$same"
done
echo "start-up (the utility doing nothing): $startup s"

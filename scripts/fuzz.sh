#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz, build/fuzz) and runs each for SECONDS (default
# 300), starting from its seed corpus in fuzz/corpus/TARGET. Fails if any target crashes, hangs,
# trips a sanitizer or breaks one of its properties.
#
# The seeds are copied into build/fuzz/corpus/TARGET, where the inputs found on the way are
# kept for the next run; the seed corpus in the repository is never changed. An input that
# failed is saved in build/fuzz/artifacts/TARGET/; run it again with
#   build/fuzz/fuzz/TARGETFuzz FILE
#
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: CommandTail DialogRequest
#        FilterAnalysis PathNames; all by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(CommandTail DialogRequest FilterAnalysis PathNames)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

build=$PWD/build/fuzz
failed=0
summary=()
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  artifacts=$build/artifacts/$target
  scratch=$build/tmp/$target
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  rm -rf "$scratch" && mkdir -p "$scratch"
  cp fuzz/corpus/"$target"/* "$corpus"/
  before=$(find "$artifacts" -type f | wc -l)

  echo "fuzzing $target for ${seconds}s"
  status=0
  # -timeout: an input that takes longer than 10 s counts as a hang.
  TMPDIR=$scratch "$build/fuzz/${target}Fuzz" -max_total_time="$seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1 || status=$?
  rm -rf "$scratch"

  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  crashes=$(($(find "$artifacts" -type f | wc -l) - before))
  if [ "$status" -ne 0 ] && [ "$crashes" -eq 0 ]; then
    crashes=1 # ended abnormally without saving an input
  fi
  summary+=("$(printf '%-16s %12s executions %3d crashes' "$target" "${executions:-?}" "$crashes")")
  if [ "$crashes" -ne 0 ]; then
    failed=1
    echo "$target FAILED (exit status $status); log: $log"
    grep -E 'property failed|ERROR:|runtime error|SUMMARY|Test unit written' "$log" || tail -n 30 "$log"
  fi
done

printf '%s\n' "${summary[@]}"
exit "$failed"

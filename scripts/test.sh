#!/usr/bin/env bash
# Installs what is needed, builds all three builds and runs every test: the unit tests, the
# PE checks of the Windows executables, the format and lint checks and the Wine integration
# tests; then the release artifact and its PE check, the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer (preset sanitize), and every fuzz target for
# a short while (scripts/fuzz.sh; about a minute in all).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in win32 win64 native; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ctest --preset native
scripts/release.sh
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
scripts/fuzz.sh 14

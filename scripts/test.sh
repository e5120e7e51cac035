#!/usr/bin/env bash
# Installs what is needed, builds all three builds and runs every test: the unit tests, the
# PE checks of the Windows executables, the format check and the Wine integration tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in win32 win64 native; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ctest --preset native

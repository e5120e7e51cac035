#!/usr/bin/env bash
# Fails if any C or C++ source of the project is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.c' |
  xargs -r clang-format --dry-run --Werror
echo "sources formatted"

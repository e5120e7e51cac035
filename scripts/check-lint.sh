#!/usr/bin/env bash
# Static checks of the portable logic: clang-tidy with the project's checks (.clang-tidy) and
# cppcheck. Needs the compile commands of a native tree.
#   check-lint.sh [NATIVE-BUILD-DIR]      (default: build/native)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${1:-build/native}
sources=(app/CommandTail.cpp app/FileServiceApp.cpp app/WinApp.cpp platform/TextFile.cpp
  pathnames/*.cpp filedialog/*.cpp)
clang-tidy -p "$build" --quiet "${sources[@]}" 2>/dev/null
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability \
  --std=c++17 --inline-suppr -I . "${sources[@]}"
echo "clang-tidy and cppcheck: no findings in ${#sources[@]} sources"

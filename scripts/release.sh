#!/usr/bin/env bash
# Builds the product in release mode and packs what a user receives: build/release/filesvc.zip
# with filesvc.exe, the caller's guide and the example batch-file caller. The executable is
# checked from its PE headers (PE32, i386, GUI subsystem, system DLLs only, no debug sections)
# and its size is printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 >/dev/null

release=$root/build/release
rm -rf "$release"
mkdir -p "$release/filesvc"
cp build/win32/filesvc.exe "$release/filesvc/"
# The guide and the example as Windows text, CR LF.
sed 's/\r*$/\r/' docs/callers-guide.txt >"$release/filesvc/callers-guide.txt"
cp docs/caller.bat "$release/filesvc/"
(cd "$release" && cmake -E tar cf filesvc.zip --format=zip filesvc)

# Check what was packed, not what was built.
check=$release/unpacked
mkdir -p "$check"
(cd "$check" && cmake -E tar xf ../filesvc.zip)
scripts/check-pe.sh pei-i386 "$check/filesvc/filesvc.exe"
if i686-w64-mingw32-objdump -h "$check/filesvc/filesvc.exe" | grep -q '\.debug'; then
  echo "FAIL: the packed filesvc.exe has debug sections" >&2
  exit 1
fi
echo "Release: $release/filesvc.zip ($(stat -c %s "$release/filesvc.zip") bytes)," \
  "filesvc.exe $(stat -c %s "$check/filesvc/filesvc.exe") bytes, no debug sections"

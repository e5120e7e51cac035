#!/usr/bin/env bash
# Checks a built executable from its PE headers: the expected machine format, the Windows GUI
# subsystem, and imports from system DLLs only (no C++ or GCC run-time DLLs).
#   check-pe.sh FORMAT EXE      FORMAT: pei-i386 or pei-x86-64
set -euo pipefail
format=$1 exe=$2
case $format in
  pei-i386) objdump=i686-w64-mingw32-objdump ;;
  pei-x86-64) objdump=x86_64-w64-mingw32-objdump ;;
  *) echo "unknown format $format" >&2; exit 2 ;;
esac
headers=$($objdump -p "$exe")
fail() { echo "FAIL: $exe: $*" >&2; exit 1; }

grep -q "file format $format\$" <<<"$headers" || fail "not $format"
grep -qE '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a Windows GUI program"
if [ "$format" = pei-i386 ]; then
  grep -qE '^Magic[[:space:]]+010b' <<<"$headers" || fail "not PE32"
fi

allowed='^(kernel32|user32|gdi32|comdlg32|advapi32|shell32|msvcrt)\.dll$'
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$dlls" ] || fail "no imports found"
while read -r dll; do
  tr '[:upper:]' '[:lower:]' <<<"$dll" | grep -qE "$allowed" || fail "imports $dll"
done <<<"$dlls"
echo "$exe: $format, Windows GUI, imports: $(tr '\n' ' ' <<<"$dlls")"

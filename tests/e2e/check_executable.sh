#!/usr/bin/env bash
# Tovask.exe is one self-contained file: a 64-bit console program that imports
# only system DLLs and carries its manifest and version record as resources.
set -u
exe=$1
status=0
fail() { echo "FAIL: $*"; status=1; }

dump=$(x86_64-w64-mingw32-objdump -p "$exe") || { echo "cannot read $exe"; exit 1; }
imports=$(awk '/DLL Name/ {print toupper($3)}' <<<"$dump" | sort -u)
echo "Imports: $(tr '\n' ' ' <<<"$imports")"
for dll in $imports; do
  case "$dll" in
    KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL|MSVCRT.DLL) ;;
    *) fail "imports $dll, which is not a system DLL" ;;
  esac
done
grep -q 'Subsystem.*(Windows CUI)' <<<"$dump" || fail "not a console-subsystem program"
grep -q 'Magic.*020b' <<<"$dump" || fail "not a 64-bit (PE32+) executable"

# The resource section with its zero bytes dropped: the manifest is UTF-8 and
# the version record's UTF-16 strings become readable ASCII.
resources=$(x86_64-w64-mingw32-objcopy -O binary -j .rsrc "$exe" /dev/stdout 2>/dev/null | tr -d '\0')
grep -a -q 'Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$resources" ||
  fail "no manifest with the version-6 common controls"
grep -a -q -i 'dpiAware' <<<"$resources" && fail "the manifest declares DPI awareness"
grep -a -q 'VS_VERSION_INFO' <<<"$resources" || fail "no version record"
grep -a -q 'FileVersion1.42' <<<"$resources" || fail "the version record does not say 1.42"
[ $status -eq 0 ] && echo "$exe: self-contained, with its manifest and version record"
exit $status

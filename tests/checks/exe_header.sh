#!/usr/bin/env bash
# The exe loads on every Windows it names: it imports only the four system DLLs that all of
# them have (no C runtime DLL), has no global constructor (nothing runs them: the program has
# no runtime start-up), and carries the header fields old and new systems look at.
# The 64-bit build is held to the same, for the first 64-bit Windows (5.2); the shipped
# 32-bit program also to its size, under 64 KB.
#   exe_header.sh path/to/zelmora.exe path/to/zelmora.map [win32|win64]
set -euo pipefail
exe="$1"
map="$2"
build="${3:-win32}"
if [ "$build" = win64 ]; then
  objdump=x86_64-w64-mingw32-objdump version=5:2 magic=PE32+
else
  objdump=i686-w64-mingw32-objdump version=4:0 magic=PE32
fi
header="$($objdump -p "$exe")"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

imports="$(sed -n 's/^\tDLL Name: //p' <<<"$header" | tr '[:lower:]' '[:upper:]' | sort | paste -sd' ')"
[ "$imports" = "COMCTL32.DLL GDI32.DLL KERNEL32.DLL USER32.DLL" ] && echo "ok: imports $imports" ||
  fail "imports '$imports', expected COMCTL32, GDI32, KERNEL32 and USER32 only"

# Constructors, destructors and thread-local data would need start-up work that no longer runs.
startup="$(grep -E '^ ?\.(ctors?|dtors?|init_array|fini_array|tls)(\.[^ ]*)? +0x[0-9a-f]+ +0x[0-9a-f]+ ' "$map" || true)"
[ -z "$startup" ] && echo "ok: no constructors, destructors or thread-local data" ||
  fail "sections that need start-up work: $startup"

grep -q "^Magic.*($magic)\$" <<<"$header" && echo "ok: $magic" || fail "not a $magic file: $(grep '^Magic' <<<"$header")"
for field in MajorSubsystemVersion:${version%:*} MinorSubsystemVersion:${version#*:} \
  MajorOSystemVersion:${version%:*} MinorOSystemVersion:${version#*:}; do
  value="$(awk -v f="${field%%:*}" '$1 == f {print $2}' <<<"$header")"
  [ "$value" = "${field#*:}" ] && echo "ok: $field" || fail "${field%%:*} is $value"
done
grep -q 'Subsystem.*Windows GUI' <<<"$header" && echo "ok: GUI subsystem" || fail "not a GUI program"
characteristics="$(awk '$1 == "DllCharacteristics" {print $2}' <<<"$header")"
(( 0x$characteristics & 0x8000 )) && echo "ok: terminal-server aware" || fail "not terminal-server aware ($characteristics)"
size="$(stat -c %s "$exe")"
if [ "$build" = win32 ]; then
  [ "$size" -lt 65536 ] && echo "ok: size $size bytes, under 64 KB" || fail "size $size bytes, 64 KB or more"
else
  echo "size: $size bytes"
fi
[ "$failures" -eq 0 ]

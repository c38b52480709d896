#!/usr/bin/env bash
# The exe imports only system DLLs and carries the header old systems need to load it.
#   exe_header_test.sh path/to/zelmora.exe
set -euo pipefail
exe="$1"
header="$(i686-w64-mingw32-objdump -p "$exe")"
failures=0
allowed=" KERNEL32.DLL USER32.DLL GDI32.DLL COMCTL32.DLL SHELL32.DLL MSVCRT.DLL "
for dll in $(sed -n 's/^\tDLL Name: //p' <<<"$header" | tr '[:lower:]' '[:upper:]'); do
  if [[ "$allowed" == *" $dll "* ]]; then echo "ok: imports $dll"; else echo "FAIL: imports $dll"; failures=$((failures + 1)); fi
done
for field in MajorSubsystemVersion:4 MinorSubsystemVersion:0 MajorOSystemVersion:4 MinorOSystemVersion:0; do
  value="$(awk -v f="${field%%:*}" '$1 == f {print $2}' <<<"$header")"
  if [ "$value" = "${field#*:}" ]; then echo "ok: $field"; else echo "FAIL: ${field%%:*} is $value"; failures=$((failures + 1)); fi
done
grep -q 'Subsystem.*Windows GUI' <<<"$header" && echo "ok: GUI subsystem" || { echo "FAIL: not a GUI program"; failures=$((failures + 1)); }
echo "size: $(stat -c %s "$exe") bytes"
[ "$failures" -eq 0 ]

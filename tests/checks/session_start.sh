#!/usr/bin/env bash
# A Wine that cannot start a program fails the session start, saying why, instead of leaving
# every later test to fail with "did not open its window": once while making the prefix,
# once with a prefix made earlier. The loader here is one that starts nothing. And the tiny
# 32-bit program the installation asks the kernel with is one a kernel with IA-32 emulation
# runs: a malformed one would pass for a kernel without it and keep the 32-bit Wine away.
set -uo pipefail
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
work="$(mktemp -d)"
trap '"$scripts/lib/wine-session.sh" stop "$work/session" >/dev/null 2>&1; rm -rf "$work"' EXIT
printf '#!/bin/sh\necho "cannot execute: Exec format error" >&2\nexit 126\n' >"$work/loader"
chmod +x "$work/loader"
export ZELMORA_WINELOADER="$work/loader" ZELMORA_DISPLAY=:0
failures=0
check() { # WHAT EXPECTED-TEXT PREFIX
  local output code=0
  output="$("$scripts/lib/wine-session.sh" start "$work/session" "$3" win64 2>&1)" || code=$?
  if [ "$code" -ne 0 ] && grep -q "$2" <<<"$output" && grep -q "Exec format error" <<<"$output"; then
    echo "ok: $1: exit $code"
  else
    echo "FAIL: $1: exit $code, output: $output"
    failures=$((failures + 1))
  fi
}
check "no prefix could be made" "could not make a win64 prefix" "$work/fresh"
mkdir -p "$work/made" && echo win64 >"$work/made/.zelmora-ready"
check "a made prefix where nothing starts" "cannot start a program" "$work/made"
# shellcheck source=../../scripts/lib/wine-env.sh
. "$scripts/lib/wine-env.sh"
zelmora_write_tiny32 "$work/tiny"
elf="$(readelf -h -l -W "$work/tiny" 2>&1)"
code="$(objdump -D -b binary -mi386 --start-address=0x54 "$work/tiny" | sed -n 's/^ *[0-9a-f]*:\t[^\t]*\t//p')"
if grep -q 'Class: *ELF32' <<<"$elf" && grep -q 'Machine: *Intel 80386' <<<"$elf" &&
  grep -q 'Type: *EXEC' <<<"$elf" && grep -q 'Entry point address: *0x8048054' <<<"$elf" &&
  grep -Eq 'LOAD +0x000000 0x08048000 0x08048000 0x0005d 0x0005d R E' <<<"$elf" &&
  [ "$(stat -c %s "$work/tiny")" = 93 ] && [ "$(tr -s ' ' <<<"$code" | paste -sd';')" = 'xor %ebx,%ebx;mov $0x1,%eax;int $0x80' ]; then
  echo "ok: the tiny 32-bit program is an i386 executable whose entry exits with 0"
else
  echo "FAIL: the tiny 32-bit program: $elf / $code"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]

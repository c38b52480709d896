#!/usr/bin/env bash
# A Wine that cannot start a program fails the session start, saying why, instead of leaving
# every later test to fail with "did not open its window": once while making the prefix,
# once with a prefix made earlier. The loader here is one that starts nothing.
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
[ "$failures" -eq 0 ]

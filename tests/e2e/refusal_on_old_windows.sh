#!/usr/bin/env bash
# Windows 95 and NT 4.0 get their own refusal; 98 and 2000 start. Wine reports the
# version per program, so copies of the exe under other names get other versions.
set -euo pipefail
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
watch="$ZELMORA_PROBES/boxwatch.exe"

as_version() {  # NAME VERSION: a copy of the exe that Wine runs as that Windows version
  cp "$ZELMORA_DIST/bin/zelmora.exe" "$work/$1.exe"
  wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$1.exe" /v Version /d "$2" /f </dev/null >/dev/null 2>&1
}

refusal() {  # NAME VERSION EXPECTED-TEXT
  as_version "$1" "$2"
  wine "$work/$1.exe" </dev/null >/dev/null 2>&1 &
  local pid=$! code=0
  timeout 60 wine "$watch" "$work/$1.box" 20000 </dev/null >/dev/null 2>&1 || true
  wait "$pid" || code=$?
  expect "$2 caption" "caption: Завершение программы" "$(grep '^caption' "$work/$1.box" 2>/dev/null | tr -d '\r')"
  expect "$2 text" "text: $3" "$(grep '^text' "$work/$1.box" 2>/dev/null | tr -d '\r')"
  expect "$2 icon" "icon: yes" "$(grep '^icon' "$work/$1.box" 2>/dev/null | tr -d '\r')"
  expect "$2 has only OK" "button: 1" "$(grep '^button' "$work/$1.box" 2>/dev/null | cut -d' ' -f1-2)"
  expect "$2 has no owner" "owner: no" "$(grep '^owner' "$work/$1.box" 2>/dev/null | tr -d '\r')"
  expect "$2 exit code" "0" "$code"
}

starts() {  # NAME VERSION: the main window opens; closed again from outside
  as_version "$1" "$2"
  wine "$work/$1.exe" </dev/null >/dev/null 2>&1 &
  local pid=$! code=0 window
  window=$(wait_for_window 'Зельмора' 100)
  expect "$2 opens the main window" "yes" "$([ -n "$window" ] && echo yes || echo no)"
  if [ -z "$window" ]; then kill "$pid"; wait "$pid" || true; return; fi
  # A window that has only just appeared may miss the first keys: press again until it goes.
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key alt+F4
    wait_for_exit "$pid" 5 && break
  done
  wait "$pid" || code=$?
  expect "$2 exit code" "0" "$code"
}

# The version as the build wrote it from the project's.
version=$(sed -n 's/^#define ZELMORA_VERSION_TEXT "\([^"]*\)".*/\1/p' "$ZELMORA_CROSS/generated/version.h")
refusal zel95 win95 "Программа \"Зельмора\" $version\\r\\nне может работать в Windows 95"
refusal zelnt4 nt40 "Программа \"Зельмора\" $version\\r\\nне может работать в Windows NT4"
starts zel98 win98
starts zel2k win2k
finish

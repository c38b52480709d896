#!/usr/bin/env bash
# The shipped program's help from outside: the missing-file message, the viewer's command
# line when HTML Help is missing (hhctrl.ocx disabled for zelmora.exe alone), the licence
# topic from the About dialog, a viewer that cannot start, and the engine's own window.
set -euo pipefail
# A copy of the program in a folder with a blank in its name; its help folder lies beside bin.
root="$ZELMORA_SESSION/info e2e"
export ZELMORA_EXE="$root/bin/zelmora.exe"
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
boxwatch="$ZELMORA_PROBES/boxwatch.exe"
rm -rf "$root"
mkdir -p "$root/bin"
cp "$ZELMORA_DIST/bin/zelmora.exe" "$root/bin/"
help_path="Z:${root//\//\\}\\help\\zelmora.chm"

viewer="$WINEPREFIX/drive_c/windows/hh.exe"
[ -f "$viewer.info-e2e" ] && mv -f "$viewer.info-e2e" "$viewer"  # left over from an interrupted run
override='HKCU\Software\Wine\AppDefaults\zelmora.exe\DllOverrides'
cleanup() {
  [ -f "$viewer.info-e2e" ] && mv -f "$viewer.info-e2e" "$viewer"
  wine reg delete "$override" /f </dev/null >/dev/null 2>&1 || true
  stop_viewers
  [ -n "${ZELMORA_PID:-}" ] && kill "$ZELMORA_PID" 2>/dev/null || true
}
trap cleanup EXIT

# Command lines of the viewers started for this copy, as Wine shows them in /proc
# (split at the blanks into NUL-separated words).
viewer_lines() {
  local file line
  for file in $(grep -lsa 'hh\.exe.*info.e2e' /proc/[0-9]*/cmdline); do
    line=$(tr '\0' ' ' <"$file" 2>/dev/null | sed 's/ *$//') || continue
    file=${file#/proc/}
    echo "${file%/cmdline} $line"
  done
}
wait_viewer() {
  local line
  wait_until 300 eval '[ -n "$(viewer_lines)" ]' || return 0
  line=$(viewer_lines | head -1)
  echo "${line#* }"
}
stop_viewers() {
  local pid
  for pid in $(viewer_lines | cut -d' ' -f1); do kill "$pid" 2>/dev/null || true; done
  wait_until 50 eval '[ -z "$(viewer_lines)" ]' || true
}
# Makes the main window the active one with a click on the heading of the first column,
# left of where the help window opens.
activate() {
  local origin
  origin=$(zelmora_read origin)
  xdotool mousemove "$((${origin% *} + 8))" "$((${origin#* } + 12))" click 1
  sleep 0.3
}
start() {
  zelmora_start "$ZELMORA_SESSION/info-e2e.log"
  activate
}
# Alt+F4, then the exit code; the program is killed if it does not end.
close() {
  activate
  xdotool key alt+F4
  wait_for_exit "$ZELMORA_PID" 300 || { kill "$ZELMORA_PID" 2>/dev/null; echo "zelmora.exe did not end" >&2; }
  local code=0
  wait "$ZELMORA_PID" || code=$?
  ZELMORA_PID=
  return "$code"
}
box() { timeout 60 wine "$boxwatch" "$ZELMORA_SESSION/info-box.txt" 30000 "$@" </dev/null >/dev/null 2>&1 || true; tr -d '\r' <"$ZELMORA_SESSION/info-box.txt"; }
field() { sed -n "s/^$1: //p" <<<"$2" | head -1; }

stop_viewers  # left over from an interrupted run

# No help file yet.
start
zelmora_keys F1
seen=$(box)
expect "missing: caption" "Ошибка вызова справки" "$(field caption "$seen")"
expect "missing: text" "Файл \"$help_path\" не найден" "$(field text "$seen")"
expect "missing: owned" "yes" "$(field owner "$seen")"
expect "missing: icon" "yes" "$(field icon "$seen")"
expect "missing: no viewer" "" "$(viewer_lines)"
close || true

# The help file in place, HTML Help missing for the program.
mkdir -p "$root/help"
cp "$ZELMORA_DIST/help/zelmora.chm" "$root/help/"
wine reg add "$override" /v hhctrl.ocx /d '' /f </dev/null >/dev/null 2>&1
start
zelmora_keys F1
expect "F1 starts the viewer" "C:\\windows\\hh.exe -mapid 10 $help_path" "$(wait_viewer)"
title=$(wait_for_window 'Зельмора 2.0 — справка' 300)
expect "the viewer opens the file with the unquoted path" "yes" "$([ -n "$title" ] && echo yes || echo no)"
zelmora_screenshot "$ZELMORA_SESSION/info-viewer.png"
stop_viewers

activate
zelmora_keys ctrl+F1
seen=$(box 9)
expect "About: caption" "О программе" "$(field caption "$seen")"
expect "About: buttons" "1 ОК|9 Лицензионное соглашение" "$(sed -n 's/^button: //p' <<<"$seen" | paste -sd'|')"
expect "the licence button starts the viewer" "C:\\windows\\hh.exe -mapid 60 $help_path" "$(wait_viewer)"
stop_viewers

# A viewer that cannot start.
mv "$viewer" "$viewer.info-e2e"
activate
zelmora_keys F1
seen=$(box)
mv "$viewer.info-e2e" "$viewer"
expect "no viewer: caption" "Системная ошибка" "$(field caption "$seen")"
expect "no viewer: text" "Просмотр справки невозможен" "$(field text "$seen")"
expect "no viewer: owned" "yes" "$(field owner "$seen")"
expect_status "exit code" 0 close
wine reg delete "$override" /f </dev/null >/dev/null 2>&1 || true

# With HTML Help the program shows the help itself; no viewer program is started.
start
zelmora_keys F1
title=$(wait_for_window 'Зельмора 2.0 — справка' 300)
expect "the engine opens the help window" "yes" "$([ -n "$title" ] && echo yes || echo no)"
expect "no viewer program" "" "$(viewer_lines)"
# The help window opens over the main window: closed first, as a user would.
xdotool windowfocus --sync "$title" 2>/dev/null || true
xdotool key alt+F4
wait_until 100 eval '[ -z "$(xdotool search --name "^Зельмора 2.0 — справка\$" 2>/dev/null)" ]' || true
expect_status "exit code with the help window closed" 0 close

finish

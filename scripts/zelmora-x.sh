# Drives a running zelmora.exe on an X display with real input; sourced by the run
# command's demonstration and by the end-to-end tests. Needs DISPLAY and the Wine
# variables set, ZELMORA_EXE and ZELMORA_PROBE (readtotals.exe).

zelmora_start() {
  wine "$ZELMORA_EXE" </dev/null >"${1:-/dev/null}" 2>&1 &
  ZELMORA_PID=$!
  ZELMORA_XID=
  for _ in $(seq 200); do
    ZELMORA_XID=$(xdotool search --name '^Зельмора$' 2>/dev/null | head -1) && [ -n "$ZELMORA_XID" ] && break
    sleep 0.1
  done
  [ -n "$ZELMORA_XID" ] || { echo "zelmora.exe did not open its window" >&2; return 1; }
  # A fresh Wine desktop is still settling when the window appears: wait for the
  # program's own focus, then give the window the X focus for the keys.
  for _ in $(seq 50); do [ "$(zelmora_read focus)" = 101 ] && break; sleep 0.1; done
  sleep 0.5
  xdotool windowfocus --sync "$ZELMORA_XID" 2>/dev/null || true
}

# Types keys as a user would: xdotool key names, e.g. "0 3 4 5 ctrl+b Down".
zelmora_keys() {
  # shellcheck disable=SC2086
  xdotool key --delay 40 $*
}

# One line of the probe's output: cells, totals, focus, client or origin.
zelmora_read() {
  timeout 30 wine "$ZELMORA_PROBE" 10000 2>/dev/null | tr -d '\r' | sed -n "s/^$1: //p"
}

# The colour of a client pixel, as ImageMagick prints it, e.g. "srgb(255,0,0)".
zelmora_pixel() {
  local shot="$1" x="$2" y="$3" origin
  origin=$(zelmora_read origin)
  /usr/bin/convert "$shot" -format "%[pixel:p{$((${origin% *} + x)),$((${origin#* } + y))}]" info:
}

zelmora_screenshot() {
  /usr/bin/import -window root -display "$DISPLAY" "$1"
}

# Alt+F4, then the program's exit code.
zelmora_close() {
  local code=0
  for _ in $(seq 20); do
    xdotool key alt+F4
    sleep 0.3
    kill -0 "$ZELMORA_PID" 2>/dev/null || break
  done
  wait "$ZELMORA_PID" || code=$?
  return "$code"
}

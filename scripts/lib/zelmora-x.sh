# Drives a running zelmora.exe on an X display with real input; sourced by the run
# command's demonstration and by the end-to-end tests (through tests/e2e/lib.sh). Needs
# DISPLAY and the Wine variables set, ZELMORA_EXE and ZELMORA_PROBE (readtotals.exe).

# wait_until TENTHS COMMAND...: runs COMMAND every tenth of a second until it succeeds, at
# most TENTHS times; fails when it never did.
wait_until() {
  local tries="$1"
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# wait_for_window TITLE-REGEX [TENTHS]: prints the X id of the first window whose whole
# title matches, as soon as there is one; prints nothing when none came in time.
wait_for_window() {
  local id=
  for _ in $(seq "${2:-200}"); do
    id=$(xdotool search --name "^($1)\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

# wait_for_exit PID [TENTHS]: true when the process has ended in time.
wait_for_exit() {
  wait_until "${2:-200}" eval "! kill -0 $1 2>/dev/null"
}

zelmora_start() {
  wine "$ZELMORA_EXE" </dev/null >"${1:-/dev/null}" 2>&1 &
  ZELMORA_PID=$!
  ZELMORA_XID=$(wait_for_window 'Зельмора')
  [ -n "$ZELMORA_XID" ] || { echo "zelmora.exe did not open its window" >&2; return 1; }
  # A fresh Wine desktop is still settling when the window appears: wait for the
  # program's own focus, then give the window the X focus for the keys.
  wait_until 50 eval '[ "$(zelmora_read focus)" = 101 ]' || true
  sleep 0.5
  xdotool windowfocus --sync "$ZELMORA_XID" 2>/dev/null || true
}

# Types keys as a user would: xdotool key names, e.g. "0 3 4 5 ctrl+b Down".
zelmora_keys() {
  # shellcheck disable=SC2086
  xdotool key --delay 40 $*
}

# One line of the probe's output: cells, totals, focus, selection, client or origin; or
# minimise, the screen point of the caption's minimise box (the restore box while minimised);
# or "at X Y", the control a click at that screen point reaches.
# A reading without the focus line, which every reading of a window has, is a start of the
# probe that went wrong (seen once: one reading empty, the next one whole): it is said on
# stderr and made again, three times at most; "no window" is an answer, not retried.
zelmora_read() {
  local name="$1" out status attempt
  [ "$name" = minimise ] || [ "$name" = at ] || set --
  for attempt in 1 2 3; do
    status=0
    out=$(timeout 30 wine "$ZELMORA_PROBE" 10000 "$@" 2>&1 | tr -d '\r') || status=$?
    if grep -q '^focus: \|^no window$' <<<"$out"; then break; fi
    echo "zelmora_read $name: the probe gave no reading (attempt $attempt, status $status): $(head -c 300 <<<"$out")" >&2
    sleep 0.5
  done
  sed -n "s/^$name: //p" <<<"$out"
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

# Alt+F4 until the program has gone, then its exit code.
zelmora_close() {
  local code=0
  for _ in $(seq 20); do
    xdotool key alt+F4
    wait_for_exit "$ZELMORA_PID" 3 && break
  done
  wait "$ZELMORA_PID" || code=$?
  return "$code"
}

#!/usr/bin/env bash
# The shipped zelmora.exe under real X input: the colour menu of a right click, and the
# repeat of a held arrow button, counted from outside with readtotals.exe.
set -euo pipefail
# shellcheck disable=SC1091
. "$ZELMORA_SESSION/env"
exe="$ZELMORA_DIST/bin/zelmora.exe"
probe="$ZELMORA_WIN32/tests/win32/readtotals.exe"
out="$ZELMORA_SESSION/nav"
mkdir -p "$out"

failures=0
expect() {
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
# NAME LOW HIGH VALUE
expect_between() {
  if [ "$4" -ge "$2" ] && [ "$4" -le "$3" ]; then echo "ok: $1: $4"; else echo "FAIL: $1: $4 not in $2..$3"; failures=$((failures + 1)); fi
}

probe_line() {
  timeout 30 wine "$probe" 10000 2>/dev/null | tr -d '\r' | sed -n "s/^$1: //p"
}

wine "$exe" </dev/null >"$out/zelmora.log" 2>&1 &
pid=$!
finish() {
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
}
trap finish EXIT

xid=
for _ in $(seq 200); do
  xid=$(xdotool search --name '^Зельмора$' 2>/dev/null | head -1) && [ -n "$xid" ] && break
  sleep 0.1
done
[ -n "$xid" ] || { echo "FAIL: zelmora.exe did not open its window"; exit 1; }
probe_line focus >/dev/null   # the window is up and answering
# The client area's place inside the frame window and on the screen.
geometry=$(xwininfo -id "$xid")
width=$(sed -n 's/^ *Width: //p' <<<"$geometry")
height=$(sed -n 's/^ *Height: //p' <<<"$geometry")
left=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$geometry")
top=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$geometry")
border=$(((width - 497) / 2))
caption=$((height - 281 - border))
pointer() { xdotool mousemove --window "$xid" $((border + $1)) $((caption + $2)); }
shot() { /usr/bin/import -window root -display "$DISPLAY" "$out/$1.png"; }
# Pixels that differ between two screenshots in a client rectangle X Y W H.
differing() {
  local region="$5x$6+$((left + border + $3))+$((top + caption + $4))"
  /usr/bin/convert "$out/$1.png" -crop "$region" +repage "$out/a.png"
  /usr/bin/convert "$out/$2.png" -crop "$region" +repage "$out/b.png"
  /usr/bin/compare -metric AE "$out/a.png" "$out/b.png" null: 2>&1 || true
}

xdotool windowfocus --sync "$xid" 2>/dev/null || true
# Track 1: 03:00, blue.
xdotool key --delay 40 0 3 0 0 Up ctrl+b
expect "blue track 1" "0000:00 0003:00 0000:00" "$(probe_line totals | cut -d' ' -f1-3)"

# A right click on the seconds of track 1 opens the menu right of its text, over tracks 11..13.
shot before-menu
pointer 89 37
xdotool click 3
sleep 1
shot menu
expect "focus with the menu open" "101" "$(probe_line focus)"
opened=$(differing before-menu menu 102 28 100 50)
[ "$opened" -gt 500 ] && echo "ok: the menu covers tracks 11..13 ($opened pixels)" ||
  { echo "FAIL: no menu right of track 1 ($opened pixels)"; failures=$((failures + 1)); }
xdotool key Escape
sleep 0.5
shot after-menu
expect "Escape closes the menu and nothing reopens it" "0" "$(differing before-menu after-menu 102 28 100 50)"
expect "Escape marks nothing" "0000:00 0003:00 0000:00" "$(probe_line totals | cut -d' ' -f1-3)"

# Choosing red from the menu marks the clicked cell.
pointer 89 37
xdotool click 3
sleep 0.5
xdotool key --delay 60 Down Down Down Return
sleep 0.3
expect "red track 1" "0000:00 0000:00 0003:00" "$(probe_line totals | cut -d' ' -f1-3)"

# A right press on the label of track 12 released over track 13 opens no menu.
shot before-release
pointer 105 59
xdotool mousedown 3
sleep 0.2
pointer 155 82
sleep 0.2
xdotool mouseup 3
sleep 0.7
shot after-release
expect "a release alone opens no menu" "0" "$(differing before-release after-release 100 70 200 80)"
xdotool key Escape
expect "focus stays on track 1" "101" "$(probe_line focus)"

# A click on the up arrow (434,173) moves one cell; holding the down arrow (434,203) repeats.
pointer 444 183
xdotool click 1
sleep 0.7
expect "a click on the up arrow" "140" "$(probe_line focus)"
xdotool key ctrl+Home
pointer 444 213
xdotool mousedown 1
sleep 1.5
xdotool mouseup 1
held=$(probe_line focus)
sleep 0.7
expect "no move after the release" "$held" "$(probe_line focus)"
moves=$((held - 101))
echo "moves in a hold of 1.5 s: $moves (1 at the press, 1 at 500 ms, then one per 50 ms: about 22)"
expect_between "moves in a hold of 1.5 s" 5 39 "$moves"

# Another program taking the activation from a held button stops the repeat: Wine keeps the
# capture across activation and the release goes to the other program, so the program has
# to let go itself or the repeat would run on after the button is up.
xdotool key ctrl+Home
pointer 444 213
xdotool mousedown 1
sleep 0.7
wine notepad </dev/null >"$out/notepad.log" 2>&1 &
notepad=$!
notepad_xid=
for _ in $(seq 100); do
  notepad_xid=$(xdotool search --name 'Блокнот|Notepad' 2>/dev/null | head -1) && [ -n "$notepad_xid" ] && break
  sleep 0.1
done
sleep 0.5
shot notepad
xdotool mouseup 1
xdotool key alt+F4
timeout 20 tail --pid="$notepad" -f /dev/null || kill "$notepad" 2>/dev/null || true
xdotool windowfocus "$xid" 2>/dev/null || true
sleep 0.5
stopped=$(probe_line focus)
sleep 1
expect "no repeat after another program took over" "$stopped" "$(probe_line focus)"
echo "moves until the other program took over: $(((stopped - 101 + 40) % 40)) (modulo 40)"

xdotool key alt+F4
code=0
timeout 20 tail --pid="$pid" -f /dev/null || true
wait "$pid" || code=$?
expect "exit code" "0" "$code"
echo "screenshots: $out"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# The shipped zelmora.exe under real X input: the colour menu of a right click, the repeat of
# a held arrow button, the wheel, a press that closes the colour menu, and a quick second
# click, counted from outside with readtotals.exe.
set -euo pipefail
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
out="$ZELMORA_SESSION/nav"
mkdir -p "$out"

zelmora_start "$out/zelmora.log"
trap 'wait_for_exit "$ZELMORA_PID" 50 || kill "$ZELMORA_PID" 2>/dev/null || true' EXIT
xid=$ZELMORA_XID
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

# Track 1: 03:00, blue.
xdotool key --delay 40 0 3 0 0 Up ctrl+b
expect "blue track 1" "0000:00 0003:00 0000:00" "$(zelmora_read totals | cut -d' ' -f1-3)"

# A right click on the seconds of track 1 opens the menu right of its text, over tracks 11..13.
shot before-menu
pointer 89 37
xdotool click 3
sleep 1
shot menu
expect "focus with the menu open" "101" "$(zelmora_read focus)"
opened=$(differing before-menu menu 102 28 100 50)
expect_that "the menu covers tracks 11..13" '[ "$opened" -gt 500 ]' "$opened pixels"
xdotool key Escape
sleep 0.5
shot after-menu
expect "Escape closes the menu and nothing reopens it" "0" "$(differing before-menu after-menu 102 28 100 50)"
expect "Escape marks nothing" "0000:00 0003:00 0000:00" "$(zelmora_read totals | cut -d' ' -f1-3)"

# Choosing red from the menu marks the clicked cell.
pointer 89 37
xdotool click 3
sleep 0.5
xdotool key --delay 60 Down Down Down Return
sleep 0.3
expect "red track 1" "0000:00 0000:00 0003:00" "$(zelmora_read totals | cut -d' ' -f1-3)"

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
expect "focus stays on track 1" "101" "$(zelmora_read focus)"

# A click on the up arrow (434,173) moves one cell; holding the down arrow (434,203) repeats.
pointer 444 183
xdotool click 1
sleep 0.7
expect "a click on the up arrow" "140" "$(zelmora_read focus)"
xdotool key ctrl+Home
pointer 444 213
xdotool mousedown 1
sleep 1.5
xdotool mouseup 1
held=$(zelmora_read focus)
sleep 0.7
expect "no move after the release" "$held" "$(zelmora_read focus)"
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
wait_for_window '.*(Блокнот|Notepad).*' 100 >/dev/null
sleep 0.5
shot notepad
xdotool mouseup 1
xdotool key alt+F4
timeout 20 tail --pid="$notepad" -f /dev/null || kill "$notepad" 2>/dev/null || true
xdotool windowfocus "$xid" 2>/dev/null || true
sleep 0.5
stopped=$(zelmora_read focus)
sleep 1
expect "no repeat after another program took over" "$stopped" "$(zelmora_read focus)"
echo "moves until the other program took over: $(((stopped - 101 + 40) % 40)) (modulo 40)"

# The wheel moves the focused cell one cell a notch wherever over the window it turns: Wine
# sends it to the window under the pointer, be it another cell, a label, a total or the panel.
xdotool key ctrl+Home Next
expect "focus on track 11" "111" "$(zelmora_read focus)"
cells=$(zelmora_read cells)
turn() {
  pointer "$1" "$2"
  sleep 0.2
  xdotool click --repeat "$3" --delay 150 "$4"
  sleep 0.3
}
turn 160 128 3 5
expect "three notches back over track 15" "114" "$(zelmora_read focus)"
turn 209 60 2 4
expect "two notches forward over the label of track 22" "112" "$(zelmora_read focus)"
turn 444 60 1 5
expect "a notch back over the blue sum" "113" "$(zelmora_read focus)"
turn 444 145 2 5
expect "two notches back over the button panel" "115" "$(zelmora_read focus)"
turn 160 128 3 4
expect "three notches forward over track 15, focused at the first" "112" "$(zelmora_read focus)"
expect "the wheel writes nothing" "$cells" "$(zelmora_read cells)"

# A press beside the open colour menu only closes it, wherever it lands: on the reset button
# (434+30,139), the blue button (434,237), another cell, the menu bar.
xdotool key ctrl+BackSpace
zelmora_keys 0 3 4 5 0 4 3 0 1 0 0 0
sheet="03:45 04:30 10:00"
expect "tracks 1-3 typed" "$sheet 104" "$(zelmora_read cells | cut -d' ' -f1-3) $(zelmora_read focus)"
shot before-closing-press
close_menu_with() {  # what, X, Y: right-click track 3, then a left press at X Y
  pointer 89 83
  sleep 0.3
  xdotool click 3
  sleep 0.7
  pointer "$2" "$3"
  sleep 0.2
  xdotool click 1
  sleep 0.7
  expect "$1: the sheet, the marks and the focus stay" "$sheet 0018:15 0000:00 0000:00 103" \
    "$(zelmora_read cells | cut -d' ' -f1-3) $(zelmora_read totals | cut -d' ' -f1-3) $(zelmora_read focus)"
}
close_menu_with "a press on the reset button" 474 149
shot after-closing-press
expect "the menu has gone" "0" "$(differing before-closing-press after-closing-press 102 28 100 50)"
close_menu_with "a press on the blue button" 444 247
close_menu_with "a press on track 12" 160 60
close_menu_with "a press on the menu bar" 20 -10
xdotool key Escape
expect "track 3 keeps the digit its right click selected" "103 4 5" "$(zelmora_read focus) $(zelmora_read selection)"
zelmora_keys 7
expect "and the next digit goes there" "10:07" "$(zelmora_read cells | cut -d' ' -f3)"

# A quick second click on the digit typing has just left: the digits after it go there, not
# into the cell typing moved on to. The clicks are on the tens of minutes of track 5.
xdotool key ctrl+BackSpace
sleep 0.7
pointer 45 129
sleep 0.7
started=$(date +%s%N)
xdotool click 1 key --delay 15 0 3 4 5 click 1
elapsed=$((($(date +%s%N) - started) / 1000000))
expect_that "the two clicks came within the double-click time" '[ "$elapsed" -lt 450 ]' "$elapsed ms"
zelmora_keys 0 4 0 0
expect "track 5 corrected, track 6 untouched" "04:00 00:00 106" \
  "$(zelmora_read cells | cut -d' ' -f5-6) $(zelmora_read focus)"
# A double click with nothing between its presses keeps the digit the first one selected:
# the units of seconds of track 7.
sleep 0.7
pointer 89 175
sleep 0.3
xdotool click --repeat 2 --delay 80 1
sleep 0.3
expect "a plain double click selects the digit under it" "107 4 5" "$(zelmora_read focus) $(zelmora_read selection)"
zelmora_keys 9
expect "and the next digit goes there" "00:09" "$(zelmora_read cells | cut -d' ' -f7)"

expect_status "exit code" 0 zelmora_close
echo "screenshots: $out"
finish

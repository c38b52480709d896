#!/usr/bin/env bash
# Resting the mouse on the shipped program's totals and buttons, seen on the screen: a
# balloon wrapped narrow over a colour sum, a one-line tip at a button, nothing at a column
# total; and a click on a tip, which goes to the button beneath.
set -euo pipefail
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

zelmora_start "$ZELMORA_SESSION/info-hover.log"
trap '[ -n "${ZELMORA_PID:-}" ] && kill "$ZELMORA_PID" 2>/dev/null || true' EXIT
origin=$(zelmora_read origin)
ox=${origin% *} oy=${origin#* }
shots="$ZELMORA_SESSION/info-hover"

# Rests the pointer on a client point, coming from one pixel to its left, and photographs the screen.
rest() {
  xdotool mousemove "$((ox + $1 - 1))" "$((oy + $2))"
  sleep 0.1
  xdotool mousemove "$((ox + $1))" "$((oy + $2))"
  sleep 1.5
  zelmora_screenshot "$shots-$3.png"
}
# What changed against the screen without a tip, within a client rectangle X Y W H:
# "PIXELS WIDTHxHEIGHT" of the changed pixels' bounding box.
changed() {
  local area="$3x$4+$((ox + $1))+$((oy + $2))" count box
  count=$(/usr/bin/compare -metric AE -extract "$area" "$shots-none.png" "$shots-$5.png" null: 2>&1 || true)
  box=$(/usr/bin/convert "$shots-none.png" "$shots-$5.png" -crop "$area" +repage -compose difference -composite \
        -threshold 0 -trim -format '%wx%h' info: 2>/dev/null || true)
  echo "${count%% *} $box"
}

xdotool mousemove 5 5
sleep 1
zelmora_screenshot "$shots-none.png"

# The white colour sum, 301: a balloon above it, no wider than its 111-pixel text and a frame.
rest 444 37 balloon
read -r pixels box <<<"$(changed 300 -100 300 140 balloon)"
expect_that "a balloon at the colour sum" '[ "$pixels" -gt 1000 ]' "$pixels pixels, $box"
expect_that "wrapped narrow" '[ "${box%x*}" -lt 160 ] && [ "${box#*x}" -gt 40 ]' "$box"

# The right-arrow button, 405: a plain tip on one line.
rest 474 198 button
read -r pixels box <<<"$(changed 400 190 97 91 button)"
expect_that "a tip at the button" '[ "$pixels" -gt 300 ]' "$pixels pixels"
read -r pixels box <<<"$(changed 400 190 400 91 button)"
expect_that "on one line" '[ "${box#*x}" -lt 30 ]' "$box"

# Column total 305: nothing.
xdotool mousemove 5 5
sleep 1
rest 64 267 column
read -r pixels box <<<"$(changed 0 180 400 150 column)"
expect_that "nothing at a column total" '[ "$pixels" -eq 0 ]' "$pixels pixels"

# A click on a tip goes to the control beneath it. After a click on the Down button and a rest,
# its tip lies over the Red and Blue buttons; a jump there and a click marks the cell, and the
# window keeps the activation and the keys. Four times, Red and Blue in turn.
xdotool mousemove 5 5
sleep 0.5
zelmora_keys ctrl+Home
for k in 1 2 3 4; do
  colour=Red left=464 button=409
  [ $((k % 2)) = 0 ] && colour=Blue left=434 button=408
  xdotool mousemove "$((ox + 444))" "$((oy + 213))" click 1
  sleep 1.2
  zelmora_screenshot "$shots-tip-$k.png"
  read -r pixels box <<<"$(changed "$left" 240 21 21 "tip-$k")"
  expect_that "try $k: the Down button's tip lies over $colour" '[ "$pixels" -gt 100 ]' "$pixels pixels"
  expect "try $k: a click there is for $colour, not for the tip" "$button Static" \
    "$(zelmora_read at $((ox + left + 15)) $((oy + 245)))"
  xdotool mousemove "$((ox + left + 15))" "$((oy + 245))" click 1
  sleep 0.3
  zelmora_keys 1 "$k"
  expect "try $k: $colour marked the cell and the keys reached it" "$((101 + k)) 1$k:00" \
    "$(zelmora_read focus) $(zelmora_read cells | cut -d' ' -f$((1 + k)))"
done
expect "red and blue sums" "0000:00 0026:00 0024:00 0050:00" "$(zelmora_read totals | cut -d' ' -f1-4)"

expect_status "exit code" 0 zelmora_close
ZELMORA_PID=
echo "screenshots: $shots-*.png"
finish

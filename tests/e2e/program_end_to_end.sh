#!/usr/bin/env bash
# The shipped zelmora.exe under Wine, driven with real X input and read from outside.
set -euo pipefail
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

zelmora_start "$ZELMORA_SESSION/e2e-program.log"
expect "client area" "497 x 281" "$(zelmora_read client)"
expect "focus at start" "101" "$(zelmora_read focus)"

# 03:45 and 04:30 white, 10:00 blue; then the red mark on track 2, and a digit refused.
zelmora_keys 0 3 4 5 0 4 3 0 1 0 0 0 Up ctrl+b Up ctrl+r 7
expect "cells" "03:45 04:30 10:00" "$(zelmora_read cells | cut -d' ' -f1-3)"
expect "totals" "0003:45 0010:00 0004:30 0018:15 018:15 000:00 000:00 000:00" "$(zelmora_read totals)"
expect "focus after the moves" "102" "$(zelmora_read focus)"

# Typing past track 40 wraps to track 1; BackSpace there zeroes track 40's last digit, Delete it again.
zelmora_keys ctrl+End 5 9 5 9 BackSpace Delete
expect "after the wrap" "03:45 59:50" "$(zelmora_read cells | awk '{print $1, $40}')"
expect "column 4" "059:50" "$(zelmora_read totals | awk '{print $8}')"

# Minimised, the window takes no key into the sheet, though Wine leaves it active with the focus
# in its cell; restored, that cell has its selected digit again and the keys go on there.
zelmora_keys ctrl+Home Right Right Right
expect "before minimising: the last digit of track 1" "101 4 5" "$(zelmora_read focus) $(zelmora_read selection)"
before=$(zelmora_read cells)
read -r x y <<<"$(zelmora_read minimise)"
xdotool mousemove "$x" "$y" click 1
wait_until 50 eval '[ "$(zelmora_read client)" = "0 x 0" ]' || fail "the window did not minimise"
zelmora_keys 9 8 7 Down 6 ctrl+BackSpace
expect "no key reached the sheet while minimised" "$before" "$(zelmora_read cells)"
read -r x y <<<"$(zelmora_read minimise)"
xdotool mousemove "$x" "$y" click 1
wait_until 50 eval '[ "$(zelmora_read client)" = "497 x 281" ]' || fail "the window did not come back"
expect "restored: the same digit selected" "101 4 5" "$(zelmora_read focus) $(zelmora_read selection)"
zelmora_keys 2
expect "restored: typing goes on there" "03:42 102" "$(zelmora_read cells | cut -d' ' -f1) $(zelmora_read focus)"
zelmora_keys 5
expect "totals after the restore" "0063:32 0010:00 0054:30 0128:02 068:12 000:00 000:00 059:50" "$(zelmora_read totals)"

shot="$ZELMORA_SESSION/e2e-program.png"
zelmora_screenshot "$shot"
expect "red cell 2" "srgb(255,0,0)" "$(zelmora_pixel "$shot" 32 51)"
expect "blue cell 3" "srgb(0,0,255)" "$(zelmora_pixel "$shot" 32 74)"
expect "white cell 4" "srgb(255,255,255)" "$(zelmora_pixel "$shot" 32 97)"
expect "grand total navy" "srgb(0,0,128)" "$(zelmora_pixel "$shot" 408 98)"

expect_status "exit code after Alt+F4" 0 zelmora_close
echo "screenshot: $shot"
finish

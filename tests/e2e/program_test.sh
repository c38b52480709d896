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

shot="$ZELMORA_SESSION/e2e-program.png"
zelmora_screenshot "$shot"
expect "red cell 2" "srgb(255,0,0)" "$(zelmora_pixel "$shot" 32 51)"
expect "blue cell 3" "srgb(0,0,255)" "$(zelmora_pixel "$shot" 32 74)"
expect "white cell 4" "srgb(255,255,255)" "$(zelmora_pixel "$shot" 32 97)"
expect "grand total navy" "srgb(0,0,128)" "$(zelmora_pixel "$shot" 408 98)"

code=0
zelmora_close || code=$?
expect "exit code after Alt+F4" "0" "$code"
echo "screenshot: $shot"
finish

#!/usr/bin/env bash
# Follows the help as a new user would, on the shipped program with real X input: the steps
# of "Как начать" (general.htm) and the colour example (colours.htm), then the other ways
# to the colour menu and the wheel. Every figure checked is read from the pages themselves,
# so a page and the program cannot drift apart unnoticed.
set -euo pipefail
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
help="$E2E_HERE/../../help"
declare -A page
while IFS='=' read -r name value; do page[$name]=$value; done \
  < <(python3 "$E2E_HERE/help_figures.py" "$help/general.htm" "$help/colours.htm")
expect_that "the pages give their figures" '[ ${#page[@]} -ge 22 ]' "${#page[@]} found"
out="$ZELMORA_SESSION/walkthrough"
mkdir -p "$out"

zelmora_start "$out/zelmora.log"
trap 'wait_for_exit "$ZELMORA_PID" 50 || kill "$ZELMORA_PID" 2>/dev/null || true' EXIT
read -r ox oy <<<"$(zelmora_read origin)"
cell() { zelmora_read cells | cut -d' ' -f"$1"; }
total() { zelmora_read totals | cut -d' ' -f"$(($1 - 300))-$((${2:-$1} - 300))"; } # FIRST [LAST]
# Track N's cell lies at client x 29, y 23 N + 3 (first column), 70 x 22.
click_track() { # BUTTON TRACK X-IN-CELL
  xdotool mousemove $((ox + 29 + $3)) $((oy + 23 * $2 + 3 + 11)) click "$1"
  sleep 0.3
}
# How many pixels of a colour (#RRGGBB) a client rectangle X Y W H holds in a fresh screenshot.
pixels() {
  zelmora_screenshot "$out/shot.png"
  /usr/bin/convert "$out/shot.png" -crop "$4x$5+$((ox + $2))+$((oy + $3))" +repage -format %c histogram:info: |
    awk -v c="$1" 'toupper($0) ~ toupper(c) { n += $1 } END { print n + 0 }'
}
# Track N's cell shows COLOUR behind text in TEXT-COLOUR: mostly the one, some of the other.
expect_cell_colours() { # WHAT TRACK COLOUR TEXT-COLOUR
  local y=$((23 * $2 + 3)) behind in_text
  behind=$(pixels "$3" 29 "$y" 70 22)
  in_text=$(pixels "$4" 29 "$y" 70 22)
  expect_that "$1" '[ "$behind" -gt 1000 ] && [ "$in_text" -gt 20 ]' "$behind px $3, $in_text px $4"
}

# Как начать, step 1: track 1 is current and its first digit selected.
expect "start: track 1 is current" "101" "$(zelmora_read focus)"
expect "start: its first digit is selected" "0" "$(zelmora_read digit)"
# Step 2: four digits give track 1, and the selection moves to the first digit of track 2.
zelmora_keys "${page[start-keys]}"
expect "start: track 1" "${page[start-track1]}" "$(cell 1)"
expect "start: on to track 2" "102 0" "$(zelmora_read focus) $(zelmora_read digit)"
# Step 3: tracks 2 and 3.
zelmora_keys "${page[start-keys2]}" "${page[start-keys3]}"
expect "start: tracks 2 and 3" "${page[start-track2]} ${page[start-track3]}" "$(cell 2-3)"
# Step 4: the column's sum and the grand total.
expect "start: sum of column 1" "${page[start-column1]}" "$(total 305)"
expect "start: grand total" "${page[start-grand]}" "$(total 304)"

# The colour example goes on from there, with track 4 current.
expect "example: the tracks it starts from" \
  "${page[ex-track1]} ${page[ex-track2]} ${page[ex-track3]}" "$(cell 1-3)"
expect "example: track 4 is current" "104" "$(zelmora_read focus)"
# The marks it starts from, as its table gives them, before step 2 gives one.
declare -A paper=([белая]='#FFFFFF' [синяя]='#0000FF' [красная]='#FF0000')
declare -A ink=([белая]='#000000' [синяя]='#FFFFFF' [красная]='#FFFFFF')
for n in 1 2 3; do
  mark=${page[ex-mark$n]:-?}
  expect_cell_colours "example: track $n starts $mark" "$n" "${paper[$mark]:-no colour}" "${ink[$mark]:-no colour}"
done
# Steps 1 and 2: Up, Ctrl+B.
zelmora_keys Up ctrl+b
expect "example: Ctrl+B marked track 3" "103" "$(zelmora_read focus)"
expect "example: white, blue, red, grand total" \
  "${page[ex-white]} ${page[ex-blue]} ${page[ex-red]} ${page[ex-grand]}" "$(total 301 304)"
expect "example: sum of column 1" "${page[ex-column1]}" "$(total 305)"
expect_cell_colours "example: track 3 white on blue" 3 '#0000FF' '#FFFFFF'
# Step 3: a right click on track 2, then Красный from the menu (the third item).
click_track 3 2 55
expect "example: the right click made track 2 current" "102" "$(zelmora_read focus)"
zelmora_keys Down Down Down Return
sleep 0.3
expect "example: white, blue, red, grand total after the red mark" \
  "${page[ex-white2]} ${page[ex-blue]} ${page[ex-red2]} ${page[ex-grand]}" "$(total 301 304)"
expect "example: sum of column 1 unchanged" "${page[ex-column1]}" "$(total 305)"
expect_cell_colours "example: track 2 white on red" 2 '#FF0000' '#FFFFFF'
# Step 4: Ctrl+Delete, all white again, the times kept.
zelmora_keys ctrl+Delete
expect "example: white sum equals the grand total" "${page[ex-white3]} ${page[ex-grand]}" "$(total 301) $(total 304)"
expect "example: no blue, no red" "0000:00 0000:00" "$(total 302 303)"
expect "example: the times kept" "${page[ex-track1]} ${page[ex-track2]} ${page[ex-track3]}" "$(cell 1-3)"
expect_cell_colours "example: track 2 black on white again" 2 '#FFFFFF' '#000000'

# A click on the left digit of the minutes starts a cell from the beginning.
click_track 1 1 14
expect "a click on the left digit selects it" "101 0" "$(zelmora_read focus) $(zelmora_read digit)"
# Shift+F10 and the context-menu key open the colour menu of the current cell.
zelmora_keys shift+F10
sleep 0.5
zelmora_keys Down Down Return
sleep 0.3
expect "Shift+F10, Синий: track 1 blue" "${page[ex-track1]}" "$(total 302 | sed 's/^00//')"
zelmora_keys Menu
sleep 0.5
zelmora_keys Down Down Down Return
sleep 0.3
expect "the context-menu key, Красный: track 1 red" "0000:00 ${page[ex-track1]}" "$(total 302) $(total 303 | sed 's/^00//')"
# A click beside the colour menu closes it without changes, as the colour page says: here on
# the reset button (client 474, 149), which would clear the sheet if the click went on.
promise="$(tr -s '[:space:]' ' ' <"$help/colours.htm" | grep -o 'щелчок мимо меню закрывает его без изменений' || true)"
expect_that "the colour page says so" '[ -n "$promise" ]'
before="$(zelmora_read cells) $(zelmora_read totals)"
click_track 3 2 55
xdotool mousemove $((ox + 474)) $((oy + 149)) click 1
sleep 0.5
expect "a click beside the menu changes nothing" "$before 102" \
  "$(zelmora_read cells) $(zelmora_read totals) $(zelmora_read focus)"
# The wheel away from you goes up to the previous cell, towards you down to the next.
click_track 1 5 14
xdotool click 4
sleep 0.3
expect "the wheel away from you" "104" "$(zelmora_read focus)"
xdotool click 5 click 5
sleep 0.3
expect "the wheel towards you" "106" "$(zelmora_read focus)"

expect_status "exit code" 0 zelmora_close
finish

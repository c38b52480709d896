#!/usr/bin/env bash
# Makes the help's pictures and the README's screenshot from the real program: starts the
# built zelmora.exe under Wine on a virtual display of its own, types the example sheet of
# the help (the first steps of "Как начать" and the colour example), captures the screen,
# crops it and adds the call-outs with ImageMagick. Writes
#   help/window.gif       the whole window, its five areas numbered as in general.htm
#   help/buttons.gif      the button panel at twice the size, its buttons numbered as in buttons.htm
#   help/colour-menu.gif  the colour menu opened with a right click on track 2 (colours.htm),
#                         without call-outs
#   docs/screenshot.png   the window for the README
# GIF, since the help viewer of the oldest systems shows GIF and JPEG reliably.
#   tools/screenshots/make.sh [BUILD_DIR]
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$top/build}" && pwd)"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$font" ] || { echo "$font missing (package fonts-dejavu-core)" >&2; exit 1; }

session="$build/pictures-session"
# shellcheck source=../../scripts/lib/virtual-session.sh
. "$top/scripts/lib/virtual-session.sh" "$session" wineprefix-pictures "$build"
work="$session/pictures"
rm -rf "$work"
mkdir -p "$work"

# Call-outs: an orange ring with a white number; a frame around an area; a leader line.
orange='#ff7000'
quoted="'$orange'" # the options below are read again by eval, where a bare # starts a comment
badge() { # X Y NUMBER: the draw options of a badge centred at X,Y
  echo "-fill $quoted -stroke white -strokewidth 1 -draw 'circle $1,$2 $(($1 + 9)),$2'" \
    "-fill white -stroke none -font $font -pointsize 12 -gravity NorthWest" \
    "-draw \"text $(($1 - ${#3} * 4)),$(($2 - 8)) '$3'\""
}
frame() { # LEFT TOP RIGHT BOTTOM
  echo "-fill none -stroke $quoted -strokewidth 2 -draw 'rectangle $1,$2 $3,$4'"
}
line() { # X1 Y1 X2 Y2
  echo "-fill none -stroke $quoted -strokewidth 2 -draw 'line $1,$2 $3,$4'"
}
to_gif() { # SOURCE TARGET: the window's few colours, no dithering
  /usr/bin/convert "$1" +dither -colors 128 "$2"
}

zelmora_start "$work/zelmora.log"
# The sheet of the help's example: tracks 1 to 3, track 3 marked blue.
zelmora_keys 0 3 4 5 0 4 3 0 1 0 0 0 Up ctrl+b
sleep 0.5
xdotool mousemove 0 0
expect_totals="0008:15 0010:00 0000:00 0018:15"
[ "$(zelmora_read totals | cut -d' ' -f1-4)" = "$expect_totals" ] || { echo "the sheet is not the example's" >&2; exit 1; }

# The window on the screen: its frame, and the client area inside it.
geometry=$(xwininfo -id "$ZELMORA_XID")
width=$(sed -n 's/^ *Width: //p' <<<"$geometry")
height=$(sed -n 's/^ *Height: //p' <<<"$geometry")
left=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$geometry")
top_y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$geometry")
read -r cx cy <<<"$(zelmora_read origin)"
bx=$((cx - left)) by=$((cy - top_y)) # the client's corner inside the frame
zelmora_screenshot "$work/screen.png"
/usr/bin/convert "$work/screen.png" -crop "${width}x${height}+${left}+${top_y}" +repage "$work/window.png"

# The whole window with margins for the numbers: 1 menus, 2 sheet, 3 column sums, 4 totals,
# 5 button panel (client coordinates of the areas, shifted by the margin and the frame).
m=30
x() { echo $((m + bx + $1)); }
y() { echo $((by + $1)); }
ring_left=$((m / 2)) ring_right=$((m + width + m / 2))
callouts="$(frame "$(x 1)" "$(y -19)" "$(x 172)" "$(y -2)") $(line "$ring_left" "$(y -10)" "$(x 1)" "$(y -10)") $(badge "$ring_left" "$(y -10)" 1)"
callouts+=" $(frame "$(x 1)" "$(y 1)" "$(x 392)" "$(y 251)") $(line "$ring_left" "$(y 130)" "$(x 1)" "$(y 130)") $(badge "$ring_left" "$(y 130)" 2)"
callouts+=" $(frame "$(x 1)" "$(y 254)" "$(x 392)" "$(y 279)") $(line "$ring_left" "$(y 267)" "$(x 1)" "$(y 267)") $(badge "$ring_left" "$(y 267)" 3)"
callouts+=" $(frame "$(x 394)" "$(y 1)" "$(x 494)" "$(y 128)") $(line "$(x 494)" "$(y 64)" "$ring_right" "$(y 64)") $(badge "$ring_right" "$(y 64)" 4)"
callouts+=" $(frame "$(x 394)" "$(y 131)" "$(x 494)" "$(y 279)") $(line "$(x 494)" "$(y 205)" "$ring_right" "$(y 205)") $(badge "$ring_right" "$(y 205)" 5)"
eval /usr/bin/convert "$work/window.png" -bordercolor white -border "${m}x0" "$callouts" "$work/window-callouts.png"
to_gif "$work/window-callouts.png" "$top/help/window.gif"

# The button panel (394,130, 100 x 148) at twice the size, each button numbered at its
# top-left corner, in the order of the table in buttons.htm.
p=14
/usr/bin/convert "$work/screen.png" -crop "100x148+$((cx + 394))+$((cy + 130))" +repage \
  -filter point -resize 200% -bordercolor white -border "$p" "$work/buttons.png"
callouts=
n=1
for corner in 10,12 70,12 40,43 10,58 70,58 40,73 10,110 40,110 70,110; do
  callouts+=" $(badge $((p + 2 * ${corner%,*})) $((p + 2 * ${corner#*,})) $n)"
  n=$((n + 1))
done
eval /usr/bin/convert "$work/buttons.png" "$callouts" "$work/buttons-callouts.png"
to_gif "$work/buttons-callouts.png" "$top/help/buttons.gif"

# The colour menu: a right click on the seconds of track 2 (cell 102 at 29,49), as in
# step 3 of the colour example; the menu opens right of the cell's text. The screen as it
# is, with nothing drawn over it: the menu itself shows which cell it belongs to, and a
# frame the program never draws would only mislead.
xdotool mousemove $((cx + 29 + 55)) $((cy + 49 + 11)) click 3
sleep 1
zelmora_screenshot "$work/menu-screen.png"
xdotool mousemove 0 0 key Escape
/usr/bin/convert "$work/menu-screen.png" -crop "300x120+$cx+$cy" +repage "$work/menu.png"
to_gif "$work/menu.png" "$top/help/colour-menu.gif"

# The README's window: the example, and 59:59 marked red in track 12, the same row of the
# next column as track 2, which the right click made the current cell.
zelmora_keys Next 5 9 5 9 Up ctrl+r
sleep 0.5
zelmora_screenshot "$work/readme-screen.png"
/usr/bin/convert "$work/readme-screen.png" -crop "${width}x${height}+${left}+${top_y}" +repage "$top/docs/screenshot.png"
zelmora_close || true

for f in help/window.gif help/buttons.gif help/colour-menu.gif docs/screenshot.png; do
  echo "$f: $(/usr/bin/identify -format '%w x %h' "$top/$f"[0]), $(stat -c %s "$top/$f") bytes"
done

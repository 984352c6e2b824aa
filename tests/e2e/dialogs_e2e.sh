#!/usr/bin/env bash
# What a user meets around the dialogs, under a private X server with openbox: an error about a file named
# on the command line stands above the editor and its splash at once; after a file dialog, a message box or
# the colour dialog is confirmed with Enter, the very next click paints; typing right after a Text press
# goes into the text; Image > Font confirmed unchanged draws the same glyphs.
source "$(dirname "$0")/e2e_lib.sh"
cell() { echo $((262 + 4 * $1 + 1)) $((54 + 4 * $2 + 1)); }  # plane pixel -> client position in the view
paints_on_first_click() {  # what, plane x, y: one pencil click must paint the cell black
  xdotool mousemove $((cx + $(cell "$2" "$3" | cut -d' ' -f1))) $((cy + $(cell "$2" "$3" | cut -d' ' -f2))) click 1
  expect_soon "first click after $1 paints" $(cell "$2" "$3") "0,0,0"
}

start_x
printf 'not a picture' >"$work/broken.tga"
start_editor "$1" "$work/broken.tga"
retry 50 above "Error Message" "Corvanth Logo Editor" || { echo "FAIL: error box not above the editor"; stacking; exit 1; }
echo "ok: the error at start stands above the editor"
xdotool key Return
retry 20 eval '! xdotool search --onlyvisible --name "^Error Message$" >/dev/null' || { echo "FAIL: error box still shown"; exit 1; }
retry 20 splash_shown || { echo "FAIL: splash gone with the error box"; exit 1; }
close_intro Escape

# File > Open by name and Enter, with the name's list of completions up.
python3 - "$work/red.tga" <<'PY'
import sys
open(sys.argv[1], "wb").write(bytes([0, 0, 2] + [0] * 9 + [64, 0, 64, 0, 32, 8]) + bytes([0, 0, 255, 255]) * 4096)
PY
xdotool key --clearmodifiers ctrl+o
dialog=$(visible_window '^Open') || { echo "FAIL: no Open dialog"; exit 1; }
retry 20 above "$(xdotool getwindowname "$dialog")" "Corvanth Logo Editor" || { echo "FAIL: Open dialog below the editor"; exit 1; }
xdotool type --delay 30 "$work/red"
sleep 0.5
xdotool type --delay 30 ".tga"
sleep 0.5
xdotool key Return
expect_soon "red file opened" $(cell 30 30) "255,0,0"
paints_on_first_click "Open" 30 30

keys alt+h Up Up Return  # Contact info
visible_window '^Contact info$' >/dev/null || { echo "FAIL: no Contact info box"; exit 1; }
xdotool key Return
paints_on_first_click "a message box" 32 30

xdotool mousemove $((cx + 56 + 30)) $((cy + 200 + 16)) click --repeat 2 --delay 80 1  # the primary swatch
visible_window 'Colou?r' >/dev/null || { echo "FAIL: no colour dialog"; exit 1; }
sleep 0.5
xdotool key Return
paints_on_first_click "the colour dialog" 34 30

# Text: a press, then typing at once.
click_client $((30 + 130)) $((30 + 10))
click_client $(cell 2 2)
xdotool type --delay 50 "HI"
xdotool key Return
expect_soon "text box hidden after Enter" $((53 + 20)) $((176 + 8)) "0,0,0"
ink=$(dark_in $((262 + 8)) $((54 + 8)) 60 44)
[ "$ink" -ge 10 ] || { echo "FAIL: typing after a text press drew nothing ($ink%)"; exit 1; }
echo "ok: typing right after a text press draws the text"
convert "$work/screen.png" -crop "60x44+$((cx + 262 + 8))+$((cy + 54 + 8))" +repage "$work/text_before.png"

keys alt+i o
visible_window '^Select Font$' >/dev/null || { echo "FAIL: no font dialog"; exit 1; }
sleep 0.5
xdotool key Return
sleep 0.5
click_client $(cell 2 32)
xdotool type --delay 50 "HI"
xdotool key Return
expect_soon "second text entered" $((53 + 20)) $((176 + 8)) "0,0,0"
convert "$work/screen.png" -crop "60x44+$((cx + 262 + 8))+$((cy + 54 + 128))" +repage "$work/text_after.png"
diff=$(compare -metric AE "$work/text_before.png" "$work/text_after.png" null: 2>&1 || true)
[ "$diff" = 0 ] || { echo "FAIL: the font confirmed unchanged draws $diff pixels otherwise"; exit 1; }
echo "ok: the font confirmed unchanged draws the same glyphs"
alive
echo "e2e: all checks passed"

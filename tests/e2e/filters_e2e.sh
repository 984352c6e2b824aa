#!/usr/bin/env bash
# Paints one black dot with the pencil, blurs it at 10% through the Filter menu and checks the view's
# numbers; turns the image a quarter clockwise and checks where the dot went; opens Help > Contents and
# checks that the help window shows. SCREENSHOT=path keeps the last screen, cut to the main window.
source "$(dirname "$0")/e2e_lib.sh"
start_x
start_editor "$1"
close_intro

cell() { echo $((262 + 4 * $1 + 1)) $((54 + 4 * $2 + 1)); }  # plane pixel -> client position in the view
click_client $(cell 20 20)
shot
expect "dot painted" $(cell 20 20) "0,0,0"

# 255 * (1440 - 1000) / 1440 at the dot, 255 * (1440 - 100) / 1440 beside it, 255 * (1440 - 10) / 1440
# on its diagonal, all rounded down.
keys alt+t b 1
shot
expect "blurred dot" $(cell 20 20) "77,77,77"
expect "side neighbour" $(cell 21 20) "237,237,237"
expect "diagonal neighbour" $(cell 19 21) "253,253,253"
expect "blurred dot in the RGB preview" $((571 + 20)) $((29 + 20)) "77,77,77"

# Edit > Rotate > 90°: pixel (20, 20) moves to (63 - 20, 20).
keys alt+e Down Right Return
shot
expect "dot after the turn" $(cell 43 20) "77,77,77"
expect "where the dot was" $(cell 20 20) "255,255,255"
expect "neighbour turned with it" $(cell 43 21) "237,237,237"

keys alt+h c
help=$(visible_window '^Corvanth Logo Editor Help$') || { echo "FAIL: no help window"; exit 1; }
sleep 0.5
echo "ok: help window shown"
shot
read -r hx hy hw hh < <(geometry "$help")
[ "$hw" -ge 300 ] && [ "$hh" -ge 300 ] || { echo "FAIL: help window is ${hw}x$hh"; exit 1; }
# Dark text and pictures on a light page: the window holds both.
colours=$(convert "$work/screen.png" -crop "${hw}x${hh}+${hx}+${hy}" +repage -colorspace Gray -threshold 50% \
  -format "%[fx:mean]" info:)
awk -v m="$colours" 'BEGIN { exit !(m > 0.5 && m < 0.995) }' || { echo "FAIL: help window is blank ($colours)"; exit 1; }
echo "ok: help window shows a page with text"
alive
keep_screenshot
echo "e2e: all checks passed"

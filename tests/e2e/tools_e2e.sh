#!/usr/bin/env bash
# Under a private X server: a filled rectangle, a block of it selected and moved down, a typed text;
# each checked on the screen's pixels of the view and the RGB preview.
source "$(dirname "$0")/e2e_lib.sh"
start_x
start_editor "$1"
close_intro

drag_view() {  # from x, y to x, y in view pixels
  xdotool mousemove $((cx + 262 + $1)) $((cy + 54 + $2)) mousedown 1
  for i in 1 2 3 4; do
    xdotool mousemove $((cx + 262 + $1 + ($3 - $1) * i / 4)) $((cy + 54 + $2 + ($4 - $2) * i / 4))
  done
  xdotool mouseup 1
  sleep 0.3
}
preview() { echo $((571 + $1)) $((29 + $2)); }  # plane pixel -> client pixel of the RGB preview
# Rectangle, "Filled", a drag from plane pixel (10, 10) to (30, 20).
click_client $((30 + 80)) $((30 + 10))
click_client $((53 + 6)) $((176 + 8))
drag_view 41 41 121 81
expect_soon "filled rectangle in the view" $((262 + 60)) $((54 + 60)) "0,0,0"
expect_soon "filled rectangle in the preview" $(preview 29 19) "0,0,0"
expect "right column left out" $(preview 30 15) "255,255,255"

# Select plane pixels (10, 10) to (19, 19) and move them 25 rows down.
click_client $((30 + 80)) $((30 + 30))
drag_view 41 41 77 77
click_client $((30 + 100)) $((30 + 30))
drag_view 61 61 61 161
expect_soon "block in its new place" $(preview 15 40) "0,0,0"
expect_soon "hole where the block was" $(preview 15 15) "255,255,255"
expect "rest of the rectangle kept" $(preview 25 15) "0,0,0"
expect "below the block" $(preview 15 45) "255,255,255"

# Text at plane pixel (40, 50): click into the box, type, Enter.
click_client $((30 + 130)) $((30 + 10))
click_client $((262 + 161)) $((54 + 201))
expect_soon "text box shown" $((53 + 20)) $((176 + 8)) "255,255,255"
click_client $((53 + 20)) $((176 + 8))
xdotool type --delay 50 "HI"
xdotool key Return
expect_soon "text box hidden after Enter" $((53 + 20)) $((176 + 8)) "0,0,0"
ink=$(dark_in $((571 + 40)) $((29 + 50)) 20 11)
[ "$ink" -ge 10 ] && [ "$ink" -le 70 ] || { echo "FAIL: text in the preview covers $ink%"; exit 1; }
echo "ok: text in the preview"
ink=$(dark_in $((262 + 160)) $((54 + 200)) 80 44)
[ "$ink" -ge 10 ] || { echo "FAIL: text in the view covers $ink%"; exit 1; }
echo "ok: text in the view"
alive
keep_screenshot
echo "e2e: all checks passed"

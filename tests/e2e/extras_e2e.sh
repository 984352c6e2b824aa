#!/usr/bin/env bash
# Starts the editor with a TGA file named on the command line and checks what is added around the view:
# the composite preview over its backdrops, the marker of the active plane, and the readout below the
# view while the pointer is over it. Then, at QT_SCALE_FACTOR=2, a click on the last device pixel of a
# view cell paints that cell and not the next, and the window opens with its title bar on the screen.
# SCREENSHOT=path keeps the scaled window.
source "$(dirname "$0")/e2e_lib.sh"
# Left half opaque red, right half blue at alpha 128, the bottom 16 rows transparent.
python3 - "$work/logo.tga" <<'PY'
import sys
px = bytearray()
for j in range(64):
    for x in range(64):
        y = 63 - j
        px += bytes([0, 0, 255, 255] if x < 32 else [255, 0, 0, 128])
        if y >= 48: px[-1] = 0
open(sys.argv[1], "wb").write(bytes([0, 0, 2] + [0] * 9 + [64, 0, 64, 0, 32, 0]) + px)
PY
start_x
start_editor "$1" "$work/logo.tga"
close_intro

# The preview of 64 by 64 at (571, 236): red, and blue over the light checker square: (0*128 + 200*127) / 255.
shot
expect "file loaded into the view" $((262 + 10)) $((54 + 10)) "255,0,0"
expect "composite: opaque red" $((571 + 5)) $((236 + 5)) "255,0,0"
expect "composite: blue at 128 over light grey" $((571 + 33)) $((236 + 1)) "100,100,228"
expect "composite: transparent shows the checkerboard" $((571 + 1)) $((236 + 60)) "152,152,152"
click_client $((571 + 20)) $((236 + 20))
shot
expect "composite over black after a click" $((571 + 33)) $((236 + 1)) "0,0,128"

# The readout band below the view: text while the pointer is over the view, a new text for another pixel.
band() { convert "$work/screen.png" -crop 281x20+$((cx + 256))+$((cy + 322)) +repage -format %# info:; }
lit() { convert "$work/screen.png" -crop 281x20+$((cx + 256))+$((cy + 322)) +repage -fill black +opaque "rgb(216,216,216)" -format "%[fx:int(mean*w*h*3+0.5)]" info:; }
xdotool mousemove $((cx + 262 + 41 * 4 + 1)) $((cy + 54 + 10 * 4 + 1))
sleep 0.3
shot
[ "$(lit)" -gt 50 ] || { echo "FAIL: no readout under the pointer"; exit 1; }
echo "ok: readout shown"
first=$(band)
xdotool mousemove $((cx + 262 + 5 * 4)) $((cy + 54 + 5 * 4))
sleep 0.3
shot
[ "$(band)" != "$first" ] || { echo "FAIL: readout did not follow the pointer"; exit 1; }
echo "ok: readout follows the pointer"
xdotool mousemove $((cx + 650)) $((cy + 340))
sleep 0.3
shot
[ "$(lit)" -eq 0 ] || { echo "FAIL: readout left behind"; exit 1; }
echo "ok: readout empty with the pointer off the view"

# The alpha preview marked after a click on it: its well's ring turns accent.
expect "RGB preview marked" $((571 - 2)) $((29 + 10)) "58,180,196"
click_client $((571 + 10)) $((146 + 10))
shot
expect "alpha preview marked" $((571 - 2)) $((146 + 10)) "58,180,196"
expect "RGB preview unmarked" $((571 - 2)) $((29 + 10)) "!58,180,196"
alive
kill "$app_pid"

# Scale 2: the window is 1400 device pixels wide; move it to the left edge so the view is on screen.
QT_SCALE_FACTOR=2 start_editor "$1"
close_intro
# Wider than the screen, it still opens with its title bar and left edge on it.
read -r left _ top _ < <(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
[ $((X - left)) -ge 0 ] && [ $((Y - top)) -ge 0 ] || { echo "FAIL: scale 2: the frame starts at $((X - left)), $((Y - top))"; exit 1; }
echo "ok: scale 2: title bar on the screen"
xdotool windowmove --sync "$main" 0 0 2>/dev/null || true
sleep 0.5
read -r X Y WIDTH HEIGHT < <(geometry "$main")
vx=$((X + 262 * 2)) vy=$((Y + HEIGHT - 353 * 2 + 54 * 2))
# Cell (5, 5) covers device pixels 40..47 of the view; press its last one with the pencil.
xdotool mousemove $((vx + 47)) $((vy + 47)) click 1
sleep 0.5
shot
cx=0 cy=0
expect "scale 2: the cell under the pointer painted" $((vx + 40)) $((vy + 40)) "0,0,0"
expect "scale 2: its last device pixel painted" $((vx + 47)) $((vy + 47)) "0,0,0"
expect "scale 2: the next cell untouched" $((vx + 48)) $((vy + 48)) "255,255,255"
expect "scale 2: the cell before untouched" $((vx + 39)) $((vy + 39)) "255,255,255"
alive
keep_screenshot
echo "e2e: all checks passed"

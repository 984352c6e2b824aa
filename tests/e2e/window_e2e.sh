#!/usr/bin/env bash
# Starts the editor under a private X server, closes the intro window, turns the grid on with Ctrl+G,
# paints a brush stroke with the mouse and checks the screen's pixels in the view and the RGB preview.
# SCREENSHOT=path keeps the last screen, cut to the window.
source "$(dirname "$0")/e2e_lib.sh"
start_x
start_editor "$1"
close_intro
# The window manager offers no maximising of the fixed-size window (openbox draws the button disabled
# unless its theme hides disabled buttons).
actions=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
case $actions in *MINIMIZE*) ;; *) echo "FAIL: no minimising: $actions"; exit 1 ;; esac
case $actions in *MAXIMIZE*) echo "FAIL: maximising offered: $actions"; exit 1 ;; esac
echo "ok: minimise offered, maximise not"

shot
expect "white view" $((262 + 3)) $((54 + 20)) "255,255,255"
expect "white RGB preview" $((571 + 10)) $((29 + 10)) "255,255,255"

xdotool key --clearmodifiers ctrl+g
sleep 0.5
shot
expect "grid line" $((262 + 3)) $((54 + 20)) "0,0,0"
expect "grid row" $((262 + 20)) $((54 + 7)) "0,0,0"
expect "cell inside the grid" $((262 + 1)) $((54 + 1)) "255,255,255"

# The brush is the second button of the palette's top row; then a stroke across the view.
click_client $((30 + 36)) $((30 + 11))
stroke_view 101 40 200
shot
# A busy machine may merge mouse moves, leaving gaps in the stroke: check where it ends, which the last
# move always reaches.
expect "stroke in the view" $((262 + 201)) $((54 + 101)) "!255,255,255"
expect "grid kept beside the stroke" $((262 + 203)) $((54 + 101)) "0,0,0"
expect "stroke in the RGB preview" $((571 + 50)) $((29 + 25)) "!255,255,255"
expect "untouched view below" $((262 + 101)) $((54 + 201)) "255,255,255"
alive
keep_screenshot
echo "e2e: all checks passed"

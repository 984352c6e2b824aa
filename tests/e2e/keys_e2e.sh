#!/usr/bin/env bash
# The splash over the middle of the main window reaches the screen, without a window manager and with one,
# and closes from the keyboard. No box has the keyboard at start: a digit typed then goes nowhere. A digit
# typed into the R box after a click into it colours a pencil stroke, and Ctrl+Z after the stroke undoes it
# while the box keeps its digit. The splash of Help > About closes with Escape too.
source "$(dirname "$0")/e2e_lib.sh"

start_x --no-wm
start_editor "$1"
retry 20 splash_shown || { echo "FAIL: no splash without a window manager"; exit 1; }
echo "ok: splash on screen without a window manager"
close_intro Escape

start_x
start_editor "$1"
retry 20 splash_shown || { echo "FAIL: no splash under openbox"; exit 1; }
echo "ok: splash on screen under openbox"
close_intro Return

xdotool type --delay 50 5  # nowhere: no box has the keyboard
sleep 0.3
shot
expect "a digit typed at start changes no colour" $((56 + 25)) $((200 + 12)) "0,0,0"
click_client $((72 + 12)) $((240 + 8))  # into the R box
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 7  # replaces the selected 0
sleep 0.3
stroke_view 40 40 120
shot
expect "stroke in R 7" $((262 + 80)) $((54 + 40)) "7,0,0"
expect "primary swatch R 7" $((56 + 25)) $((200 + 12)) "7,0,0"

xdotool key --clearmodifiers ctrl+z
sleep 0.5
shot
expect "stroke undone by Ctrl+Z" $((262 + 80)) $((54 + 40)) "255,255,255"
expect "R box kept its digit" $((56 + 25)) $((200 + 12)) "7,0,0"

keys alt+h Up Return  # Help > About
retry 20 splash_shown || { echo "FAIL: no splash after Help > About"; exit 1; }
close_intro Escape
alive
echo "e2e: all checks passed"

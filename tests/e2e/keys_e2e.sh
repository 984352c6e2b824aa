#!/usr/bin/env bash
# The intro window's splash reaches the screen, without a window manager and with one: a capture of the whole
# screen shows inside the intro window what the window itself holds. Then, in a fresh session where the R box
# has the keyboard focus, a digit typed there colours a pencil stroke, and Ctrl+Z undoes the stroke while the
# box keeps its digit.
source "$(dirname "$0")/e2e_lib.sh"

splash_on_screen() {  # what
  local ix iy diff
  read -r ix iy _ _ < <(geometry "$intro")
  shot
  xwd -id "$intro" -silent | convert xwd:- "$work/intro.png"
  convert "$work/screen.png" -crop "381x232+$ix+$iy" +repage "$work/intro_on_screen.png"
  diff=$(compare -metric AE "$work/intro.png" "$work/intro_on_screen.png" null: 2>&1 || true)
  [ "$diff" = 0 ] || { echo "FAIL: $1: $diff pixels of the splash missing on screen"; exit 1; }
  echo "ok: $1"
}

start_x --no-wm
start_editor "$1"
splash_on_screen "splash on screen without a window manager"

start_x
start_editor "$1"
splash_on_screen "splash on screen under openbox"
close_intro

xdotool type --delay 50 7  # into the R box, which has the focus
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
alive
echo "e2e: all checks passed"

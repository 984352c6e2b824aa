#!/usr/bin/env bash
# Starts the editor under a private X server, closes the intro window, turns the grid on with Ctrl+G,
# paints a brush stroke with the mouse and checks the screen's pixels in the view and the RGB preview.
# SCREENSHOT=path keeps the last screen, cut to the window.
set -euo pipefail
app=$1
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

n=120
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY=:$n
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
sleep 0.5
unset QT_QPA_PLATFORM
"$app" >/dev/null 2>&1 & pids+=($!)
app_pid=$!

visible_window() {  # title pattern -> window id, waiting up to ten seconds
  for _ in $(seq 100); do
    local w; w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
    [ -n "$w" ] && { echo "${w%%$'\n'*}"; return 0; }
    sleep 0.1
  done
  return 1
}
main=$(visible_window '^Corvanth Logo Editor$') || { echo "FAIL: no main window"; exit 1; }
intro=$(visible_window '^frmIntro$') || { echo "FAIL: no intro window at start"; exit 1; }
sleep 0.5

# The client area is the bottom 353 rows of the window below its menu bar.
info=$(xwininfo -id "$main")
X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
WIDTH=$(awk '/Width:/ {print $2}' <<<"$info")
HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
cx=$X
cy=$((Y + HEIGHT - 353))

shot() { xwd -root -silent | convert xwd:- "$work/screen.png"; }
pixel() {  # client x, y -> "r,g,b"
  convert "$work/screen.png" -format "%[fx:int(255*p{$(($cx + $1)),$(($cy + $2))}.r)],%[fx:int(255*p{$(($cx + $1)),$(($cy + $2))}.g)],%[fx:int(255*p{$(($cx + $1)),$(($cy + $2))}.b)]" info:
}
expect() {  # what, client x, y, wanted or !unwanted
  local got; got=$(pixel "$2" "$3")
  if [ "${4#!}" != "$4" ]; then
    [ "$got" != "${4#!}" ] || { echo "FAIL: $1 at ($2,$3) is $got"; exit 1; }
  else
    [ "$got" = "$4" ] || { echo "FAIL: $1 at ($2,$3) is $got, want $4"; exit 1; }
  fi
  echo "ok: $1"
}

# A click closes the intro window.
xdotool mousemove --window "$intro" 100 100 click 1
sleep 0.5
if xdotool search --onlyvisible --name '^frmIntro$' >/dev/null 2>&1; then echo "FAIL: intro window still shown"; exit 1; fi
echo "ok: intro window closed by a click"

xdotool windowactivate --sync "$main" 2>/dev/null || true
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
xdotool mousemove $((cx + 30 + 36)) $((cy + 30 + 11)) click 1
sleep 0.2
xdotool mousemove $((cx + 262 + 40)) $((cy + 54 + 101)) mousedown 1
for x in $(seq 44 4 200); do xdotool mousemove $((cx + 262 + x)) $((cy + 54 + 101)); done
xdotool mouseup 1
sleep 0.5
shot
expect "stroke in the view" $((262 + 101)) $((54 + 101)) "!255,255,255"
expect "grid kept beside the stroke" $((262 + 103)) $((54 + 101)) "0,0,0"
expect "stroke in the RGB preview" $((571 + 25)) $((29 + 25)) "!255,255,255"
expect "untouched view below" $((262 + 101)) $((54 + 201)) "255,255,255"
kill -0 "$app_pid" || { echo "FAIL: the editor ended"; exit 1; }

if [ -n "${SCREENSHOT:-}" ]; then
  convert "$work/screen.png" -crop "${WIDTH}x$((HEIGHT + 24))+${X}+$((Y - 24))" +repage "$SCREENSHOT"
fi
echo "e2e: all checks passed"

#!/usr/bin/env bash
# Shared steps of the window tests: a private X server with a window manager, the editor in it,
# and pixel checks on screenshots. Source it, then call start_editor APP [ARGS...].
set -euo pipefail
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

start_x() {  # [--no-wm]
  # A free display picked at random, so window tests can run side by side; ours must be alive and
  # answering. No reset: the server would otherwise restart when our probe disconnects, and refuse a
  # client that connects in the middle of it.
  local n xvfb
  for _ in $(seq 20); do
    n=$((100 + RANDOM % 900))
    { [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; } && continue
    Xvfb :$n -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:$n
    for _ in $(seq 100); do
      xdpyinfo >/dev/null 2>&1 && break
      kill -0 "$xvfb" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$xvfb" 2>/dev/null && xdpyinfo >/dev/null 2>&1; then pids+=("$xvfb"); break; fi
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  done
  if [ "${1:-}" != --no-wm ]; then
    openbox >/dev/null 2>&1 & pids+=($!)
    sleep 0.5
  fi
  unset QT_QPA_PLATFORM
  # No desktop around the tests, so Qt's own dialogs, which they drive; a test of the desktop's dialogs
  # names its theme.
  unset QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP
}

visible_window() {  # title pattern -> window id, waiting up to thirty seconds (a sanitizer build under load starts slowly)
  for _ in $(seq 300); do
    local w; w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
    [ -n "$w" ] && { echo "${w%%$'\n'*}"; return 0; }
    sleep 0.1
  done
  return 1
}

geometry() {  # window id -> "x y width height", x and y on the screen
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}

# Where the main window is: sets X, Y, WIDTH, HEIGHT and the client area's top-left corner (cx, cy), the
# bottom 353 rows of the window, below its menu bar.
locate_main() {
  read -r X Y WIDTH HEIGHT < <(geometry "$main")
  cx=$X
  cy=$((Y + HEIGHT - 353))
}

# Starts the editor and finds its main window; sets app_pid, main and what locate_main sets.
start_editor() {  # APP [ARGS...]
  "$@" >>"$work/app.log" 2>&1 & pids+=($!)
  app_pid=$!
  main=$(visible_window '^Corvanth Logo Editor$') || { echo "FAIL: no main window on $DISPLAY"; tail -n 40 "$work/app.log"; exit 1; }
  sleep 0.5
  locate_main
}

# The splash lies over the middle of the main window: its 381 x 232 pixels there, on the screen.
intro_x() { echo $((X + (WIDTH - 381) / 2)); }
intro_y() { echo $((Y + (HEIGHT - 232) / 2)); }
splash_shown() {  # -> 0 when the splash's dark frame stands where the view would be white
  shot
  [ "$(convert "$work/screen.png" -format "%[fx:int(255*p{$(($(intro_x) + 190)),$(($(intro_y) + 116))}.r)]" info:)" != 255 ]
}
close_intro() {  # [key]: a click on the splash, or that key
  if [ -n "${1:-}" ]; then xdotool key --clearmodifiers "$1"; else xdotool mousemove $(($(intro_x) + 100)) $(($(intro_y) + 100)) click 1; fi
  retry 20 eval '! splash_shown' || { echo "FAIL: intro still shown after ${1:-a click}"; exit 1; }
  echo "ok: intro closed by ${1:-a click}"
}
# Runs a check again for up to N tenths of a second, until it holds.
retry() {  # N COMMAND...
  local n=$1; shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  "$@"
}

# ImageMagick reads the screen as it is; xwd shows a window with a colormap of its own (a dialog) as black.
shot() { import -window root "$work/screen.png"; }
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
stroke_view() {  # view y, from x, to x: a held drag with a move on every cell, since moves stamp without filling in
  xdotool mousemove $((cx + 262 + $2)) $((cy + 54 + $1)) mousedown 1
  for x in $(seq $(($2 + 4)) 4 "$3"); do xdotool mousemove $((cx + 262 + x)) $((cy + 54 + $1)); done
  xdotool mouseup 1
  sleep 0.5
}
# A slow build may still be drawing: look again for up to five seconds before failing.
expect_soon() {  # what, client x, y, wanted
  for _ in $(seq 25); do
    shot
    [ "$(pixel "$2" "$3")" = "$4" ] && break
    sleep 0.2
  done
  expect "$@"
}
dark_in() {  # client x, y, w, h -> share of dark pixels, in percent
  convert "$work/screen.png" -crop "$3x$4+$((cx + $1))+$((cy + $2))" -threshold 50% -negate \
    -format "%[fx:int(100*mean)]" info:
}
# Keys one at a time, giving each menu time to open before the next key arrives.
keys() { for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.3; done; }
# The named windows in the X stacking order, top first: the window manager's frames hold them, so the
# whole tree is read in order.
stacking() {
  local id name
  xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "\([^"]*\)".*/\1 \2/p' | while read -r id name; do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$name"
  done
}
# 0 when the window named first stands above the one named second.
above() {  # title, title
  stacking | awk -v a="$1" -v b="$2" '$0 == a && !ia { ia = NR } $0 == b && !ib { ib = NR } END { exit !(ia && ib && ia < ib) }'
}
click_client() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; sleep 0.2; }
alive() { kill -0 "$app_pid" || { echo "FAIL: the editor ended"; exit 1; }; }
keep_screenshot() {
  if [ -n "${SCREENSHOT:-}" ]; then
    convert "$work/screen.png" -crop "${WIDTH}x$((HEIGHT + 24))+${X}+$((Y - 24))" +repage "$SCREENSHOT"
  fi
}

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
  # The server picks a free display itself, so window tests running side by side never share one.
  local number; number=$(mktemp -p "$work")
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 & pids+=($!)
  for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n 1 "$number")
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  if [ "${1:-}" != --no-wm ]; then
    openbox >/dev/null 2>&1 & pids+=($!)
    sleep 0.5
  fi
  unset QT_QPA_PLATFORM
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

# Starts the editor and finds its main window; sets app_pid, main, intro, X, Y, WIDTH, HEIGHT and the
# client area's top-left corner (cx, cy): the bottom 353 rows of the window, below its menu bar.
start_editor() {  # APP [ARGS...]
  "$@" >/dev/null 2>&1 & pids+=($!)
  app_pid=$!
  main=$(visible_window '^Corvanth Logo Editor$') || { echo "FAIL: no main window"; exit 1; }
  intro=$(visible_window '^frmIntro$') || { echo "FAIL: no intro window at start"; exit 1; }
  sleep 0.5
  read -r X Y WIDTH HEIGHT < <(geometry "$main")
  cx=$X
  cy=$((Y + HEIGHT - 353))
}

close_intro() {
  xdotool mousemove --window "$intro" 100 100 click 1
  sleep 0.5
  if xdotool search --onlyvisible --name '^frmIntro$' >/dev/null 2>&1; then echo "FAIL: intro window still shown"; exit 1; fi
  echo "ok: intro window closed by a click"
  xdotool windowactivate --sync "$main" 2>/dev/null || true
}

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
click_client() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; sleep 0.2; }
alive() { kill -0 "$app_pid" || { echo "FAIL: the editor ended"; exit 1; }; }
keep_screenshot() {
  if [ -n "${SCREENSHOT:-}" ]; then
    convert "$work/screen.png" -crop "${WIDTH}x$((HEIGHT + 24))+${X}+$((Y - 24))" +repage "$SCREENSHOT"
  fi
}

#!/usr/bin/env bash
# CPU per mouse-move event of a drag over the view with a tool (the brush unless another is named),
# beside a bare Qt program that paints a 3 by 3 dab and repaints only that rectangle, both built by the
# same CMake. 2,000 paced motion events with the button held per run, ten runs of each taken in turn,
# under a private Xvfb with a window manager; the CPU is read from /proc/PID/stat. On a shared machine
# the speed drifts from minute to minute, so each editor run is set beside the bare run next to it, and
# the median of those ratios is the figure.
# Usage: bench/drag_cpu.sh BUILD_DIR [ROUNDS] [brush|line|rectangle|ellipse|select]
set -euo pipefail
build=$(realpath "${1:?build directory}")
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
start_x
events=2000
# The middle of the tool's cell in the palette.
case ${3:-brush} in
  brush) tool=(36 11) ;;
  line) tool=(132 33) ;;
  rectangle) tool=(84 11) ;;
  ellipse) tool=(108 11) ;;
  select) tool=(84 33) ;;
  *) echo "unknown tool: $3" >&2; exit 2 ;;
esac
ticks=$(getconf CLK_TCK)

cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }

# Drags over the 256 by 256 area whose top-left is at screen (ox, oy); prints microseconds per event.
drag() {  # pid ox oy
  local moves before after
  moves=$(python3 -c "
import sys
ox, oy, n = map(int, sys.argv[1:])
for i in range(n):
    print(f'mousemove {ox + 4 + (i * 3) % 248} {oy + 4 + (i * 3) // 248 * 6 % 248} sleep 0.003')
" "$2" "$3" "$events")
  xdotool mousemove $(($2 + 4)) $(($3 + 4)) mousedown 1
  sleep 0.3
  before=$(cpu_ticks "$1")
  # shellcheck disable=SC2086
  xdotool $moves
  sleep 0.3
  after=$(cpu_ticks "$1")
  xdotool mouseup 1
  echo $(((after - before) * 1000000 / ticks / events))
}

for _ in $(seq "${2:-10}"); do
  start_editor "$build/src/qt/corvanth-logo-editor"
  close_intro
  click_client $((30 + tool[0])) $((30 + tool[1]))
  drag "$app_pid" $((cx + 262)) $((cy + 54)) >>"$work/editor"
  kill "$app_pid"

  "$build/bench/bare_qt_paint" >/dev/null 2>&1 & pids+=($!)
  bare_pid=$!
  bare=$(visible_window '^Bare Qt paint$')
  sleep 0.5
  info=$(xwininfo -id "$bare")
  drag "$bare_pid" "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")" \
    "$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")" >>"$work/bare"
  kill "$bare_pid"
done
python3 - "$work/editor" "$work/bare" <<'PY'
import statistics, sys
e, b = ([int(l) for l in open(p)] for p in sys.argv[1:])
ratios = [x / y for x, y in zip(e, b)]
print(f"CPU per move event: editor {statistics.median(e)} us, bare Qt paint {statistics.median(b)} us; "
      f"ratio of neighbouring runs: median {statistics.median(ratios):.2f} "
      f"(from {min(ratios):.2f} to {max(ratios):.2f})")
PY

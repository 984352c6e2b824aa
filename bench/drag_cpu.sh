#!/usr/bin/env bash
# CPU per mouse-move event of a drag over the view with a tool (the brush unless another is named), or
# of the pointer moving over it with no button held (hover), beside a bare Qt program that paints a 3 by
# 3 dab at every move with a button held and repaints only that rectangle: the floor for a move that
# repaints a little, as a hover does with the pointer's readout. Both are built by the same CMake and run
# at once under a private Xvfb with a window manager. The CPU is read around each burst of moves, to the
# nanosecond, from the scheduler's count for each of the program's threads: a clock tick of
# /proc/PID/stat, a hundredth of a second, is a third of what a burst takes.
# This machine's speed drifts from second to second, so the two take turns in short bursts of 200 paced
# motion events, each burst of a drag a new press: ten bursts each make a round of 2,000 events, along
# the same path the whole round. Each round's ratio sets the two side by side over the same few seconds;
# the figure is the median of the rounds.
# mtPaint, when installed, takes its turn too for a brush drag (its pencil's stroke) and a hover: a
# painting program of the desktop beside the floor.
# Usage: bench/drag_cpu.sh BUILD_DIR [ROUNDS] [brush|line|rectangle|ellipse|select|hover]
set -euo pipefail
build=$(realpath "${1:?build directory}")
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
start_x
events=2000 burst=200 hover=
# The middle of the tool's cell in the palette.
case ${3:-brush} in
  brush) tool=(36 11) ;;
  line) tool=(132 33) ;;
  rectangle) tool=(84 11) ;;
  ellipse) tool=(108 11) ;;
  select) tool=(84 33) ;;
  hover) tool=() hover=hover ;;
  *) echo "unknown tool: $3" >&2; exit 2 ;;
esac

# Each thread's CPU so far, as "thread nanoseconds" lines. Qt ends idle threads of its own now and then: a
# thread that ended during a burst is left out, and one that began counts from nothing.
cpu_ns() { awk '{print FILENAME, $1}' "/proc/$1/task/"*/schedstat 2>/dev/null || true; }

# One burst over the 256 by 256 area whose top-left is at screen (ox, oy): a press at its corner unless
# told to hover, then moves FIRST..FIRST+burst-1 of the path; adds the CPU nanoseconds it took to the file
# named.
drag() {  # pid ox oy first ns-file [hover]
  local moves before after
  moves=$(python3 -c "
import sys
ox, oy, first, n = map(int, sys.argv[1:])
for i in range(first, first + n):
    print(f'mousemove {ox + 4 + (i * 3) % 248} {oy + 4 + (i * 3) // 248 * 6 % 248} sleep 0.003')
" "$2" "$3" "$4" "$burst")
  xdotool mousemove $(($2 + 4)) $(($3 + 4))
  sleep 0.1
  before=$(cpu_ns "$1")
  [ -n "${6:-}" ] || xdotool mousedown 1
  # shellcheck disable=SC2086
  xdotool $moves
  [ -n "${6:-}" ] || xdotool mouseup 1
  sleep 0.2
  after=$(cpu_ns "$1")
  awk 'NR == FNR {was[$1] = $2; next} {ns += $2 - was[$1]} END {print ns}' <(echo "$before") <(echo "$after") >>"$5"
}

start_editor "$build/src/qt/corvanth-logo-editor"
close_intro
# At the screen's top-left, so that the others fit beside and below it.
xdotool windowmove --sync "$main" 0 0 2>/dev/null || true
sleep 0.5
locate_main
[ -n "$hover" ] || click_client $((30 + tool[0])) $((30 + tool[1]))
"$build/bench/bare_qt_paint" >/dev/null 2>&1 & pids+=($!)
bare_pid=$!
bare=$(visible_window '^Bare Qt paint$')
# Beside the editor's window: a press raises the window it lands in, and neither may cover the other.
xdotool windowmove --sync "$bare" $((X + WIDTH + 16)) $((cy + 54)) 2>/dev/null || true
sleep 0.5
read -r bx by bw bh < <(geometry "$bare")
if [ "$bx" -lt $((X + WIDTH)) ] || [ $((bx + bw)) -gt 1280 ]; then
  echo "FAIL: no room for the bare window beside the editor (${WIDTH}x$HEIGHT at $X,$Y)" >&2
  exit 1
fi

peer=
if command -v mtpaint >/dev/null && [[ ${3:-brush} =~ ^(brush|hover)$ ]]; then
  mtpaint >/dev/null 2>&1 & pids+=($!)
  peer=$!
  mt=$(visible_window '^mtPaint ')
  sleep 1
  settings=$(xdotool search --onlyvisible --name '^Settings Toolbar$' 2>/dev/null | head -n 1 || true)
  [ -z "$settings" ] || xdotool windowmove --sync "$settings" $((X + WIDTH + 16)) 500 2>/dev/null || true
  xdotool windowsize --sync "$mt" 630 330 windowmove --sync "$mt" 0 $((Y + HEIGHT + 40)) 2>/dev/null || true
  sleep 0.5
  read -r mx my _ _ < <(geometry "$mt")
  # Its pencil, first in the tool bar; the path starts inside its canvas's top-left.
  xdotool mousemove $((mx + 18)) $((my + 78)) click 1
  sleep 0.3
fi

for round in $(seq "${2:-10}"); do
  for first in $(seq 0 "$burst" $((events - burst))); do
    drag "$app_pid" $((cx + 262)) $((cy + 54)) "$first" "$work/editor.$round" ${hover:+"$hover"}
    drag "$bare_pid" "$bx" "$by" "$first" "$work/bare.$round"
    [ -z "$peer" ] || drag "$peer" $((mx + 96)) $((my + 121)) "$first" "$work/peer.$round" ${hover:+"$hover"}
  done
done
python3 - "$work" "${2:-10}" "$events" "$peer" <<'PY'
import statistics, sys
work, rounds, events, peer = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
def per_event(name, r):
    return sum(int(l) for l in open(f"{work}/{name}.{r}")) / 1e3 / events
e = [per_event("editor", r) for r in range(1, rounds + 1)]
b = [per_event("bare", r) for r in range(1, rounds + 1)]
ratios = [x / y for x, y in zip(e, b)]
print(f"CPU per move event: editor {statistics.median(e):.0f} us, bare Qt paint {statistics.median(b):.0f} us; "
      f"ratio per round: median {statistics.median(ratios):.2f} "
      f"(from {min(ratios):.2f} to {max(ratios):.2f}; {', '.join(f'{r:.2f}' for r in ratios)})")
if peer:
    m = [per_event("peer", r) for r in range(1, rounds + 1)]
    print(f"mtPaint {statistics.median(m):.0f} us; editor over mtPaint per round: median "
          f"{statistics.median(x / y for x, y in zip(e, m)):.2f}; mtPaint over the bare program: median "
          f"{statistics.median(x / y for x, y in zip(m, b)):.2f}")
PY

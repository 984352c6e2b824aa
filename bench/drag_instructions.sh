#!/usr/bin/env bash
# User-space instructions per mouse-move event of a drag over the view (the brush unless another tool is
# named), counted by callgrind, which counts the same on a busy machine as on an idle one. The editor runs
# under a private Xvfb with valgrind's instrumentation off until the drag; then BURSTS bursts of 150
# moves 25 ms apart, each a new press from the view's corner along drag_cpu.sh's path. The count is
# divided by the moves the view's handler took, as a slow program may have some moves merged.
# Usage: bench/drag_instructions.sh BUILD_DIR [brush|line|rectangle|ellipse] [BURSTS]
set -euo pipefail
build=$(realpath "${1:?build directory}")
bursts=${3:-4} burst=150
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
start_x
case ${2:-brush} in
  brush) tool=(36 11) ;;
  line) tool=(132 33) ;;
  rectangle) tool=(84 11) ;;
  ellipse) tool=(108 11) ;;
  *) echo "unknown tool: $2" >&2; exit 2 ;;
esac
valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/cg.out" \
  "$build/src/qt/corvanth-logo-editor" >>"$work/app.log" 2>&1 & pids+=($!)
app_pid=$!
main=
for _ in $(seq 600); do  # under valgrind the window takes a while
  main=$(xdotool search --onlyvisible --name '^Corvanth Logo Editor$' 2>/dev/null | head -n 1 || true)
  [ -n "$main" ] && break
  sleep 0.2
done
[ -n "$main" ] || { echo "FAIL: no main window" >&2; exit 1; }
sleep 3
locate_main
close_intro
sleep 2
xdotool windowmove --sync "$main" 0 0 2>/dev/null || true
sleep 1
locate_main
click_client $((30 + tool[0])) $((30 + tool[1]))
sleep 2
ox=$((cx + 262)) oy=$((cy + 54))
callgrind_control -i on "$app_pid" >/dev/null 2>&1
for first in $(seq 0 "$burst" $((bursts * burst - 1))); do
  moves=$(python3 -c "
import sys
ox, oy, first, n = map(int, sys.argv[1:])
for i in range(first, first + n):
    print(f'mousemove {ox + 4 + (i * 3) % 248} {oy + 4 + (i * 3) // 248 * 6 % 248} sleep 0.025')
" "$ox" "$oy" "$first" "$burst")
  xdotool mousemove $((ox + 4)) $((oy + 4))
  sleep 0.5
  xdotool mousedown 1
  # shellcheck disable=SC2086
  xdotool $moves
  xdotool mouseup 1
  sleep 1
done
callgrind_control -i off "$app_pid" >/dev/null 2>&1
callgrind_control -d "$app_pid" >/dev/null 2>&1
sleep 3
python3 - "$work/cg.out.1" "$((bursts * burst))" <<'PY'
import re, sys
# The total, and the calls to the view's move handler (callgrind names each function once, then by number).
names, calls, total, callee = {}, 0, 0, None
for line in open(sys.argv[1], errors="replace"):
    if m := re.match(r"(c?)fn=\((\d+)\)(?: (.*))?", line):
        if m.group(3):
            names[m.group(2)] = m.group(3)
        if m.group(1):
            callee = names.get(m.group(2), "")
    elif line.startswith("calls=") and callee is not None:
        calls += int(line.split()[0][6:]) if "imgMainMouseMove" in callee else 0
        callee = None
    elif line.startswith("totals:"):
        total = int(line.split()[1])
print(f"{total / calls / 1e3:.1f} K instructions per move event ({calls} of {sys.argv[2]} moves taken)")
PY

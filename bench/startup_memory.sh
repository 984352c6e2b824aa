#!/usr/bin/env bash
# Start-up to a mapped window and peak memory of the editor beside a bare Qt window built by the same
# CMake, under a private Xvfb with a window manager. Ten start-ups of each, taken in turn; prints the
# medians and the ratios. Usage: bench/startup_memory.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?build directory}")
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
start_x

# One start: milliseconds until the window is mapped, then the peak RSS in KiB once it has settled.
measure() {  # title APP
  local t0 t1 timer app
  t0=$(date +%s%N)
  /usr/bin/time -v -o "$work/time" "$2" >/dev/null 2>&1 & timer=$!
  until xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do sleep 0.005; done
  t1=$(date +%s%N)
  sleep 1
  app=$(pgrep -P "$timer")
  kill "$app"
  wait "$timer" 2>/dev/null || true
  echo "$(((t1 - t0) / 1000000)) $(awk -F': ' '/Maximum resident/ {print $2}' "$work/time")"
}

for _ in $(seq 10); do
  measure '^Corvanth Logo Editor$' "$build/src/qt/corvanth-logo-editor" >>"$work/editor"
  measure '^Bare Qt window$' "$build/bench/bare_qt_window" >>"$work/bare"
done
python3 - "$work/editor" "$work/bare" <<'PY'
import statistics, sys
def load(path):
    rows = [tuple(map(int, line.split())) for line in open(path)]
    return statistics.median(r[0] for r in rows), statistics.median(r[1] for r in rows)
(es, em), (bs, bm) = load(sys.argv[1]), load(sys.argv[2])
print(f"start-up to mapped window: editor {es:.0f} ms, bare Qt window {bs:.0f} ms, ratio {es / bs:.2f}")
print(f"peak RSS: editor {em / 1024:.1f} MiB, bare Qt window {bm / 1024:.1f} MiB, ratio {em / bm:.2f}")
PY

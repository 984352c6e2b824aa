#!/usr/bin/env bash
# Start-up to a mapped window (timed by the X server's map event) and peak memory of the editor beside
# a bare Qt window built by the same CMake, under a private Xvfb with a window manager. Ten start-ups
# of each, taken in turn; prints the medians and the ratios. Usage: bench/startup_memory.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?build directory}")
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
start_x

# Every window mapped on the screen, as the time it arrived in microseconds, one line each.
stdbuf -oL xev -root -event substructure 2>/dev/null | while read -r line; do
  [[ $line == MapNotify* ]] && echo "${EPOCHREALTIME/./}"
done >"$work/maps" & pids+=($!)
sleep 0.5

# One start: milliseconds until its first window is mapped, then the peak RSS in KiB once it has
# settled. Waiting reads the list of maps with shell builtins only, so it takes no CPU from the start.
measure() {  # APP
  local t0 timer app maps
  mapfile -t maps <"$work/maps"
  local seen=${#maps[@]}
  t0=${EPOCHREALTIME/./}
  /usr/bin/time -v -o "$work/time" "$1" >/dev/null 2>&1 & timer=$!
  until mapfile -t maps <"$work/maps" && [ ${#maps[@]} -gt "$seen" ]; do sleep 0.002; done
  sleep 1
  app=$(pgrep -P "$timer")
  kill "$app"
  wait "$timer" 2>/dev/null || true
  echo "$(((maps[seen] - t0) / 1000)) $(awk -F': ' '/Maximum resident/ {print $2}' "$work/time")"
}

for _ in $(seq 10); do
  measure "$build/src/qt/corvanth-logo-editor" >>"$work/editor"
  measure "$build/bench/bare_qt_window" >>"$work/bare"
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

#!/usr/bin/env bash
# Start-up to a mapped window (timed by the X server's map event) and peak memory of the editor beside
# a bare Qt window built by the same CMake, empty and with one line of text, under a private Xvfb with
# a window manager. Ten start-ups of each (ROUNDS to change it), taken in turn with the order turning
# every round; prints the medians and the ratios.
# Usage: [ROUNDS=N] bench/startup_memory.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?build directory}")
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
start_x

# Every window mapped on the screen, as the time it arrived in microseconds, one line each.
"$build/bench/map_watch" >"$work/maps" & pids+=($!)
sleep 0.5

# One start: milliseconds until its window is mapped, then the peak RSS in KiB once it has settled. Waiting reads the list of maps with shell builtins only, so
# it takes no CPU from the start.
measure() {  # APP [ARGS...]
  local t0 timer app maps
  mapfile -t maps <"$work/maps"
  local seen=${#maps[@]}
  t0=${EPOCHREALTIME/./}
  /usr/bin/time -v -o "$work/time" "$@" >/dev/null 2>&1 & timer=$!
  until mapfile -t maps <"$work/maps" && [ ${#maps[@]} -gt "$seen" ]; do sleep 0.002; done
  sleep 1
  app=$(pgrep -P "$timer")
  kill "$app"
  wait "$timer" 2>/dev/null || true
  echo "$(((maps[seen] - t0) / 1000))" \
    "$(awk -F': ' '/Maximum resident/ {print $2}' "$work/time")"
}

# The editor maps one window, the main window with the intro over its middle. Each program goes first,
# second and last in turn, so none gains from what the one before it left behind.
editor() { measure "$build/src/qt/corvanth-logo-editor" >>"$work/editor"; }
bare() { measure "$build/bench/bare_qt_window" >>"$work/bare"; }
text() { measure "$build/bench/bare_qt_window" --text >>"$work/text"; }
for round in $(seq "${ROUNDS:-10}"); do
  case $((round % 3)) in
    0) editor; bare; text ;;
    1) bare; text; editor ;;
    2) text; editor; bare ;;
  esac
done
python3 - "$work/editor" "$work/bare" "$work/text" <<'PY'
import statistics, sys
def load(path):
    rows = [tuple(map(int, line.split())) for line in open(path)]
    return [statistics.median(r[i] for r in rows) for i in range(2)]
(el, em), (bs, bm), (ts, tm) = (load(p) for p in sys.argv[1:])
print(f"bare Qt window: start-up {bs:.0f} ms, peak RSS {bm / 1024:.1f} MiB; "
      f"with a line of text: {ts:.0f} ms, {tm / 1024:.1f} MiB")
print(f"editor's main window mapped: {el:.0f} ms, ratios {el / bs:.2f} and {el / ts:.2f}")
print(f"editor's peak RSS: {em / 1024:.1f} MiB, ratios {em / bm:.2f} and {em / tm:.2f}")
PY

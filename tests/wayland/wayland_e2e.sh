#!/usr/bin/env bash
# The editor on Wayland under weston's headless backend: the program starts and stays up with nothing on its
# error output; then the window test shows the main window with its splash, paints and closes it cleanly.
source "$(dirname "$0")/../e2e/e2e_lib.sh"
editor=$1 window_test=$2
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
fail() { echo "FAIL: $*"; exit 1; }

weston --backend=headless-backend.so --socket=corvanth --idle-time=0 >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/corvanth" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/corvanth" ] || { tail -n 20 "$XDG_RUNTIME_DIR/weston.log"; fail "weston did not start"; }
export WAYLAND_DISPLAY=corvanth QT_QPA_PLATFORM=wayland
unset DISPLAY

"$editor" 2>"$XDG_RUNTIME_DIR/editor.err" &
editor_pid=$!
pids+=("$editor_pid")
sleep 3
kill -0 "$editor_pid" 2>/dev/null || { cat "$XDG_RUNTIME_DIR/editor.err"; fail "the editor ended"; }
echo "ok: the editor runs on Wayland"
if [ -s "$XDG_RUNTIME_DIR/editor.err" ]; then cat "$XDG_RUNTIME_DIR/editor.err"; fail "the editor wrote errors"; fi
echo "ok: nothing on its error output"
kill "$editor_pid"

# Under the sanitizers, whole stacks: an allocation of Qt's Wayland client made through a plug-in it has
# unloaded is known by its callers only.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0 "$window_test"

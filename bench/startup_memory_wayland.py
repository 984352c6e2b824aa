#!/usr/bin/env python3
"""Start-up and peak memory under Wayland, beside the same bare Qt windows as startup_memory.sh.

Runs weston's headless backend on a private socket. A program's window is on the screen when it first
attaches a buffer to a surface, which libwayland's debug log shows with its clock: the wall clock's
microseconds cut to 32 bits, printed in milliseconds. Every program runs with the same environment, the
debug log included. Ten start-ups of each (ROUNDS to change it), the order turning every round.
Usage: [ROUNDS=N] bench/startup_memory_wayland.py BUILD_DIR
"""
import os, re, statistics, subprocess, sys, tempfile, time

build = sys.argv[1]
rounds = int(os.environ.get("ROUNDS", "10"))
programs = {"editor": [f"{build}/src/qt/corvanth-logo-editor"],
            "bare": [f"{build}/bench/bare_qt_window"],
            "text": [f"{build}/bench/bare_qt_window", "--text"]}
attached = re.compile(rb"^\[\s*(\d+\.\d+)\]\s+-> wl_surface@\d+\.attach\(wl_buffer@", re.M)
wrap = 2**32 / 1000  # the log's clock wraps after this many milliseconds


def measure(command, env, log):
    """Milliseconds until the first buffer is attached, and the peak RSS in MiB."""
    with open(log, "wb") as err:
        start = int(time.time() * 1e6) % 2**32 / 1000
        program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=err)
        while not (found := attached.search(open(log, "rb").read())):
            if program.poll() is not None:
                sys.exit(f"{command[0]} ended before showing a window")
            time.sleep(0.002)
        time.sleep(1)
        program.terminate()
        _, _, usage = os.wait4(program.pid, 0)
    return (float(found.group(1)) - start) % wrap, usage.ru_maxrss / 1024


with tempfile.TemporaryDirectory() as runtime:
    os.chmod(runtime, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="wl-bench", QT_QPA_PLATFORM="wayland",
               WAYLAND_DEBUG="client")
    env.pop("DISPLAY", None)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=wl-bench"],
                              env=dict(env, WAYLAND_DEBUG=""), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    try:
        while not os.path.exists(f"{runtime}/wl-bench"):
            time.sleep(0.05)
        time.sleep(1)
        results = {name: [] for name in programs}
        order = list(programs)
        for r in range(rounds):
            for name in order[r % 3:] + order[:r % 3]:
                results[name].append(measure(programs[name], env, f"{runtime}/log"))
    finally:
        weston.terminate()
        weston.wait()

(es, em), (bs, bm), (ts, tm) = ((statistics.median(t for t, _ in results[n]),
                                 statistics.median(m for _, m in results[n])) for n in programs)
print(f"bare Qt window: start-up {bs:.0f} ms, peak RSS {bm:.1f} MiB; with a line of text: {ts:.0f} ms, {tm:.1f} MiB")
print(f"editor's window on the screen: {es:.0f} ms, ratios {es / bs:.2f} and {es / ts:.2f}")
print(f"editor's peak RSS: {em:.1f} MiB, ratios {em / bm:.2f} and {em / tm:.2f}")

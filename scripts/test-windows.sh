#!/usr/bin/env bash
# Cross-builds the core and its unit tests for 64-bit Windows with MinGW-w64 and runs them under Wine.
# The interop tests, which call Linux programs, are left out. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows

missing=()
for package in g++-mingw-w64-x86-64-posix wine64; do
  [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

echo "== Windows build"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DCORVANTH_QT=OFF -DCORVANTH_BENCH=OFF >/dev/null
cmake --build "$build"

echo "== Windows tests under Wine"
# Quiet, headless, and in a prefix of its own inside the build; set up once before the tests start.
export WINEPREFIX=$PWD/$build/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset DISPLAY WAYLAND_DISPLAY
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init >/dev/null 2>&1
  "$wineserver" --wait
fi
# Wine's server and services started before the tests, for the whole run, ending a minute after the last:
# started by a test, they would hold its output open for seconds, and on a busy machine the listing of its
# tests ran out of time.
"$wineserver" -p60
"$wine" cmd /c exit >/dev/null 2>&1 || true
log=$build/ctest.log
status=0
ctest --test-dir "$build" --label-exclude interop --no-tests=error --output-on-failure -j "$(nproc)" >"$log" 2>&1 || status=$?
# What failed, in full, then the summary line.
[ "$status" -eq 0 ] || grep -vE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' "$log"
grep -E 'tests passed' "$log" || tail -n 20 "$log"
exit "$status"

#!/usr/bin/env bash
# Where the desktop offers its own dialogs, the editor uses them: with Qt's GTK theme, File > Open is GTK's
# file chooser, above the editor, and picking a file there opens it.
source "$(dirname "$0")/e2e_lib.sh"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || true)
if [ ! -e "$plugins/platformthemes/libqgtk3.so" ]; then echo "e2e: skipped, no GTK theme for Qt installed"; exit 0; fi
python3 - "$work/red.tga" <<'PY'
import sys
open(sys.argv[1], "wb").write(bytes([0, 0, 2] + [0] * 9 + [64, 0, 64, 0, 32, 8]) + bytes([0, 0, 255, 255]) * 4096)
PY
editor=$(realpath "$1")
start_x
cd "$work"
QT_QPA_PLATFORMTHEME=gtk3 start_editor "$editor"
close_intro Escape
xdotool key --clearmodifiers ctrl+o
chooser=""
for _ in $(seq 100); do
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -q GtkFileChooserDialog && chooser=$w
  done
  [ -n "$chooser" ] && break
  sleep 0.1
done
[ -n "$chooser" ] || { echo "FAIL: File > Open is not the desktop's file chooser"; exit 1; }
echo "ok: File > Open is GTK's file chooser"
retry 20 above "Open" "Corvanth Logo Editor" || { echo "FAIL: the chooser is not above the editor"; stacking; exit 1; }
echo "ok: above the editor"
xdotool key --clearmodifiers ctrl+l
sleep 0.3
xdotool type --delay 30 "$work/red.tga"
xdotool key Return
expect_soon "the file picked there opened" $((262 + 100)) $((54 + 100)) "255,0,0"
alive
echo "e2e: all checks passed"

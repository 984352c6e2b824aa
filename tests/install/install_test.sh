#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs: the program and its help, a valid
# entry that offers it for TGA files, and the icon at every theme size, square and see-through outside. Then
# the installed program, started from an unrelated folder under a private X server, shows its help.
set -euo pipefail
build=$1
source "$(dirname "$0")/../e2e/e2e_lib.sh"
prefix=$work/prefix
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/corvanth-logo-editor" ] || fail "no program in bin"
[ -f "$prefix/share/corvanth-logo-editor/kvr_lged.hlp" ] || fail "no help file"
entry=$prefix/share/applications/corvanth-logo-editor.desktop
desktop-file-validate "$entry" || fail "desktop entry not valid"
grep -qx 'MimeType=image/x-tga;' "$entry" || fail "entry not offered for TGA files"
grep -qx 'Exec=corvanth-logo-editor %f' "$entry" || fail "entry does not pass the file"
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/corvanth-logo-editor.png
  [ -f "$icon" ] || fail "no ${size}px icon"
  [ "$(identify -format '%w %h %[fx:p{0,0}.a]' "$icon")" = "$size $size 0" ] || fail "${size}px icon"
done

start_x
cd "$work"  # holds no help file
start_editor "$prefix/bin/corvanth-logo-editor"
close_intro Escape
keys alt+h c
help=$(visible_window '^Corvanth Logo Editor Help$') || fail "the installed program shows no help"
# The help window, not the message box of the same caption that says the file was not found.
read -r _ _ hw hh < <(geometry "$help")
[ "$hw" -ge 500 ] && [ "$hh" -ge 400 ] || fail "no help window but a ${hw}x$hh box"
echo "ok: the installed program shows its help"
echo "install: all checks passed"

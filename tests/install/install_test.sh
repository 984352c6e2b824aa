#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs: the program and its help, a valid
# entry that offers it for TGA files, and the icon at every theme size, square and see-through outside.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
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
echo "install: all checks passed"

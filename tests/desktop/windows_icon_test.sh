#!/usr/bin/env bash
# The Windows icon file, read by ImageMagick: the four sizes Windows asks for, each the same picture as the
# desktop's PNG of that size, see-through outside; and a resource compiler takes the program's .rc with it.
set -euo pipefail
dir=$1
ico=$dir/corvanth-logo-editor.ico
fail() { echo "FAIL: $*"; exit 1; }

[ "$(identify -format '%w ' "$ico")" = "16 32 48 256 " ] || fail "sizes: $(identify -format '%w ' "$ico")"
index=0
for size in 16 32 48 256; do
  [ "$(identify -format '%h %[channels] %[fx:p{0,0}.a]' "$ico[$index]")" = "$size srgba 0" ] ||
    fail "${size}px entry: $(identify -format '%h %[channels] %[fx:p{0,0}.a]' "$ico[$index]")"
  differ=$(compare -metric AE "$ico[$index]" "$dir/icons/${size}x$size/apps/corvanth-logo-editor.png" null: 2>&1) ||
    fail "${size}px entry differs from the PNG in $differ pixels"
  index=$((index + 1))
done
echo "ok: $ico"

windres=$(command -v x86_64-w64-mingw32-windres || true)
if [ -n "$windres" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  "$windres" "$dir/corvanth-logo-editor.rc" -O coff -o "$out/icon.o" || fail "windres refuses the .rc"
  echo "ok: $windres compiles the .rc"
fi

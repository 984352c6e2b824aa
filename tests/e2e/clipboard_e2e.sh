#!/usr/bin/env bash
# The clipboard under a private X server with openbox, as other programs see it through xclip: Ctrl+C offers
# the planes as a PNG with their alpha, Ctrl+V takes a PNG another program put there, and text on the
# clipboard leaves the view as it was.
source "$(dirname "$0")/e2e_lib.sh"
cell() { echo $((262 + 4 * $1 + 1)) $((54 + 4 * $2 + 1)); }  # plane pixel -> client position in the view
copied() {  # -> the clipboard's PNG in $work/copied.png
  rm -f "$work/copied.png"
  retry 30 eval 'xclip -selection clipboard -t image/png -o >"$work/copied.png" 2>/dev/null && [ -s "$work/copied.png" ]' ||
    { echo "FAIL: no PNG on the clipboard"; exit 1; }
}
offer() {  # type, file: xclip holds the clipboard in the foreground till it is taken or we end
  xclip -quiet -selection clipboard -t "$1" -i "$2" >/dev/null 2>&1 & pids+=($!)
  retry 30 eval "xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx '$1'" ||
    { echo "FAIL: xclip did not take the clipboard"; exit 1; }
}

# Pillow is the system's, under /usr/bin/python3.
# A logo whose every pixel differs in colour and alpha, alpha 0 included: a 32-bit TGA, bottom row first.
/usr/bin/python3 - "$work/pattern.tga" <<'PY'
import sys
rows = []
for y in range(63, -1, -1):
    for x in range(64):
        rows.append(bytes([100, (4 * y) & 255, (4 * x) & 255, (3 * x + 5 * y) & 255]))
open(sys.argv[1], "wb").write(bytes([0, 0, 2] + [0] * 9 + [64, 0, 64, 0, 32, 8]) + b"".join(rows))
PY

start_x
start_editor "$1"
close_intro Escape
xdotool key --clearmodifiers ctrl+o
visible_window '^Open' >/dev/null || { echo "FAIL: no Open dialog"; exit 1; }
sleep 0.5
xdotool type --delay 20 "$work/pattern.tga"
sleep 0.3
xdotool key Return
expect_soon "pattern opened" $(cell 10 20) "40,80,100"

xdotool key --clearmodifiers ctrl+c
copied
/usr/bin/python3 - "$work/copied.png" <<'PY'
import sys
from PIL import Image
image = Image.open(sys.argv[1])
if image.size != (64, 64) or image.mode != "RGBA":
    sys.exit("FAIL: copied %s %s, want 64x64 RGBA" % (image.size, image.mode))
bad = [(x, y, image.getpixel((x, y))) for y in range(64) for x in range(64)
       if image.getpixel((x, y)) != ((4 * x) & 255, (4 * y) & 255, 100, (3 * x + 5 * y) & 255)]
if bad:
    sys.exit("FAIL: %d copied pixels differ from the planes, first %s" % (len(bad), bad[0]))
PY
echo "ok: Ctrl+C puts the planes on the clipboard as a PNG with their alpha"

# Another program's PNG: 32 by 32, opaque green on the left, see-through orange on the right.
/usr/bin/python3 - "$work/other.png" <<'PY'
import sys
from PIL import Image
image = Image.new("RGBA", (32, 32))
image.putdata([(0, 200, 100, 255) if x < 16 else (250, 120, 0, 60) for y in range(32) for x in range(32)])
image.save(sys.argv[1])
PY
offer image/png "$work/other.png"
xdotool key --clearmodifiers ctrl+v
expect_soon "pasted picture in the view" $(cell 20 20) "0,200,100"
expect "pasted picture's right half" $(cell 40 40) "250,120,0"
expect "white padding around it" $(cell 5 5) "255,255,255"

# The alpha came in too: copied back, the padding is see-through and the halves keep their alpha.
xdotool key --clearmodifiers ctrl+c
copied
/usr/bin/python3 - "$work/copied.png" <<'PY'
import sys
from PIL import Image
image = Image.open(sys.argv[1]).convert("RGBA")
want = {(5, 5): (255, 255, 255, 0), (20, 20): (0, 200, 100, 255), (40, 40): (250, 120, 0, 60)}
for at, rgba in want.items():
    if image.getpixel(at) != rgba:
        sys.exit("FAIL: pasted pixel %s is %s, want %s" % (at, image.getpixel(at), rgba))
PY
echo "ok: Ctrl+V takes another program's PNG with its alpha"

# Text only: nothing to paste, the view stays, and the readout strip below the view says so. The pointer
# is off the view, so the strip was empty before.
strip_lit() { echo $((100 - $(dark_in $((248 + 8)) $((310 + 14)) 281 16))); }
xdotool mousemove $((cx + 100)) $((cy + 100))
sleep 0.3
shot
[ "$(strip_lit)" = 0 ] || { echo "FAIL: the readout strip shows something with the pointer off the view"; exit 1; }
printf 'just text' >"$work/text.txt"
offer UTF8_STRING "$work/text.txt"
xdotool key --clearmodifiers ctrl+v
sleep 0.5
shot
expect "text pasted nowhere" $(cell 20 20) "0,200,100"
expect "padding kept" $(cell 5 5) "255,255,255"
[ "$(strip_lit)" -gt 0 ] || { echo "FAIL: nothing in the readout strip after pasting text"; exit 1; }
echo "ok: the readout strip says there is nothing to paste"
alive
echo "e2e: all checks passed"

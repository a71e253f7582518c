#!/usr/bin/env bash
# Checks the main window's frames in play that the Windows suite wrote under Wine
# (BUILD/tests/frames/, BUILD by default build-win32) against tests/pictures/frames-wine/, every
# pixel, and against the Linux program's frames (tests/pictures/frames/) where the two draw the
# same thing: the colour in the middle of every cell of the well, of the preview's two circles
# and of each column's marker. Their texts differ by font and are left to each set.
#   tools/frames.sh [--accept] [BUILD]
# A frame that differs is left as NAME.png with NAME-diff.png (differing pixels in red) in
# BUILD/tests/frames/; --accept takes the new frames as the references, on purpose.
set -euo pipefail
cd "$(dirname "$0")/.."
accept=
[ "${1:-}" = --accept ] && accept=yes && shift
build=${1:-build-win32}
frames=$build/tests/frames
wine=tests/pictures/frames-wine
linux=tests/pictures/frames
tools/setup.sh imagemagick
rm -f "$frames"/*.png
differ=0
for bmp in "$frames"/*.bmp; do
    name=$(basename "$bmp" .bmp)
    convert "$bmp" "$frames/$name.png"
    if [ -n "$accept" ]; then
        cp "$frames/$name.png" "$wine/"
        continue
    fi
    pixels=$(compare -metric AE "$frames/$name.png" "$wine/$name.png" null: 2>&1 || true)
    echo "  $name: $pixels pixels differ from $wine/$name.png"
    if [ "$pixels" != 0 ]; then
        compare "$wine/$name.png" "$frames/$name.png" "$frames/$name-diff.png" 2>/dev/null || true
        differ=$((differ + 1))
    fi
    # The same colour in the middle of each circle and marker, in twips from the description.
    python3 - "$frames/$name.png" "$linux/$name.png" <<'PY' || differ=$((differ + 1))
import subprocess, sys
def pixels(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True,
                          text=True, check=True).stdout.split()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return int(size[0]), raw
def at(image, x, y):
    width, raw = image
    i = (y * width + x) * 3
    return raw[i:i + 3].hex()
px = lambda twips: twips // 15
points = {}
for cell in range(90):  # ball: 1440, 240, 240 square, six columns
    points[f"cell {cell % 6},{cell // 6}"] = (px(1440 + cell % 6 * 240 + 120),
                                              px(240 + cell // 6 * 240 + 120))
for n in range(2):  # next: 3372, 768, 240 square
    points[f"preview {n}"] = (px(3372 + n * 240 + 120), px(768 + 120))
for column in range(6):  # curs: 252 by 132 at its column's left, 3840 down
    points[f"marker at {column}"] = (px(1440 + column * 240 + 126), px(3840 + 66))
windows, qt = pixels(sys.argv[1]), pixels(sys.argv[2])
marker = "ffff80"  # where no marker stands, each system shows its own window colour
wrong = [f"{what}: {at(windows, x, y)} against {at(qt, x, y)}"
         for what, (x, y) in points.items() if at(windows, x, y) != at(qt, x, y) and
         (not what.startswith("marker") or marker in (at(windows, x, y), at(qt, x, y)))]
for line in wrong:
    print("    the wells differ at", line)
sys.exit(1 if wrong else 0)
PY
done
if [ -n "$accept" ]; then
    echo "Taken as the references in $wine."
elif [ "$differ" -gt 0 ]; then
    echo "$differ frame(s) differ; tools/frames.sh --accept takes the new ones on purpose"
    exit 1
else
    echo "Every frame is the same, and the two front ends' wells agree."
fi

#!/usr/bin/env python3
"""Reads the game's well from a screenshot: finds the light yellow well, prints its fifteen rows
(o for a ball, . for an empty cell) and whether the continue button stands over it."""

import subprocess
import sys

WELL = (255, 255, 192)


def load(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:  # P6, width, height, maximum, each after white space
        while ppm[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, ppm[pos + 1:]


def main(path):
    width, height, data = load(path)

    def pixel(x, y):
        i = 3 * (y * width + x)
        return tuple(data[i:i + 3])

    # The well is the only light yellow area taller than half its own height.
    columns = [x for x in range(width)
               if sum(pixel(x, y) == WELL for y in range(0, height, 2)) >= 60]
    if not columns:
        print("no well")
        return 1
    runs, start = [], columns[0]
    for a, b in zip(columns, columns[1:] + [None]):
        if b != a + 1:
            runs.append((start, a))
            start = b
    x0, x1 = max(runs, key=lambda r: r[1] - r[0])
    ys = [y for y in range(height) if any(pixel(x, y) == WELL for x in range(x0, x1 + 1, 4))]
    y0, y1 = min(ys), max(ys)
    # Cells start on the outline, one pixel outside the yellow.
    left, top = x0 - 1, y0 - 1
    cw, ch = (x1 - x0 + 2) / 6, (y1 - y0 + 2) / 15
    for r in range(15):
        row = ""
        for c in range(6):
            row += "." if pixel(int(left + (c + 0.5) * cw), int(top + (r + 0.5) * ch)) == WELL else "o"
        print(row)

    # The continue button covers the middle of the well: grey, with dark text, no yellow.
    scale = cw / 16
    bx0, bx1 = int(left + 11 * scale), int(left + 85 * scale)
    by0, by1 = int(top + 107 * scale), int(top + 133 * scale)
    area = [pixel(x, y) for x in range(bx0, bx1) for y in range(by0, by1)]
    yellow = sum(p == WELL for p in area) / len(area)
    dark = sum(sum(p) < 200 for p in area)
    print("button", "shown" if yellow < 0.02 and dark >= 20 else "hidden")

    # The score's cell, left of the well, is light yellow around its digits.
    corner = pixel(int(left - 78 * scale), int(top + 35 * scale))
    print("counters", "yellow" if corner == WELL else "missing")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

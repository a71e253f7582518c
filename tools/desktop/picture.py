#!/usr/bin/env python3
"""Reads the game's windows from a picture of the screen. Prints the well's fifteen rows (o for a
ball, . for an empty cell), whether the continue button stands over the well and whether the
score's cell is light yellow; then where the main window's client area is (found by its well),
where the records window's client area is (found by its ten rows of cells), and whether a
notification banner stands at the top of the screen, as GNOME shows one."""

import subprocess
import sys

YELLOW = (255, 255, 192)


class Picture:
    def __init__(self, path):
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
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def yellow(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height and self.pixel(x, y) == YELLOW


def well(p):
    """The well's yellow inside as (left, top, right, bottom), or None: 95 by 239 pixels (at 96 dots
    an inch) whose four corners stay yellow whatever lies in it, balls being circles in their
    cells, with the outline around them."""
    for y in range(1, p.height - 240):
        for x in range(1, p.width - 96):
            if p.yellow(x, y) and not p.yellow(x - 1, y) and not p.yellow(x, y - 1) and \
                    p.yellow(x + 94, y) and not p.yellow(x + 95, y) and \
                    p.yellow(x, y + 238) and not p.yellow(x, y + 239) and \
                    p.yellow(x + 94, y + 238) and not p.yellow(x + 95, y + 238):
                return x, y, x + 94, y + 238
    return None


def records(p):
    """The top left corner of the records window's client area, or None: ten score cells, 65 by
    17 pixels, one under the other every 24 pixels, with a name cell beside each."""
    for y in range(p.height - 240):
        for x in range(p.width - 160):
            if not (p.yellow(x, y) and not p.yellow(x - 1, y) and not p.yellow(x, y - 1)):
                continue
            if all(p.yellow(x + 62, y + 24 * r) and p.yellow(x + 82, y + 24 * r) and
                   not p.yellow(x + 8, y + 24 * r - 2) and p.yellow(x, y + 24 * r + 14)
                   for r in range(10)):
                return x - 1 - 8, y - 1 - 24
    return None


def banner(p):
    """Whether a dark notification banner stands in the top middle of the screen."""
    xs = range(int(p.width * 0.32), int(p.width * 0.68), 3)
    ys = range(40, 110, 3)
    dark = sum(1 for x in xs for y in ys
               if 25 <= min(p.pixel(x, y)) and max(p.pixel(x, y)) <= 95 and
               max(p.pixel(x, y)) - min(p.pixel(x, y)) <= 12)
    return dark > 0.3 * len(xs) * len(ys)


def main(path):
    p = Picture(path)
    found = well(p)
    if found is None:
        print("no well")
    else:
        x0, y0, x1, y1 = found
        # Cells start on the outline, one pixel outside the yellow.
        left, top = x0 - 1, y0 - 1
        cw, ch = (x1 - x0 + 2) / 6, (y1 - y0 + 2) / 15
        for r in range(15):
            print("".join("." if p.yellow(int(left + (c + 0.5) * cw), int(top + (r + 0.5) * ch))
                          else "o" for c in range(6)))
        # The continue button covers the middle of the well: grey, with dark text, no yellow.
        scale = cw / 16
        bx0, bx1 = int(left + 11 * scale), int(left + 85 * scale)
        by0, by1 = int(top + 107 * scale), int(top + 133 * scale)
        area = [p.pixel(x, y) for x in range(bx0, bx1) for y in range(by0, by1)]
        shown = sum(c == YELLOW for c in area) / len(area) < 0.02 and \
            sum(sum(c) < 200 for c in area) >= 20
        print("button", "shown" if shown else "hidden")
        # The score's cell, left of the well, is light yellow around its digits.
        corner = p.pixel(int(left - 78 * scale), int(top + 35 * scale))
        print("counters", "yellow" if corner == YELLOW else "missing")
        # The well's outline stands 96 by 16 pixels into the client area.
        print("main", left - 96, top - 16)
    corner = records(p)
    print("records", *(corner if corner else ("none",)))
    print("banner", "yes" if banner(p) else "no")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

#!/usr/bin/env python3
"""Draws the two background pictures of the sample disc.

examples/sample-disc/pictures/background.bmp  the main menu: a blue header
                                              band and a disc in the left column
examples/sample-disc/pictures/tools.bmp       the tools menu: a green header
                                              band and a gear

Both are 560 x 360 pixels, 24 bits per pixel, uncompressed: the kind of BMP
every Windows version reads. The menu draws its rows, the description, the
language chooser and the exit link in the system's default (black) text
colour over the lower right part, so that part stays light; the header band
and the left column carry the colour.

Python 3 standard library only; the output is the same byte for byte on
every run, so the committed pictures can be checked against this script:

    python3 tools/make_sample_art.py            # writes the two files
    python3 tools/make_sample_art.py --check    # fails if they differ
"""

import math
import os
import struct
import sys

WIDTH, HEIGHT = 560, 360
HEADER_HEIGHT = 70
ACCENT_HEIGHT = 3
COLUMN_WIDTH = 140

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURES = os.path.join(ROOT, "examples", "sample-disc", "pictures")


def mix(a, b, t):
    """The colour a fraction t of the way from a to b."""
    t = min(max(t, 0.0), 1.0)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def circle_coverage(distance, radius):
    """How much of a pixel at this distance from a centre lies inside a circle
    of this radius: a one-pixel soft edge instead of jagged steps."""
    return min(max(radius + 0.5 - distance, 0.0), 1.0)


class Canvas:
    """Floating-point RGB pixels, top row first, written out as a BMP."""

    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def blend(self, x, y, colour, amount):
        if amount > 0.0:
            self.pixels[y][x] = mix(self.pixels[y][x], colour, amount)

    def bmp_bytes(self):
        row_size = (self.width * 3 + 3) & ~3
        padding = b"\0" * (row_size - self.width * 3)
        rows = []
        for row in reversed(self.pixels):  # BMP rows run from the bottom up
            data = bytearray()
            for red, green, blue in row:
                data += bytes((int(round(blue)), int(round(green)), int(round(red))))
            rows.append(bytes(data) + padding)
        image = b"".join(rows)
        file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
        info_header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0,
                                  len(image), 2835, 2835, 0, 0)
        return file_header + info_header + image


def paint_layout(canvas, band_left, band_right, accent, panel):
    """The parts both pictures share: a light page, the header band with soft
    diagonal stripes and an accent line under it, and the left column."""
    page_top, page_bottom = (251, 249, 244), (237, 242, 248)
    for y in range(canvas.height):
        for x in range(canvas.width):
            if y < HEADER_HEIGHT:
                colour = mix(band_left, band_right, x / (canvas.width - 1))
                if (x + y) % 24 < 12:
                    colour = mix(colour, (255, 255, 255), 0.06)
            elif y < HEADER_HEIGHT + ACCENT_HEIGHT:
                colour = accent
            elif x < COLUMN_WIDTH:
                colour = mix(panel, page_bottom, (y - HEADER_HEIGHT) / (canvas.height - HEADER_HEIGHT))
            elif x == COLUMN_WIDTH:
                colour = (205, 213, 226)
            else:
                colour = mix(page_top, page_bottom, y / (canvas.height - 1))
            canvas.pixels[y][x] = colour


def paint_disc(canvas, cx, cy):
    """An optical disc seen from above: a rim whose sheen changes colour with
    the angle, a clear ring, a hub and the hole."""
    outer, clear, hub, hole = 54.0, 19.0, 15.0, 6.0
    for y in range(int(cy - outer - 2), int(cy + outer + 3)):
        for x in range(int(cx - outer - 2), int(cx + outer + 3)):
            dx, dy = x - cx, y - cy
            distance = math.hypot(dx, dy)
            angle = math.atan2(dy, dx)
            sheen = (
                200 + 40 * math.sin(2 * angle),
                205 + 35 * math.sin(2 * angle + 2.1),
                215 + 35 * math.sin(2 * angle + 4.2),
            )
            canvas.blend(x, y, (150, 160, 175), circle_coverage(distance, outer + 1.5))
            canvas.blend(x, y, sheen, circle_coverage(distance, outer))
            canvas.blend(x, y, (232, 236, 240), circle_coverage(distance, clear))
            canvas.blend(x, y, (186, 192, 202), circle_coverage(distance, hub))
            canvas.blend(x, y, canvas_panel_at(y), circle_coverage(distance, hole))


def canvas_panel_at(y):
    """The left column's colour at a row (for the disc's hole)."""
    panel, page_bottom = (222, 232, 245), (237, 242, 248)
    return mix(panel, page_bottom, (y - HEADER_HEIGHT) / (HEIGHT - HEADER_HEIGHT))


def paint_gear(canvas, cx, cy, body, light):
    """A gear wheel: eight rounded teeth round a body with a hole."""
    radius, tooth_depth, hole = 40.0, 9.0, 12.0
    teeth = 8
    for y in range(int(cy - radius - tooth_depth - 2), int(cy + radius + tooth_depth + 3)):
        for x in range(int(cx - radius - tooth_depth - 2), int(cx + radius + tooth_depth + 3)):
            dx, dy = x - cx, y - cy
            distance = math.hypot(dx, dy)
            angle = math.atan2(dy, dx)
            # A smooth square-ish wave round the rim makes the teeth.
            wave = math.cos(teeth * angle)
            edge = radius + tooth_depth * min(max(wave * 1.6 + 0.3, 0.0), 1.0)
            shade = mix(body, light, 0.5 - 0.5 * math.sin(angle + 0.8))
            canvas.blend(x, y, shade, circle_coverage(distance, edge))
            canvas.blend(x, y, mix(light, (255, 255, 255), 0.4), circle_coverage(distance, hole + 5))
            canvas.blend(x, y, canvas_panel_at(y), circle_coverage(distance, hole))


def main_menu_picture():
    canvas = Canvas(WIDTH, HEIGHT, (0, 0, 0))
    paint_layout(canvas, (26, 58, 118), (34, 122, 146), (240, 174, 50), (222, 232, 245))
    paint_disc(canvas, COLUMN_WIDTH / 2, 205)
    return canvas.bmp_bytes()


def tools_menu_picture():
    canvas = Canvas(WIDTH, HEIGHT, (0, 0, 0))
    paint_layout(canvas, (28, 96, 66), (66, 140, 92), (238, 204, 84), (222, 232, 245))
    paint_gear(canvas, COLUMN_WIDTH / 2, 205, (88, 112, 100), (168, 190, 176))
    return canvas.bmp_bytes()


PICTURES_TO_DRAW = {
    "background.bmp": main_menu_picture,
    "tools.bmp": tools_menu_picture,
}


def main(arguments):
    check = "--check" in arguments
    differing = []
    for name, draw in PICTURES_TO_DRAW.items():
        path = os.path.join(PICTURES, name)
        data = draw()
        if check:
            with open(path, "rb") as existing:
                if existing.read() != data:
                    differing.append(path)
        else:
            os.makedirs(PICTURES, exist_ok=True)
            with open(path, "wb") as output:
                output.write(data)
            print(path)
    for path in differing:
        print("differs from what tools/make_sample_art.py draws: " + path, file=sys.stderr)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

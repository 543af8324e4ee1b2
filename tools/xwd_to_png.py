#!/usr/bin/env python3
"""Turns a screen dump of xwd(1) into a PNG, cropped to what stands on the
desktop; Python 3 standard library only.

    xwd_to_png.py DUMP.xwd OUT.png    writes the part of the dump that differs
                                      from the desktop: the windows on it
    xwd_to_png.py --digest DUMP.xwd   prints a digest of that part, or
                                      "empty" when the desktop holds nothing

tools/run-sample.sh compares digests of dumps taken one after the other to
see when the menu has appeared and finished painting. The desktop's colour
is the one of the dump's top-left pixel: Wine's virtual desktop is one plain
colour, and a window is never placed in its very corner by the menu (the
menu centres itself).
"""

import hashlib
import struct
import sys
import zlib

HEADER_FIELDS = (
    "header_size file_version pixmap_format pixmap_depth width height xoffset "
    "byte_order bitmap_unit bitmap_bit_order bitmap_pad bits_per_pixel "
    "bytes_per_line visual_class red_mask green_mask blue_mask bits_per_rgb "
    "colormap_entries ncolors window_width window_height window_x window_y "
    "window_border_width"
).split()
Z_PIXMAP = 2
COLOUR_ENTRY_SIZE = 12


class Dump:
    """The pixels of an xwd dump in ZPixmap format with 24 or 32 bits per
    pixel, as xwd writes the screen of a true-colour display."""

    def __init__(self, data):
        header = dict(zip(HEADER_FIELDS, struct.unpack(">25I", data[:100])))
        if header["pixmap_format"] != Z_PIXMAP or header["bits_per_pixel"] not in (24, 32):
            raise ValueError("only true-colour ZPixmap dumps are supported")
        self.width = header["width"]
        self.height = header["height"]
        self.bytes_per_line = header["bytes_per_line"]
        self.bytes_per_pixel = header["bits_per_pixel"] // 8
        self.byte_order = "little" if header["byte_order"] == 0 else "big"
        self.masks = (header["red_mask"], header["green_mask"], header["blue_mask"])
        start = header["header_size"] + header["ncolors"] * COLOUR_ENTRY_SIZE
        self.image = data[start:start + self.height * self.bytes_per_line]

    def row(self, y, left, right):
        """The raw bytes of the pixels left to right - 1 of row y."""
        offset = y * self.bytes_per_line
        return self.image[offset + left * self.bytes_per_pixel:offset + right * self.bytes_per_pixel]

    def rgb(self, raw):
        """A pixel's raw bytes as red, green and blue."""
        value = int.from_bytes(raw, self.byte_order)
        return bytes(channel(value, mask) for mask in self.masks)

    def content_box(self):
        """(left, top, right, bottom) of what differs from the desktop's colour,
        or None."""
        background = self.row(0, 0, 1)
        plain_row = background * self.width
        rows = [y for y in range(self.height) if self.row(y, 0, self.width) != plain_row]
        if not rows:
            return None
        left, right = self.width, 0
        size = self.bytes_per_pixel
        for y in rows:
            line = self.row(y, 0, self.width)
            columns = [x for x in range(self.width) if line[x * size:(x + 1) * size] != background]
            left, right = min(left, columns[0]), max(right, columns[-1] + 1)
        return left, rows[0], right, rows[-1] + 1

    def rgb_rows(self, box):
        left, top, right, bottom = box
        size = self.bytes_per_pixel
        for y in range(top, bottom):
            line = self.row(y, left, right)
            yield b"".join(self.rgb(line[i:i + size]) for i in range(0, len(line), size))


def channel(value, mask):
    """The 8-bit value of one colour channel given by its mask."""
    shift = (mask & -mask).bit_length() - 1
    maximum = mask >> shift
    return ((value & mask) >> shift) * 255 // maximum


def png_bytes(width, height, rows):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + row for row in rows)  # filter type 0 on every row
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "--digest":
        with open(arguments[1], "rb") as source:
            dump = Dump(source.read())
        box = dump.content_box()
        if box is None:
            print("empty")
        else:
            digest = hashlib.sha256(repr(box).encode())
            for row in dump.rgb_rows(box):
                digest.update(row)
            print(digest.hexdigest())
        return 0
    if len(arguments) == 2:
        with open(arguments[0], "rb") as source:
            dump = Dump(source.read())
        box = dump.content_box()
        if box is None:
            print("xwd_to_png: the desktop is empty", file=sys.stderr)
            return 1
        left, top, right, bottom = box
        with open(arguments[1], "wb") as output:
            output.write(png_bytes(right - left, bottom - top, list(dump.rgb_rows(box))))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/env python3
"""Draws Kiveron's own art and writes it into resources/art/.

Everything is drawn from code, deterministically, with the standard library
only, so the files that resources/kiveron.rc embeds can be rebuilt and
checked at any time:

    python3 tools/make_art.py            write the files
    python3 tools/make_art.py --check    exit 1 unless the committed files
                                         are what this script draws
    python3 tools/make_art.py --preview DIR
                                         also write enlarged PNG previews

Colours are (red, green, blue) or (red, green, blue, alpha) tuples; images are
lists of rows, top row first.
"""

import argparse
import math
import os
import struct
import sys
import zlib

ART_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "art")

WHITE = (255, 255, 255)

# The bullet colours are fixed by the controls that draw them.
PRIMARY_BLUE = (1, 65, 128)
SECONDARY_ORANGE = (254, 172, 2)
EXIT_RED = (255, 1, 1)

# Scroll bar greys.
BUTTON_OUTLINE = (185, 185, 185)
ARROW_OUTLINE = (128, 128, 128)
THUMB_LEFT_EDGE = (213, 213, 213)
THUMB_RIGHT_EDGE = (220, 220, 220)
UP_PRESSED_FACE = (226, 226, 226)
DOWN_PRESSED_FACE = (225, 225, 225)

ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 96, 128, 256)
# Sizes that old Windows, which cannot read PNG icon images, may pick.
ICON_DIB_SIZES = (16, 20, 24, 32, 40, 48)
# Windows 95 to 2000 and displays of 256 colours or fewer use paletted
# images, with a mask that they can read: 8 bits at these sizes, 4 bits at
# these.
ICON_8BIT_SIZES = (16, 32, 48)
ICON_4BIT_SIZES = (16, 32)

# The sixteen colours of the standard Windows palette, in its own order.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

HAND_HOT_SPOT = (13, 4)


def grey(level):
    return (level, level, level)


def round_half_up(value):
    return int(math.floor(value + 0.5))


def mix(base, top, amount):
    """base with top laid over it at coverage amount (0..1)."""
    return tuple(round_half_up(b + (t - b) * amount) for b, t in zip(base, top))


# --- Coverage of simple shapes -------------------------------------------
# Bullets are small enough to supersample exactly: a grid of SAMPLES x SAMPLES
# points per pixel, coverage = points inside / all points.

SAMPLES = 16


def sample_points(px, py):
    step = 1.0 / SAMPLES
    for j in range(SAMPLES):
        for i in range(SAMPLES):
            yield px + (i + 0.5) * step, py + (j + 0.5) * step


def inside_disc(x, y, cx, cy, radius):
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def inside_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


# --- Bullets --------------------------------------------------------------

def draw_bullet(colour):
    """11 x 11: a disc of colour with a white triangle pointing right, on white.

    Every pixel is a mix of white and the disc colour only, so the corners stay
    pure white and fully covered disc pixels are exactly the colour."""
    size, centre, radius = 11, 5.5, 5.45
    triangle = ((4.0, 2.75), (4.0, 8.25), (8.6, 5.5))
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            disc_only = 0
            for x, y in sample_points(px, py):
                if inside_disc(x, y, centre, centre, radius) and not inside_triangle(x, y, *triangle):
                    disc_only += 1
            row.append(mix(WHITE, colour, disc_only / (SAMPLES * SAMPLES)))
        rows.append(row)
    return rows


# --- Scroll bar -------------------------------------------------------------

BUTTON_WIDTH, BUTTON_HEIGHT = 17, 19


def mirror_rows(rows):
    return [list(row) for row in reversed(rows)]


def draw_arrow_button(face_of_row):
    """17 x 19 button with an upward triangle; face_of_row(y) colours row y."""
    w, h = BUTTON_WIDTH, BUTTON_HEIGHT
    rows = [[face_of_row(y) for _ in range(w)] for y in range(h)]
    for x in range(w):
        rows[0][x] = rows[h - 1][x] = BUTTON_OUTLINE
    for y in range(h):
        rows[y][0] = rows[y][w - 1] = BUTTON_OUTLINE
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        rows[y][x] = WHITE
    # The triangle: apex at (8, 6), base from x 3 to 13 on row 11; a grey
    # outline around a white inside.
    apex_x, top, base = 8, 6, 11
    for y in range(top, base + 1):
        half = y - top
        left, right = apex_x - half, apex_x + half
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, base)
            rows[y][x] = ARROW_OUTLINE if edge else WHITE
    return rows


def raised_face(y):
    """Near-white face lightest at the top, and two light shadow rows."""
    shadow = {BUTTON_HEIGHT - 3: grey(234), BUTTON_HEIGHT - 2: grey(229)}
    if y in shadow:
        return shadow[y]
    first, last = 1, BUTTON_HEIGHT - 4
    return grey(248 - round_half_up(9 * (y - first) / (last - first)))


def draw_up_arrow():
    return draw_arrow_button(raised_face)


def draw_down_arrow():
    return mirror_rows(draw_up_arrow())


def draw_up_arrow_pressed():
    return draw_arrow_button(lambda y: UP_PRESSED_FACE)


def draw_down_arrow_pressed():
    return mirror_rows(draw_arrow_button(lambda y: DOWN_PRESSED_FACE))


def thumb_face_row():
    """One row of the thumb's body: the two edge greys round a light face
    that darkens slightly from left to right."""
    inner = [grey(252 - round_half_up(6 * (x - 1) / 14)) for x in range(1, 16)]
    return [THUMB_LEFT_EDGE] + inner + [THUMB_RIGHT_EDGE]


def thumb_outline_row():
    return [WHITE] + [BUTTON_OUTLINE] * 15 + [WHITE]


def draw_thumb_top():
    return [thumb_outline_row(), thumb_face_row()]


def draw_thumb_bottom():
    return [thumb_face_row(), thumb_outline_row()]


def draw_thumb_middle():
    return [thumb_face_row(), thumb_face_row()]


# --- Application icon -----------------------------------------------------
# A deep blue disc carrying a short menu: three white lines, each led by an
# orange bullet. Shapes are drawn with a one-pixel anti-aliased edge from
# their signed distance; at small sizes the lines snap to whole pixel rows so
# they stay crisp.

ICON_DISC_TOP = (33, 112, 190)
ICON_DISC_BOTTOM = (1, 50, 104)
ICON_RIM = (120, 176, 228)


def edge_coverage(distance):
    """Coverage of a pixel whose centre lies distance outside a shape's edge."""
    return min(1.0, max(0.0, 0.5 - distance))


def rounded_bar_distance(x, y, left, right, top, bottom):
    """Signed distance to a horizontal bar with fully rounded ends."""
    radius = (bottom - top) / 2.0
    cy = (top + bottom) / 2.0
    cx = min(max(x, left + radius), right - radius)
    return math.hypot(x - cx, y - cy) - radius


def blend_over(under, colour, coverage):
    """Straight-alpha colour laid over an RGBA pixel."""
    if coverage <= 0.0:
        return under
    r, g, b, a = under
    top_alpha = coverage
    out_alpha = top_alpha + a * (1.0 - top_alpha)
    def channel(c_top, c_under):
        return (c_top * top_alpha + c_under * a * (1.0 - top_alpha)) / out_alpha
    return (channel(colour[0], r), channel(colour[1], g), channel(colour[2], b), out_alpha)


def icon_menu_rows(size):
    """Vertical centre and thickness of the three menu lines."""
    thickness = max(1.5, size * 0.085)
    centres = [size * f for f in (0.3, 0.5, 0.7)]
    if size < 32:
        thickness = float(max(1, round_half_up(thickness)))
        offset = 0.5 if int(thickness) % 2 else 0.0
        centres = [math.floor(c) + offset for c in centres]
    return centres, thickness


def draw_icon(size):
    centre = size / 2.0
    radius = size * 0.47
    rim = max(1.0, size / 32.0)
    centres, thickness = icon_menu_rows(size)
    bullet_x = size * 0.32
    bullet_radius = max(1.0, thickness * 0.8)
    # Keep at least a pixel of the disc between a bullet and its line.
    line_left = max(size * 0.42, bullet_x + bullet_radius + max(1.0, size * 0.04))
    line_right = size * 0.76
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            x, y = px + 0.5, py + 0.5
            pixel = (0.0, 0.0, 0.0, 0.0)
            disc_distance = math.hypot(x - centre, y - centre) - radius
            shade = min(1.0, max(0.0, y / size))
            body = mix(ICON_DISC_TOP, ICON_DISC_BOTTOM, shade)
            pixel = blend_over(pixel, ICON_RIM, edge_coverage(disc_distance))
            pixel = blend_over(pixel, body, edge_coverage(disc_distance + rim))
            for line_y in centres:
                half = thickness / 2.0
                bar = rounded_bar_distance(x, y, line_left, line_right, line_y - half, line_y + half)
                pixel = blend_over(pixel, WHITE, edge_coverage(bar))
                dot = math.hypot(x - bullet_x, y - line_y) - bullet_radius
                pixel = blend_over(pixel, SECONDARY_ORANGE, edge_coverage(dot))
            r, g, b, a = pixel
            row.append((round_half_up(r), round_half_up(g), round_half_up(b), round_half_up(a * 255)))
        rows.append(row)
    return rows


# --- Pointing hand cursor ---------------------------------------------------
# '#' black, 'o' white, '.' transparent. The fingertip's top edge is row 4,
# centred on column 13: the hot spot.

HAND = [
    "................................",
    "................................",
    "................................",
    "................................",
    "............###.................",
    "...........#ooo#................",
    "...........#ooo#................",
    "...........#ooo#................",
    "...........#ooo#................",
    "...........#ooo#................",
    "...........#ooo####.............",
    "...........#ooo#ooo###..........",
    "...........#ooo#ooo#ooo##.......",
    "...........#ooo#ooo#ooo#oo#.....",
    "...........#ooo#ooo#ooo#ooo#....",
    ".......###.#ooo#ooo#ooo#ooo#....",
    "......#ooo##oooooooooooooooo#...",
    "......#oooo#oooooooooooooooo#...",
    ".......#ooo#oooooooooooooooo#...",
    "........#ooooooooooooooooooo#...",
    ".........#oooooooooooooooooo#...",
    "..........#ooooooooooooooooo#...",
    "..........#oooooooooooooooo#....",
    "...........#ooooooooooooooo#....",
    "............#oooooooooooooo#....",
    ".............#oooooooooooo#.....",
    ".............#oooooooooooo#.....",
    ".............#oooooooooooo#.....",
    ".............##############.....",
    "................................",
    "................................",
    "................................",
]


# --- File formats -----------------------------------------------------------

def bmp_rows_24(rows):
    """Bottom-up 24-bit rows, each padded to a multiple of four bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (-len(line) % 4)
        out += line
    return bytes(out)


def info_header(width, height, bit_count, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0, image_size, 0, 0, 0, 0)


def bmp_file(rows):
    width, height = len(rows[0]), len(rows)
    pixels = bmp_rows_24(rows)
    header = info_header(width, height, 24, len(pixels))
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + pixels


def mask_rows(transparent_rows):
    """1-bit AND mask, bottom-up, rows padded to 32 bits; 1 = transparent."""
    out = bytearray()
    for row in reversed(transparent_rows):
        bits = 0
        for x, transparent in enumerate(row):
            if transparent:
                bits |= 1 << (7 - x % 8) << (8 * (x // 8))
        row_bytes = ((len(row) + 31) // 32) * 4
        out += bits.to_bytes(row_bytes, "little")
    return bytes(out)


def icon_dib(rows):
    """32-bit icon image: header (double height), BGRA rows, AND mask."""
    size = len(rows)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    # Systems that ignore alpha fall back to the mask.
    mask = mask_rows([[a < 128 for (_, _, _, a) in row] for row in rows])
    return info_header(size, size * 2, 32, len(colour) + len(mask)) + bytes(colour) + mask


def opaque(pixel):
    return pixel[3] >= 128


def colour_distance(a, b):
    return sum((x - y) * (x - y) for x, y in zip(a, b))


BLACK = (0, 0, 0)


def popular_palette(rows, count):
    """Up to count colours for the opaque pixels: the average colour of each
    of the most frequent boxes of 16 levels per channel, the most frequent
    first, ties broken by the box, so that the result is deterministic."""
    boxes = {}
    for row in rows:
        for pixel in row:
            if opaque(pixel):
                key = tuple(c >> 4 for c in pixel[:3])
                total = boxes.setdefault(key, [0, 0, 0, 0])
                for i in range(3):
                    total[i] += pixel[i]
                total[3] += 1
    chosen = sorted(boxes.items(), key=lambda item: (-item[1][3], item[0]))[:count]
    return [tuple((t[i] + t[3] // 2) // t[3] for i in range(3)) for _, t in chosen]


def paletted_icon_dib(rows, bit_count, palette):
    """Paletted icon image: header (double height), the whole palette, the
    rows as indices of the nearest colour, and the AND mask. Transparent
    pixels are index 0 under a set mask bit: entry 0 must be black, for the
    system XORs the colour of a masked pixel onto the background."""
    assert palette[0] == BLACK, "a masked pixel would tint the background"
    size = len(rows)
    entries = list(palette) + [(0, 0, 0)] * ((1 << bit_count) - len(palette))
    nearest = {}

    def index_of(pixel):
        if not opaque(pixel):
            return 0
        colour = pixel[:3]
        if colour not in nearest:
            nearest[colour] = min(range(len(palette)), key=lambda i: (colour_distance(colour, palette[i]), i))
        return nearest[colour]

    colour_rows = bytearray()
    per_byte = 8 // bit_count
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, size, per_byte):
            value = 0
            for pixel in row[x:x + per_byte]:
                value = (value << bit_count) | index_of(pixel)
            line.append(value)
        line += b"\0" * (-len(line) % 4)
        colour_rows += line
    mask = mask_rows([[not opaque(pixel) for pixel in row] for row in rows])
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in entries)
    header = info_header(size, size * 2, bit_count, len(colour_rows) + len(mask))
    return header + table + bytes(colour_rows) + mask


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_file(rows):
    """8-bit RGBA PNG. Every row is stored unfiltered: the art is mostly flat
    colour, which deflate packs better raw than after any PNG filter."""
    width, height = len(rows[0]), len(rows)
    raw = b"".join(b"\x00" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def ico_file(images):
    """images: (size, bits per pixel, bytes) in directory order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, blobs = b"", b""
    for size, bit_count, blob in images:
        side = size if size < 256 else 0
        colours = 16 if bit_count == 4 else 0
        entries += struct.pack("<BBBBHHII", side, side, colours, 0, 1, bit_count, len(blob),
                               offset + len(blobs))
        blobs += blob
    return directory + entries + blobs


def cur_file(picture, hot_spot):
    """Monochrome cursor: XOR rows (1 = white) and AND mask (1 = transparent)."""
    size = len(picture)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    xor = mask_rows([[c == "o" for c in row] for row in picture])
    and_mask = mask_rows([[c == "." for c in row] for row in picture])
    image = info_header(size, size * 2, 1, len(xor) + len(and_mask)) + palette + xor + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hot_spot[0], hot_spot[1], len(image), 6 + 16)
    return directory + entry + image


# --- The set of files ---------------------------------------------------------

def icon_images(drawn):
    """drawn: size -> rows. Old systems read only DIB images; PNG keeps the
    large ones small. The paletted images follow the 32-bit ones."""
    images = [(size, 32, icon_dib(drawn[size]) if size in ICON_DIB_SIZES else png_file(drawn[size]))
              for size in ICON_SIZES]
    images += [(size, 8, paletted_icon_dib(drawn[size], 8, [BLACK] + popular_palette(drawn[size], 255)))
               for size in ICON_8BIT_SIZES]
    images += [(size, 4, paletted_icon_dib(drawn[size], 4, VGA_PALETTE)) for size in ICON_4BIT_SIZES]
    return images


def art_files():
    """File name -> (bytes, rows for a preview or None)."""
    bitmaps = {
        "bullet_primary.bmp": draw_bullet(PRIMARY_BLUE),
        "bullet_secondary.bmp": draw_bullet(SECONDARY_ORANGE),
        "bullet_exit.bmp": draw_bullet(EXIT_RED),
        "arrow_up.bmp": draw_up_arrow(),
        "arrow_up_pressed.bmp": draw_up_arrow_pressed(),
        "arrow_down.bmp": draw_down_arrow(),
        "arrow_down_pressed.bmp": draw_down_arrow_pressed(),
        "thumb_top.bmp": draw_thumb_top(),
        "thumb_bottom.bmp": draw_thumb_bottom(),
        "thumb_middle.bmp": draw_thumb_middle(),
    }
    files = {name: (bmp_file(rows), rows) for name, rows in bitmaps.items()}
    drawn = {size: draw_icon(size) for size in ICON_SIZES}
    files["kiveron.ico"] = (ico_file(icon_images(drawn)), drawn[256])
    hand = [[{"#": (0, 0, 0, 255), "o": (255, 255, 255, 255), ".": (0, 0, 0, 0)}[c] for c in row] for row in HAND]
    files["hand.cur"] = (cur_file(HAND, HAND_HOT_SPOT), hand)
    return files


def write_preview(folder, name, rows, scale=8):
    """An enlarged PNG for looking at the art; white shows through alpha."""
    scale = max(1, scale if len(rows) <= 48 else 2)
    enlarged = []
    for row in rows:
        line = []
        for pixel in row:
            if len(pixel) == 4:
                pixel = mix(WHITE, pixel[:3], pixel[3] / 255.0)
            line += [tuple(pixel) + (255,)] * scale
        enlarged += [line] * scale
    with open(os.path.join(folder, name + ".png"), "wb") as out:
        out.write(png_file(enlarged))


# --- Checking -----------------------------------------------------------------

def inflate_png_data(blob):
    """The PNG's chunks with IDAT replaced by its inflated bytes, or None."""
    if not blob.startswith(b"\x89PNG\r\n\x1a\n"):
        return None
    chunks, at = [], 8
    while at < len(blob):
        length, = struct.unpack(">I", blob[at:at + 4])
        kind, data = blob[at + 4:at + 8], blob[at + 8:at + 8 + length]
        chunks.append((kind, zlib.decompress(data) if kind == b"IDAT" else data))
        at += 12 + length
    return chunks


def ico_images(blob):
    count, = struct.unpack("<H", blob[4:6])
    images = []
    for i in range(count):
        entry = blob[6 + 16 * i:22 + 16 * i]
        size, offset = struct.unpack("<II", entry[8:16])
        images.append((entry[:8], blob[offset:offset + size]))
    return images


def same_art(expected, found):
    """True when the bytes match, or differ only in how zlib packed equal PNG
    pixels (another zlib build may pack the same data differently)."""
    if expected == found:
        return True
    if expected[:4] != b"\0\0\1\0" or found[:4] != b"\0\0\1\0":
        return False
    try:
        ours, theirs = ico_images(expected), ico_images(found)
    except (struct.error, ValueError):
        return False
    if len(ours) != len(theirs):
        return False
    for (entry_a, image_a), (entry_b, image_b) in zip(ours, theirs):
        if entry_a != entry_b:
            return False
        if image_a != image_b:
            try:
                if inflate_png_data(image_a) is None or inflate_png_data(image_a) != inflate_png_data(image_b):
                    return False
            except zlib.error:
                return False
    print("note: kiveron.ico differs only in zlib packing; its pixels are the same")
    return True


def check(files):
    stale = []
    for name, (data, _) in sorted(files.items()):
        path = os.path.join(ART_DIR, name)
        try:
            with open(path, "rb") as existing:
                found = existing.read()
        except OSError:
            found = None
        if found is None or not same_art(data, found):
            stale.append(name)
    committed = sorted(f for f in os.listdir(ART_DIR) if not f.startswith("."))
    unknown = [f for f in committed if f not in files]
    for name in stale:
        print(f"resources/art/{name} is not what tools/make_art.py draws")
    for name in unknown:
        print(f"resources/art/{name} is not drawn by tools/make_art.py")
    if stale or unknown:
        print("run: python3 tools/make_art.py")
        return 1
    print(f"{len(files)} art files match tools/make_art.py")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNG previews")
    args = parser.parse_args()
    files = art_files()
    if args.check:
        return check(files)
    os.makedirs(ART_DIR, exist_ok=True)
    for name, (data, rows) in files.items():
        with open(os.path.join(ART_DIR, name), "wb") as out:
            out.write(data)
        if args.preview:
            os.makedirs(args.preview, exist_ok=True)
            write_preview(args.preview, name, rows)
    print(f"wrote {len(files)} files to resources/art")
    return 0


if __name__ == "__main__":
    sys.exit(main())

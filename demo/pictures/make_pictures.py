#!/usr/bin/env python3
"""Makes the demonstration form's three pictures as BMP files.

wood_tile.bmp   400 x 400, 24 bits: seamless light-brown horizontal planks
pictogram.bmp    19 x 20,  4 bits (standard 16 colours): black and white
                 pictogram on olive, bottom-left pixel olive
marble.bmp       89 x 40, 24 bits: light blue-grey marbled face

The pictures are deterministic (fixed seeds), so running this again gives the
same bytes. Run from anywhere; `make_pictures.py --form demo/Unit1.form`
also writes them into the form description.
"""
import math
import random
import struct


def bmp24(width, height, pixel):
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
             (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
             (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def bmp4(width, height, index):
    row_size = ((width + 1) // 2 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(0, width, 2):
            hi = index(x, y)
            lo = index(x + 1, y) if x + 1 < width else 0
            row.append((hi << 4) | lo)
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    return header + info + palette + data


def periodic_noise(seed, size, octaves):
    """Smooth value noise that wraps round at `size` in both directions."""
    rnd = random.Random(seed)
    layers = []
    for cells in octaves:
        grid = [[rnd.random() for _ in range(cells)] for _ in range(cells)]
        layers.append((cells, grid))

    def smooth(t):
        return t * t * (3 - 2 * t)

    def value(x, y):
        total, weight = 0.0, 0.0
        for i, (cells, grid) in enumerate(layers):
            fx, fy = x * cells / size, y * cells / size
            x0, y0 = int(fx) % cells, int(fy) % cells
            x1, y1 = (x0 + 1) % cells, (y0 + 1) % cells
            tx, ty = smooth(fx - int(fx)), smooth(fy - int(fy))
            top = grid[y0][x0] * (1 - tx) + grid[y0][x1] * tx
            bottom = grid[y1][x0] * (1 - tx) + grid[y1][x1] * tx
            w = 1.0 / (i + 1)
            total += (top * (1 - ty) + bottom * ty) * w
            weight += w
        return total / weight

    return value


def wood_tile():
    size = 400
    plank = 50  # eight planks a tile, seams at multiples of 50
    grain = periodic_noise(7, size, [4, 16, 50])
    rings = periodic_noise(11, size, [8, 25])
    rnd = random.Random(3)
    shades = [0.92 + 0.16 * rnd.random() for _ in range(size // plank)]
    joints = [rnd.randrange(size) for _ in range(size // plank)]

    def pixel(x, y):
        p = y // plank
        v = y % plank
        if v == 0:
            return (122, 84, 48)  # the dark seam between planks
        if v == 1:
            return (214, 170, 118)  # the lit upper edge of a plank
        if (x - joints[p]) % size in (0, 1):
            return (134, 94, 56)  # the butt joint of two boards
        stripes = 0.5 + 0.5 * math.sin((y + 9 * rings(x, y)) * 0.55 + 6 * grain(x, y))
        light = shades[p] * (0.86 + 0.14 * stripes) * (0.94 + 0.12 * grain(x * 3 % size, y))
        r, g, b = 205 * light, 158 * light, 104 * light
        return (min(255, int(r)), min(255, int(g)), min(255, int(b)))

    return bmp24(size, size, pixel)


def pictogram():
    # A little figure: a white circle head, a black body with arms, on olive.
    W, H = 19, 20
    OLIVE, BLACK, WHITE = 3, 0, 15

    def index(x, y):
        if x >= W:
            return 0
        cx = 9
        if (x - cx) ** 2 + (y - 4) ** 2 <= 9:
            return WHITE if (x - cx) ** 2 + (y - 4) ** 2 <= 4 else BLACK
        if 8 <= y <= 13 and 7 <= x <= 11:
            return BLACK
        if y == 9 and 3 <= x <= 15:
            return BLACK
        if 14 <= y <= 18 and x in (7, 8, 10, 11):
            return BLACK
        if y == 19 or x == 0:
            return OLIVE
        return OLIVE

    return bmp4(W, H, index)


def marble():
    W, H = 89, 40
    veins = periodic_noise(5, 120, [3, 9, 27])

    def pixel(x, y):
        t = math.sin((x * 0.09 + y * 0.05) * 3 + 7 * veins(x, y))
        v = 0.5 + 0.5 * t
        base = (196, 206, 220)
        dark = (150, 164, 186)
        c = [int(d + (b - d) * (0.35 + 0.65 * v)) for b, d in zip(base, dark)]
        return tuple(c)

    return bmp24(W, H, pixel)


def stored_block(bmp, indent):
    """A bitmap property's binary value as the form text stores it: a 32-bit
    little-endian byte count and the BMP file, in hexadecimal, 32 bytes a line."""
    data = struct.pack("<I", len(bmp)) + bmp
    hexed = data.hex().upper()
    lines = [indent + hexed[i:i + 64] for i in range(0, len(hexed), 64)]
    return "{\n" + "\n".join(lines) + "}"


def put_in_form(text, component, prop, bmp):
    """Replaces `prop = {...}` inside `object component: ...` of a form text."""
    start = text.index("object %s: " % component)
    key = " %s = {" % prop
    at = text.index(key, start)
    line_start = text.rindex("\n", 0, at) + 1
    indent = " " * (at - line_start + 1 + 2)
    end = text.index("}", at) + 1
    return text[:at + len(key) - 1] + stored_block(bmp, indent) + text[end:]


# The pictures each control of the demonstration form carries.
FORM_PICTURES = (
    ("OrvoBackground1", "TileImage.Data", "wood_tile.bmp"),
    ("OrvoButton1", "Glyph.Data", "pictogram.bmp"),
    ("OrvoButton1", "Image.Data", "marble.bmp"),
)


if __name__ == "__main__":
    import os
    import sys

    here = os.path.dirname(os.path.abspath(__file__))
    made = {"wood_tile.bmp": wood_tile(), "pictogram.bmp": pictogram(), "marble.bmp": marble()}
    for name, data in made.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)
        print(name, len(data))
    # With --form, the form description gets the same bytes.
    if len(sys.argv) == 3 and sys.argv[1] == "--form":
        with open(sys.argv[2]) as f:
            form = f.read()
        for component, prop, name in FORM_PICTURES:
            form = put_in_form(form, component, prop, made[name])
        with open(sys.argv[2], "w") as f:
            f.write(form)
        print("pictures written into", sys.argv[2])

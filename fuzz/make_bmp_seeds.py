#!/usr/bin/env python3
"""Writes the BMP decoder's seed corpus: small pictures of every depth the
decoder reads (1, 4, 8, 16 and 32 bits with and without colour masks, 24
bits), bottom-up and top-down, with widths that need row padding, and one
with the OS/2 core header. Run from anywhere; writes fuzz/corpus/bmp/.
The found-* files beside them are the minimised inputs of long fuzzing runs
(libFuzzer -merge=1), kept so that a short run starts where those ended."""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "bmp")


def stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def pack_row(values, bits):
    """Packs one row of palette indices or pixel words, padded to 4 bytes."""
    out = bytearray()
    if bits < 8:
        acc, used = 0, 0
        for v in values:
            acc = (acc << bits) | v
            used += bits
            if used == 8:
                out.append(acc)
                acc, used = 0, 0
        if used:
            out.append(acc << (8 - used))
    else:
        for v in values:
            out += v.to_bytes(bits // 8, "little")
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def info_file(width, height, bits, rows, palette=(), masks=(), compression=0, used=0):
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression,
                         len(rows), 3780, 3780, used, 0)
    extra = b"".join(struct.pack("<I", m) for m in masks)
    extra += b"".join(struct.pack("<I", c) for c in palette)
    off = 14 + len(header) + len(extra)
    return b"BM" + struct.pack("<IHHI", off + len(rows), 0, 0, off) + header + extra + rows


def core_file(width, height, bits, rows, palette):
    header = struct.pack("<IHHHH", 12, width, height, 1, bits)
    extra = b"".join(struct.pack("<I", c)[:3] for c in palette)
    off = 14 + len(header) + len(extra)
    return b"BM" + struct.pack("<IHHI", off + len(rows), 0, 0, off) + header + extra + rows


def picture(width, height, bits, pixel, top_down=False):
    """Rows as stored (bottom-up unless top_down) of pixel(x, y) values."""
    order = range(height) if top_down else reversed(range(height))
    return b"".join(pack_row([pixel(x, y) for x in range(width)], bits) for y in order)


def seeds():
    grey16 = [(i * 17) * 0x10101 for i in range(16)]
    ramp256 = [((i * 7) & 255) << 16 | ((i * 13) & 255) << 8 | i for i in range(256)]
    yield "1bit_5x3.bmp", info_file(5, 3, 1, picture(5, 3, 1, lambda x, y: (x + y) & 1), [0x000000, 0xFFFFFF])
    yield "4bit_7x4.bmp", info_file(7, 4, 4, picture(7, 4, 4, lambda x, y: (x * 3 + y) % 16), grey16)
    yield "4bit_topdown_3x2.bmp", info_file(3, -2, 4, picture(3, 2, 4, lambda x, y: x + 4 * y, True), grey16)
    yield "8bit_6x3_short_palette.bmp", info_file(6, 3, 8, picture(6, 3, 8, lambda x, y: (x + y) % 20),
                                                 ramp256[:20], used=20)
    yield "8bit_4x4.bmp", info_file(4, 4, 8, picture(4, 4, 8, lambda x, y: x * 60 + y), ramp256)
    yield "16bit_555_5x2.bmp", info_file(5, 2, 16, picture(5, 2, 16, lambda x, y: (x << 10) | (y << 5) | (x + y)))
    yield "16bit_565_3x3.bmp", info_file(3, 3, 16, picture(3, 3, 16, lambda x, y: (x << 11) | (y << 6) | 31),
                                        masks=(0xF800, 0x07E0, 0x001F), compression=3)
    yield "24bit_3x2.bmp", info_file(3, 2, 24, picture(3, 2, 24, lambda x, y: (x * 80) << 16 | (y * 120) << 8 | 40))
    yield "24bit_topdown_2x2.bmp", info_file(2, -2, 24, picture(2, 2, 24, lambda x, y: 0xFF << (8 * (x + y)), True))
    yield "32bit_3x2.bmp", info_file(3, 2, 32, picture(3, 2, 32, lambda x, y: 0xFF000000 | (x * 90) << 8 | y * 200))
    yield "32bit_masks_2x3.bmp", info_file(2, 3, 32, picture(2, 3, 32, lambda x, y: (x * 200) << 24 | (y * 90) << 8),
                                          masks=(0xFF000000, 0x00FF0000, 0x0000FF00), compression=3)
    yield "8bit_core_3x2.bmp", core_file(3, 2, 8, picture(3, 2, 8, lambda x, y: x + y), ramp256)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the updater's icon (icon 101) and writes it as a .ico file.

A blue rounded square with a white arrow pointing down onto a bar: "an update
arrives". Sizes 16, 32 and 48, 32-bit colour with alpha.

    make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZES = (16, 32, 48)
TOP = (0x2E, 0x8B, 0xEF)     # colour at the top edge (RGB)
BOTTOM = (0x14, 0x4F, 0xB0)  # colour at the bottom edge
WHITE = (0xFF, 0xFF, 0xFF)


def inside_rounded_square(x, y, n):
    r = n * 0.22
    cx = min(max(x, r), n - r)
    cy = min(max(y, r), n - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def on_arrow(x, y, n):
    """The arrow: a shaft, a head and a bar under it, in unit coordinates."""
    u, v = x / n, y / n
    shaft = 0.42 <= u <= 0.58 and 0.18 <= v <= 0.52
    head = 0.46 <= v <= 0.70 and abs(u - 0.5) <= (0.70 - v) * 1.15
    bar = 0.24 <= u <= 0.76 and 0.76 <= v <= 0.84
    return shaft or head or bar


def pixel(x, y, n):
    """RGBA of the pixel whose centre is (x + 0.5, y + 0.5)."""
    px, py = x + 0.5, y + 0.5
    if not inside_rounded_square(px, py, n):
        return (0, 0, 0, 0)
    if on_arrow(px, py, n):
        return WHITE + (0xFF,)
    t = py / n
    rgb = tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM))
    return rgb + (0xFF,)


def bitmap(n):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA rows, AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((n + 31) // 32) * 4
    for y in reversed(range(n)):
        row = bytearray()
        mask = bytearray(mask_stride)
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            row += bytes((b, g, r, a))
            if a == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    return header + b"".join(rows) + b"".join(mask_rows)


def icon_file():
    images = [bitmap(n) for n in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(icon_file())

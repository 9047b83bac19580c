#!/usr/bin/env python3
"""Draws the PNG images of the skin package into files/.

Flat images in the colours of the windows: the blue title bar (#1694FF) and
the light body (#F8F8F8). Shapes are drawn here with anti-aliasing; button
labels are rendered by ImageMagick (`convert`) with the WenQuanYi Micro Hei
font (Debian package fonts-wqy-microhei). The output is byte-for-byte the same
on every run, so regenerated images only change when this script does.

Usage: skin/package/make_images.py   (writes skin/package/files/*.png)
"""

import pathlib
import struct
import subprocess
import zlib

FILES = pathlib.Path(__file__).resolve().parent / "files"
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
LABEL_PIXELS = 12
SAMPLES = 4  # per axis, for anti-aliased edges

BLUE = (0x16, 0x94, 0xFF)
BLUE_LIGHT = (0x45, 0xA9, 0xFF)
BLUE_DARK = (0x0E, 0x78, 0xD8)
BLUE_DEEP = (0x0B, 0x5E, 0xB0)
WHITE = (0xFF, 0xFF, 0xFF)
BLACK = (0x00, 0x00, 0x00)
GREY_BORDER = (0xC8, 0xCD, 0xD4)
GREY_TEXT = (0x4A, 0x50, 0x58)
TINT_HOT = (0xEE, 0xF6, 0xFF)
TINT_PUSHED = (0xDB, 0xEB, 0xFB)
TRACK = (0xDD, 0xE3, 0xEA)


class Canvas:
    """Straight-alpha RGBA pixels, painted with the 'over' operator."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0:
            return
        dst = self.pixels[y * self.width + x]
        out_alpha = alpha + dst[3] * (1.0 - alpha)
        for c in range(3):
            dst[c] = (colour[c] * alpha + dst[c] * dst[3] * (1.0 - alpha)) / out_alpha
        dst[3] = out_alpha

    def fill(self, inside, colour, opacity=1.0):
        """Covers every pixel by the share of its sub-samples that inside() accepts."""
        step = 1.0 / SAMPLES
        for y in range(self.height):
            for x in range(self.width):
                hits = sum(
                    1
                    for sy in range(SAMPLES)
                    for sx in range(SAMPLES)
                    if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step)
                )
                self.blend(x, y, colour, opacity * hits / (SAMPLES * SAMPLES))

    def stamp(self, mask, mask_width, mask_height, colour):
        """Lays a coverage mask (0..255 per pixel) centred on the canvas."""
        left = (self.width - mask_width) // 2
        top = (self.height - mask_height) // 2
        for my in range(mask_height):
            for mx in range(mask_width):
                x, y = left + mx, top + my
                if 0 <= x < self.width and 0 <= y < self.height:
                    self.blend(x, y, colour, mask[my * mask_width + mx] / 255.0)

    def png(self):
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)  # filter: none
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                rows += bytes(round(min(max(v, 0.0), 255.0)) for v in (r, g, b, a * 255.0))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def rounded_rect(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x < right and top <= y < bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def ring(outer, inner):
    return lambda x, y: outer(x, y) and not inner(x, y)


def segment(x0, y0, x1, y1, half_width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = min(max(((x - x0) * dx + (y - y0) * dy) / length2, 0.0), 1.0)
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half_width ** 2
    return inside


def label_mask(text):
    """Coverage of the text rendered white on black and cut to its ink, as (bytes, width, height)."""
    pgm = subprocess.run(
        ["convert", "-background", "black", "-fill", "white", "-font", FONT,
         "-pointsize", str(LABEL_PIXELS), "label:" + text, "-trim", "+repage", "-depth", "8", "pgm:-"],
        check=True, capture_output=True).stdout
    fields = pgm.split(maxsplit=4)  # P5, width, height, maxval, pixels
    width, height = int(fields[1]), int(fields[2])
    return pgm[len(pgm) - width * height:], width, height


# Button faces: (fill, border or None, label colour) per look.
PRIMARY = {
    "n": (BLUE, None, WHITE),
    "h": (BLUE_LIGHT, None, WHITE),
    "p": (BLUE_DARK, None, WHITE),
}
SECONDARY = {
    "n": (WHITE, GREY_BORDER, GREY_TEXT),
    "h": (TINT_HOT, BLUE, BLUE),
    "p": (TINT_PUSHED, BLUE_DARK, BLUE_DARK),
}
# The program draws this face's text: black normally, white when hot, light
# grey-beige when pushed; the faces keep each of those readable.
PLAIN = {
    "n": (WHITE, GREY_BORDER, None),
    "h": (BLUE, None, None),
    "p": (BLUE_DEEP, None, None),
}


def button(width, height, look, text):
    fill, border, text_colour = look
    canvas = Canvas(width, height)
    radius = 3.0
    outer = rounded_rect(0, 0, width, height, radius)
    canvas.fill(outer, fill)
    if border is not None:
        canvas.fill(ring(outer, rounded_rect(1, 1, width - 1, height - 1, radius - 1)), border)
    if text is not None and text_colour is not None:
        canvas.stamp(*label_mask(text), text_colour)
    return canvas


def close_button(state):
    """A white cross for the blue title bar; a soft disc behind it when hot or pushed."""
    canvas = Canvas(14, 14)
    disc = rounded_rect(0, 0, 14, 14, 7.0)
    if state == "h":
        canvas.fill(disc, WHITE, 0.25)
    elif state == "p":
        canvas.fill(disc, BLACK, 0.18)
    cross_opacity = 0.9 if state == "n" else 1.0
    canvas.fill(lambda x, y: segment(4, 4, 10, 10, 0.75)(x, y) or segment(10, 4, 4, 10, 0.75)(x, y),
                WHITE, cross_opacity)
    return canvas


def solid(width, height, colour):
    canvas = Canvas(width, height)
    canvas.fill(lambda x, y: True, colour)
    return canvas


def images():
    yield "progress_bg.png", solid(40, 2, TRACK)
    yield "progress_fg.png", solid(40, 2, BLUE)
    for state in "nhp":
        yield f"btn_close_{state}.png", close_button(state)
        yield f"btn_skip_{state}.png", button(71, 26, SECONDARY[state], "跳过")
        yield f"btn_install_{state}.png", button(71, 26, PRIMARY[state], "立即安装")
        yield f"btn_cancel_{state}.png", button(72, 24, SECONDARY[state], "取消")
        yield f"btn_common_{state}.png", button(71, 26, PLAIN[state], None)
        yield f"btn_launch_{state}.png", button(71, 26, PRIMARY[state], "立即打开")
        yield f"btn_confirm_{state}.png", button(72, 24, PRIMARY[state], "确定")


def main():
    FILES.mkdir(exist_ok=True)
    for name, canvas in images():
        (FILES / name).write_bytes(canvas.png())
        print(f"{name}: {canvas.width} x {canvas.height}")


if __name__ == "__main__":
    main()

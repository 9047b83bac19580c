"""Small PNG files written from Python, for test skins."""
import struct
import zlib


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def rgba_png(width, height, pixel):
    """An 8-bit RGBA PNG; pixel(x, y) gives (r, g, b, a)."""
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            _chunk(b"IDAT", zlib.compress(rows)) + _chunk(b"IEND", b""))


def solid_png(width, height, rgba):
    return rgba_png(width, height, lambda x, y: rgba)

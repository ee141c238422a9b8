#!/usr/bin/env python3
"""Regenerates picture.txt: a small landscape PNG deliberately saved under the
wrong extension, so the demo shows straight away that its real type is png.

Usage: python3 make_picture.py [output path]   (default: picture.txt next to this script)
Only the standard library is used, so it runs anywhere python3 does.
"""
import math
import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 96, 64
SUPERSAMPLE = 4  # per axis; smooths the sun's rim and the hill crests

SKY_TOP = (74, 144, 226)
SKY_HORIZON = (255, 214, 165)
SUN_CENTRE, SUN_RADIUS, SUN_COLOUR = (70.0, 19.0), 8.5, (255, 214, 64)
GLOW_RADIUS = 20.0
# (base height, [(amplitude, wavelength, phase)], colour) — far range first so near ones paint over it
HILLS = [
    (40.0, [(4.0, 53.0, 0.8), (2.0, 23.0, 2.1)], (126, 184, 126)),
    (50.0, [(5.0, 71.0, 3.9), (1.5, 17.0, 0.4)], (62, 142, 65)),
]


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def hill_top(hill, x):
    base, waves, _ = hill
    return base - sum(a * math.sin(2 * math.pi * x / length + phase) for a, length, phase in waves)


def sky_colour(x, y):
    colour = lerp(SKY_TOP, SKY_HORIZON, min(1.0, y / (HEIGHT * 0.75)))
    distance = math.hypot(x - SUN_CENTRE[0], y - SUN_CENTRE[1])
    if distance < SUN_RADIUS:
        return SUN_COLOUR
    glow = max(0.0, 1.0 - (distance - SUN_RADIUS) / GLOW_RADIUS) ** 2 * 0.6
    return lerp(colour, SUN_COLOUR, glow)


def sample(x, y):
    for hill in reversed(HILLS):
        if y >= hill_top(hill, x):
            return hill[2]
    return sky_colour(x, y)


def pixel(px, py):
    step = 1.0 / SUPERSAMPLE
    total = [0.0, 0.0, 0.0]
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            colour = sample(px + (sx + 0.5) * step, py + (sy + 0.5) * step)
            for i in range(3):
                total[i] += colour[i]
    return bytes(round(c / SUPERSAMPLE ** 2) for c in total)


def render():
    return [b"".join(pixel(x, y) for x in range(WIDTH)) for y in range(HEIGHT)]


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filter_row(kind, row, above, bpp=3):
    out = bytearray(len(row))
    for i, value in enumerate(row):
        a = row[i - bpp] if i >= bpp else 0
        b = above[i]
        c = above[i - bpp] if i >= bpp else 0
        predictor = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
        out[i] = (value - predictor) & 0xFF
    return bytes([kind]) + bytes(out)


def cost(filtered):
    # the usual heuristic: small signed residuals compress best
    return sum(v if v < 128 else 256 - v for v in filtered[1:])


def encode_rows(rows):
    above = bytes(len(rows[0]))
    encoded = []
    for row in rows:
        encoded.append(min((filter_row(k, row, above) for k in range(5)), key=cost))
        above = row
    return b"".join(encoded)


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_bytes(rows):
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)  # 8-bit truecolour
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(encode_rows(rows), 9)) + chunk(b"IEND", b""))


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "picture.txt")
    with open(target, "wb") as f:
        f.write(png_bytes(render()))


if __name__ == "__main__":
    main()

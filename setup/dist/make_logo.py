#!/usr/bin/env python3
"""Draws logo.bmp, the picture of the distribution's background screen: a
survey cross-section (stations, a ground and a design profile) as the
converter files it, 24-bit, 128 x 128.

The file is checked in; run this script again after changing the picture.
"""
import math
import os
import struct

SIZE = 128
BACKGROUND = (16, 40, 72)
STATION = (70, 110, 150)
GROUND = (150, 220, 120)
DESIGN = (255, 255, 255)
VERTEX = (255, 210, 80)

pixels = [[BACKGROUND] * SIZE for _ in range(SIZE)]


def put(x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        pixels[y][x] = colour


def line(x0, y0, x1, y1, colour, width=1):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        for dx in range(width):
            for dy in range(width):
                put(x + dx, y + dy, colour)


def dot(x, y, colour):
    for dx in range(-2, 3):
        for dy in range(-2, 3):
            if dx * dx + dy * dy <= 5:
                put(x + dx, y + dy, colour)


stations = [16 + 24 * i for i in range(5)]
for x in stations:
    line(x, 14, x, 114, STATION)
ground = [(x, round(70 + 18 * math.sin(x / 19.0))) for x in range(12, 117)]
for (x0, y0), (x1, y1) in zip(ground, ground[1:]):
    line(x0, y0, x1, y1, GROUND, 2)
design = [(12, 88), (40, 60), (88, 60), (116, 88)]
for (x0, y0), (x1, y1) in zip(design, design[1:]):
    line(x0, y0, x1, y1, DESIGN, 2)
for x in stations:
    dot(x, round(70 + 18 * math.sin(x / 19.0)), VERTEX)

row = SIZE * 3  # a multiple of 4 already
data = b"".join(bytes(c for (r, g, b) in reversed_row for c in (b, g, r)) for reversed_row in reversed(pixels))
info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "logo.bmp"), "wb") as out:
    out.write(header + info + data)

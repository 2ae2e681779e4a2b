#!/usr/bin/env python3
"""Draws the program's pictures as 16-colour pixel art and writes them here:

  ref_setu.bmp, ref_setd.bmp, ref_setf.bmp  browse button, 22 x 21: normal, pressed, focused
  trenvika.ico                               application icon, 32 x 32 and 16 x 16

The files are checked in; run this script again after changing a picture.
"""
import os
import struct

# The standard 16-colour palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, OLIVE, NAVY, SILVER, GRAY, RED, YELLOW, BLUE, WHITE = 0, 1, 3, 4, 7, 8, 9, 11, 12, 15
CLEAR = -1  # transparent (icons only)

HERE = os.path.dirname(os.path.abspath(__file__))


class Canvas:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def hline(self, x0, x1, y, colour):
        self.rect(x0, y, x1, y, colour)

    def vline(self, x, y0, y1, colour):
        self.rect(x, y0, x, y1, colour)

    def line(self, x0, y0, x1, y1, colour, thick=1):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.rect(x0, y0, x0 + thick - 1, y0 + thick - 1, colour)
            if (x0, y0) == (x1, y1):
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def sprite(self, x0, y0, rows, colours):
        for y, row in enumerate(rows):
            for x, key in enumerate(row):
                if key in colours:
                    self.put(x0 + x, y0 + y, colours[key])


# --- browse button -----------------------------------------------------------

FOLDER = [
    ".oooo.......",
    "oyyyyoooooo.",
    "owwwwwwwwwwo",
    "oyyyyyyyyyyo",
    "oyyyyyyyyyyo",
    "oyyyyyyyyyyo",
    "oyyyyyyyyyyo",
    "oooooooooooo",
]
FOLDER_COLOURS = {"o": OLIVE, "y": YELLOW, "w": WHITE}


def button(state):
    w, h = 22, 21
    c = Canvas(w, h, SILVER)
    shift = 1 if state == "pressed" else 0
    if state == "pressed":
        # sunken: shadow top-left, light bottom-right
        c.hline(0, w - 1, 0, GRAY)
        c.vline(0, 0, h - 1, GRAY)
        c.hline(1, w - 2, 1, BLACK)
        c.vline(1, 1, h - 2, BLACK)
        c.hline(0, w - 1, h - 1, WHITE)
        c.vline(w - 1, 0, h - 1, WHITE)
    else:
        inset = 1 if state == "focused" else 0
        if state == "focused":
            c.rect(0, 0, w - 1, h - 1, BLACK)
            c.rect(1, 1, w - 2, h - 2, SILVER)
        left, top, right, bottom = inset, inset, w - 1 - inset, h - 1 - inset
        c.hline(left, right - 1, top, WHITE)
        c.vline(left, top, bottom - 1, WHITE)
        c.hline(left, right, bottom, BLACK)
        c.vline(right, top, bottom, BLACK)
        c.hline(left + 1, right - 1, bottom - 1, GRAY)
        c.vline(right - 1, top + 1, bottom - 1, GRAY)
    fx, fy = (w - len(FOLDER[0])) // 2 + shift, (h - len(FOLDER)) // 2 + shift
    c.sprite(fx, fy, FOLDER, FOLDER_COLOURS)
    if state == "focused":
        # dotted focus rectangle around the picture
        for x in range(3, w - 3, 2):
            c.put(x, 3, BLACK)
            c.put(x, h - 4, BLACK)
        for y in range(3, h - 3, 2):
            c.put(3, y, BLACK)
            c.put(w - 4, y, BLACK)
    return c


# --- application icon: a drawing sheet with a 3D polyline ----------------------

def icon(size):
    c = Canvas(size, size, CLEAR)
    if size == 32:
        left, top, right, bottom, fold = 4, 2, 27, 29, 6
        grid = range(8, 27, 5)
        points = [(7, 23), (11, 14), (16, 19), (20, 10), (24, 15)]
        thick, mark = 2, 3
    else:
        left, top, right, bottom, fold = 2, 1, 13, 14, 4
        grid = range(5, 13, 4)
        points = [(4, 11), (6, 6), (9, 9), (12, 4)]
        thick, mark = 1, 2
    c.rect(left, top, right, bottom, WHITE)
    for g in grid:
        c.hline(left + 1, right - 1, g, SILVER)
        c.vline(g, top + 1, bottom - 1, SILVER)
    # outline with a folded top-right corner
    c.hline(left, right - fold, top, GRAY)
    c.vline(left, top, bottom, GRAY)
    c.hline(left, right, bottom, GRAY)
    c.vline(right, top + fold, bottom, GRAY)
    for i in range(fold + 1):
        for x in range(right - fold, right + 1):
            if x - (right - fold) > i:
                c.put(x, top + i, CLEAR)  # cut off above the diagonal
            elif x - (right - fold) < i:
                c.put(x, top + i, SILVER)  # the flap folded over below it
        c.put(right - fold + i, top + i, GRAY)
    c.hline(right - fold, right - 1, top + fold, GRAY)
    c.vline(right - fold, top, top + fold, GRAY)
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        c.line(x0, y0, x1, y1, BLUE, thick)
    for x, y in points:
        off = mark // 2
        c.rect(x - off + (thick - 1) // 2, y - off + (thick - 1) // 2,
               x - off + (thick - 1) // 2 + mark - 1, y - off + (thick - 1) // 2 + mark - 1, RED)
    return c


# --- file formats --------------------------------------------------------------

def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def pack_4bpp(canvas):
    """Rows bottom-up, two pixels a byte, each row padded to 4 bytes."""
    rows = []
    for y in reversed(range(canvas.height)):
        px = [max(p, 0) for p in canvas.pixels[y]]
        if len(px) % 2:
            px.append(0)
        row = bytes((px[i] << 4) | px[i + 1] for i in range(0, len(px), 2))
        rows.append(row + b"\0" * (-len(row) % 4))
    return b"".join(rows)


def pack_mask(canvas):
    """The AND mask: 1 where the icon is transparent."""
    rows = []
    for y in reversed(range(canvas.height)):
        bits = 0
        row = bytearray()
        for x, p in enumerate(canvas.pixels[y]):
            bits = (bits << 1) | (1 if p == CLEAR else 0)
            if x % 8 == 7:
                row.append(bits)
                bits = 0
        if canvas.width % 8:
            row.append(bits << (8 - canvas.width % 8))
        rows.append(bytes(row) + b"\0" * (-len(row) % 4))
    return b"".join(rows)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 16)


def write_bmp(name, canvas):
    pixels = pack_4bpp(canvas)
    header = info_header(canvas.width, canvas.height, len(pixels)) + palette_bytes()
    offset = 14 + len(header)
    data = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + pixels
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


def write_ico(name, canvases):
    images = []
    for c in canvases:
        body = pack_4bpp(c) + pack_mask(c)
        images.append(info_header(c.width, c.height * 2, 0) + palette_bytes() + body)
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, image in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", c.width, c.height, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(directory + b"".join(images))


if __name__ == "__main__":
    write_bmp("ref_setu.bmp", button("normal"))
    write_bmp("ref_setd.bmp", button("pressed"))
    write_bmp("ref_setf.bmp", button("focused"))
    write_ico("trenvika.ico", [icon(32), icon(16)])

#!/usr/bin/env python3
"""Draws the setup program's icons: 32 x 32 pixels, 16 colours.

    draw_icons.py [OUTDIR]        (default: resources/icons beside this folder)

    book.ico      icon 110, a closed book: the dialogs' window icon
    removal.ico   icon 112, a package marked for removal
    computer.ico  icon 140, a computer with a software package

Each file is a plain icon file with one image: a 4-bit bitmap in the
standard 16-colour palette followed by its 1-bit transparency mask.
Only the standard library is needed; the output is committed.
"""

import os
import struct
import sys

SIZE = 32

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


class Canvas:
    """A 32 x 32 grid of palette indices; None is transparent."""

    def __init__(self):
        self.pixels = [[None] * SIZE for _ in range(SIZE)]

    def put(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), both inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x0, y1, x1, y1, colour)
        self.line(x0, y0, x0, y1, colour)
        self.line(x1, y0, x1, y1, colour)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        error = dx + dy
        while True:
            self.put(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            twice = 2 * error
            if twice >= dy:
                error += dy
                x0 += sx
            if twice <= dx:
                error += dx
                y0 += sy

    def polygon(self, points, colour):
        """Fills the pixels whose centres lie inside the polygon."""
        for y in range(SIZE):
            for x in range(SIZE):
                if _inside(points, x + 0.5, y + 0.5):
                    self.put(x, y, colour)

    def outline(self, points, colour):
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            self.line(x0, y0, x1, y1, colour)


def _inside(points, px, py):
    inside = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def encode_icon(canvas):
    """An icon file with one 32 x 32, 4-bit image: XOR bitmap bottom-up, then the AND mask."""
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(canvas.pixels):
        for x in range(0, SIZE, 2):
            high, low = (0 if c is None else c for c in row[x:x + 2])
            xor.append(high << 4 | low)
        bits = 0
        for c in row:
            bits = bits << 1 | (c is None)
        mask += bits.to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + colours + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


def draw_box(c, x, y, w, h, d, tape=None):
    """A carton seen from the front and a little from above and the right.

    (x, y) is the top left corner of the front face, w x h its size, d the depth drawn."""
    c.polygon([(x, y), (x + d, y - d), (x + w + d, y - d), (x + w, y)], YELLOW)
    c.polygon([(x + w, y), (x + w + d, y - d), (x + w + d, y + h - d), (x + w, y + h)], OLIVE)
    # The shaded side: olive dithered with black.
    for py in range(y - d, y + h + 1):
        for px in range(x + w, x + w + d + 1):
            if (px + py) % 2 and c.pixels[py][px] == OLIVE:
                c.put(px, py, BLACK)
    c.rect(x, y, x + w, y + h, OLIVE)
    c.outline([(x, y), (x + d, y - d), (x + w + d, y - d), (x + w + d, y + h - d), (x + w, y + h), (x, y + h)], BLACK)
    c.line(x, y, x + w, y, BLACK)
    c.line(x + w, y, x + w + d, y - d, BLACK)
    c.line(x + w, y, x + w, y + h, BLACK)
    if tape is not None:
        middle = x + w // 2
        c.line(middle, y + 1, middle, y + h - 1, tape)
        c.line(middle, y, middle + d, y - d, tape)


def draw_book():
    c = Canvas()
    # Back cover, shifted down and right; the page block shows between the covers.
    c.rect(8, 5, 28, 29, NAVY)
    c.frame(8, 5, 28, 29, BLACK)
    c.rect(9, 5, 27, 28, WHITE)
    for y in range(6, 28, 2):
        c.line(26, y, 27, y, SILVER)
    for x in range(10, 27, 2):
        c.line(x, 27, x, 28, SILVER)
    # Front cover with a darker spine, gilt bands and a title label.
    c.rect(4, 2, 25, 26, BLUE)
    c.rect(4, 2, 8, 26, NAVY)
    c.frame(4, 2, 25, 26, BLACK)
    c.line(9, 3, 9, 25, BLACK)
    for y in (5, 6, 22, 23):
        c.line(5, y, 8, y, YELLOW)
    c.line(10, 3, 24, 3, AQUA)
    c.rect(12, 7, 22, 13, WHITE)
    c.frame(12, 7, 22, 13, BLACK)
    c.line(14, 9, 20, 9, BLACK)
    c.line(14, 11, 19, 11, GRAY)
    c.rect(15, 18, 19, 20, YELLOW)
    c.rect(16, 19, 18, 19, OLIVE)
    return c


def draw_removal():
    c = Canvas()
    draw_box(c, 3, 10, 18, 15, 6, tape=SILVER)
    # A label on the front of the carton.
    c.rect(5, 15, 10, 19, WHITE)
    c.line(6, 17, 9, 17, GRAY)
    # The red cross that marks it for removal, over a dark shadow.
    for dx, dy, colour in ((1, 1, MAROON), (0, 0, RED)):
        for offset in (-1, 0, 1):
            c.line(16 + offset + dx, 16 + dy, 29 + offset + dx, 29 + dy, colour)
            c.line(29 + offset + dx, 16 + dy, 16 + offset + dx, 29 + dy, colour)
    return c


def draw_computer():
    c = Canvas()
    # Monitor: case, screen with a window on it, and its foot.
    c.rect(11, 0, 31, 15, SILVER)
    c.frame(11, 0, 31, 15, BLACK)
    c.line(12, 1, 30, 1, WHITE)
    c.line(12, 1, 12, 14, WHITE)
    c.line(13, 14, 30, 14, GRAY)
    c.line(30, 2, 30, 14, GRAY)
    c.rect(14, 3, 28, 12, TEAL)
    c.frame(14, 3, 28, 12, GRAY)
    c.rect(17, 5, 26, 11, WHITE)
    c.rect(17, 5, 26, 6, NAVY)
    c.line(18, 8, 24, 8, GRAY)
    c.line(18, 10, 22, 10, GRAY)
    c.rect(17, 16, 25, 17, GRAY)
    c.line(17, 17, 25, 17, BLACK)
    # System unit under the monitor, with a drive slot and a lamp.
    c.rect(8, 18, 31, 25, SILVER)
    c.frame(8, 18, 31, 25, BLACK)
    c.line(9, 19, 30, 19, WHITE)
    c.line(9, 24, 30, 24, GRAY)
    c.rect(21, 21, 28, 22, BLACK)
    c.put(18, 22, LIME)
    # The software package in front, at the lower left.
    draw_box(c, 0, 19, 12, 11, 4)
    c.rect(2, 22, 10, 27, BLUE)
    c.rect(4, 24, 8, 25, YELLOW)
    return c


ICONS = {
    "book.ico": draw_book,
    "removal.ico": draw_removal,
    "computer.ico": draw_computer,
}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    folder = argv[1] if len(argv) > 1 else os.path.join(here, "..", "resources", "icons")
    os.makedirs(folder, exist_ok=True)
    for name, draw in ICONS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(encode_icon(draw()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

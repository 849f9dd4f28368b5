#!/usr/bin/env python3
"""Draws Cardhold's icons: a small fanned pair of playing cards with a gem.

Writes shell/win32/cardhold.ico (32x32 and 16x16) and shell/win32/cardhold_small.ico
(16x16), both 16-colour images with a transparency mask, using only the standard
library. Run from anywhere: python3 tools/make_icons.py
"""
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, NAVY, SILVER, GREY, RED, YELLOW, BLUE, WHITE = 0, 1, 4, 7, 8, 9, 11, 12, 15


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]  # None is transparent

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def card(self, left, top, right, bottom, face, border):
        """A card with clipped corners: border around a filled face."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                corner = (x in (left, right)) and (y in (top, bottom))
                if corner:
                    continue
                edge = x in (left, right) or y in (top, bottom)
                self.put(x, y, border if edge else face)

    def gem(self, cx, cy, radius, fill, shine):
        """A diamond-shaped gem centred on (cx, cy)."""
        for y in range(cy - radius, cy + radius + 1):
            reach = radius - abs(y - cy)
            for x in range(cx - reach, cx + reach + 1):
                self.put(x, y, fill)
        self.put(cx - max(radius // 2, 1) + 1, cy - max(radius // 2, 1) + 1, shine)


def draw(size):
    c = Canvas(size)
    if size == 32:
        c.card(12, 1, 30, 26, NAVY, BLACK)          # the card behind
        for y in range(4, 24, 3):                     # its patterned back
            for x in range(15 + (y % 2), 28, 3):
                c.put(x, y, BLUE)
        c.card(2, 5, 20, 30, WHITE, BLACK)           # the card in front
        c.gem(11, 17, 6, RED, WHITE)
        c.put(4, 7, MAROON)
        c.put(18, 28, MAROON)
        for x in range(4, 19):
            c.put(x, 29, GREY)                        # a soft lower edge
    else:
        c.card(6, 0, 15, 12, NAVY, BLACK)
        for y in range(2, 11, 2):
            for x in range(8 + (y // 2) % 2, 14, 2):
                c.put(x, y, BLUE)
        c.card(0, 3, 10, 15, WHITE, BLACK)
        c.gem(5, 9, 3, RED, YELLOW)
    return c


def image_bytes(canvas):
    size = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colour_rows, mask_rows = [], []
    for y in reversed(range(size)):  # bitmaps are stored bottom-up
        row = canvas.pixels[y]
        nibbles = [(p if p is not None else 0) for p in row]
        packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        colour_rows.append(packed + b"\0" * (-len(packed) % 4))
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        mask = bits.to_bytes(size // 8, "big")
        mask_rows.append(mask + b"\0" * (-len(mask) % 4))
    return header + palette + b"".join(colour_rows) + b"".join(mask_rows)


def write_icon(path, sizes):
    images = [image_bytes(draw(size)) for size in sizes]
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, len(images))
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, "..", "shell", "win32")
    write_icon(os.path.join(target, "cardhold.ico"), [32, 16])
    write_icon(os.path.join(target, "cardhold_small.ico"), [16])


if __name__ == "__main__":
    main()

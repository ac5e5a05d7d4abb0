#!/usr/bin/env python3
"""Writes the program icon: a network port on a blue tile, 16, 32 and 48 pixels.

Usage: make_icon.py OUTPUT.ico  (the output is the same on every run)
"""
import struct
import sys

TILE = (0xB0, 0x6C, 0x2B, 0xFF)  # BGRA
PORT = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0, 0, 0, 0)


def pixel(x, y):
    """Colour at the point (x, y) of the unit square, y downwards."""
    if not (0.06 <= x <= 0.94 and 0.06 <= y <= 0.94):
        return CLEAR
    body = 0.22 <= x <= 0.78 and 0.36 <= y <= 0.76
    latch = 0.38 <= x <= 0.62 and 0.24 <= y <= 0.36
    return PORT if body or latch else TILE


def image(size):
    rows = []
    for row in range(size - 1, -1, -1):  # bottom-up
        for column in range(size):
            rows.append(bytes(pixel((column + 0.5) / size, (row + 0.5) / size)))
    colour = b"".join(rows)
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def icon(sizes):
    images = [image(size) for size in sizes]
    offset = 6 + 16 * len(sizes)
    out = struct.pack("<HHH", 0, 1, len(sizes))
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as output:
        output.write(icon([16, 32, 48]))

#!/usr/bin/env python3
"""Draws the program's icon (a handheld with a lit screen and a camera dot) and writes it
as a 32 x 32 and 16 x 16, 32-bit .ico file. Run again to remake resources/vistrel.ico."""
import struct
import sys


def draw(size):
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour

    rect(6, 1, 26, 31, (40, 44, 52, 255))       # body
    rect(8, 3, 24, 15, (70, 150, 230, 255))     # screen
    rect(9, 4, 23, 6, (210, 230, 250, 255))     # status bar
    for row in range(3):                        # keys
        for col in range(4):
            x = 8.5 + col * 4
            y = 18 + row * 4
            rect(x, y, x + 3, y + 2.5, (170, 175, 185, 255))
    rect(20, 8, 23, 11, (250, 200, 60, 255))    # the capture mark
    return px


def bmp_entry(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b''.join(
        b''.join(struct.pack('BBBB', b, g, r, a) for (r, g, b, a) in px[y])
        for y in range(size - 1, -1, -1))
    mask_row = ((size + 31) // 32) * 4
    mask = b'\0' * (mask_row * size)
    return header + rows + mask


def main(path):
    images = [bmp_entry(32), bmp_entry(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


main(sys.argv[1] if len(sys.argv) > 1 else 'resources/vistrel.ico')

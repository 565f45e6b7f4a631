#!/usr/bin/env python3
"""Draws PingrelGUI's icon, at 32x32 and 16x16, into pingrelgui.ico: an open
address book with a speech bubble. Run it in this folder."""
import struct

OUTLINE = (30, 40, 90, 255)


def book(x, y):
    # The bubble, top right.
    if (x - 23) ** 2 / 64 + (y - 8) ** 2 / 36 < 1:
        edge = (x - 23) ** 2 / 64 + (y - 8) ** 2 / 36 > 0.7
        return OUTLINE if edge else (255, 230, 110, 255)
    if 17 <= x < 20 and 12 <= y < 16 and x - 17 < 16 - y:
        return OUTLINE
    # The book, bottom left: a cover and lines of names.
    if 2 <= x < 20 and 12 <= y < 30:
        if x in (2, 19) or y in (12, 29) or x == 5:
            return OUTLINE
        if 8 <= x < 17 and y in (16, 19, 22, 25):
            return (90, 90, 90, 255)
        return (120, 190, 120, 255) if x < 5 else (250, 250, 240, 255)
    return None


def pixels(shape, size):
    scale = 32.0 / size
    return [[shape(int((x + 0.5) * scale), int((y + 0.5) * scale)) or (0, 0, 0, 0) for x in range(size)]
            for y in range(size)]


def bitmap(shape, size):
    px = pixels(shape, size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, size * size * 4, 0, 0, 0, 0)
    data = b''.join(bytes(v for (r, g, b, a) in px[y] for v in (b, g, r, a)) for y in reversed(range(size)))
    mask_row = ((size + 31) // 32) * 4
    return header + data + bytes(mask_row * size)


def write_icon(name, shape):
    sizes = (32, 16)
    images = [bitmap(shape, size) for size in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(name, 'wb') as f:
        f.write(out + b''.join(images))


write_icon('pingrelgui.ico', book)

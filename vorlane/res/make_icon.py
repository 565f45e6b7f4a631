#!/usr/bin/env python3
"""Draws Vorlane's icon at 32x32 and 16x16 into vorlane.ico: a radar sweep
over three computers of the browse list. Run it in this folder."""
import struct

OUTLINE = (30, 40, 90, 255)


def scan(x, y):
    d2 = (x - 16) ** 2 + (y - 16) ** 2
    for (cx, cy) in ((9, 10), (22, 12), (14, 22)):  # the computers found
        if cx - 2 <= x <= cx + 2 and cy - 2 <= y <= cy + 1:
            return (250, 220, 60, 255)
    if 0 <= y - 16 <= x - 16 and d2 < 14.5 ** 2:  # the sweep
        return (120, 230, 120, 255)
    if 13.5 ** 2 <= d2 < 15.5 ** 2:
        return OUTLINE
    if d2 < 13.5 ** 2:
        return (20, 90, 40, 255)
    return None


def pixels(shape, size):
    scale = 32.0 / size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            colour = shape(int((x + 0.5) * scale), int((y + 0.5) * scale))
            row.append(colour if colour else (0, 0, 0, 0))
        rows.append(row)
    return rows


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


write_icon('vorlane.ico', scan)

#!/usr/bin/env python3
"""Draws Velnote's icon (a note with a speech tail, 32x32 and 16x16) into velnote.ico."""
import struct, sys

def draw(size):
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    def inside_note(x, y):
        return 3 * s <= x < 29 * s and 5 * s <= y < 21 * s
    def inside_tail(x, y):
        return 8 * s <= x < 15 * s and 21 * s <= y < 27 * s and (x - 8 * s) <= (27 * s - y) * 1.2
    for y in range(size):
        for x in range(size):
            cx, cy = x + 0.5, y + 0.5
            if inside_note(cx, cy) or inside_tail(cx, cy):
                edge = not (inside_note(cx - s, cy) or inside_tail(cx - s, cy)) or \
                       not (inside_note(cx + s, cy) or inside_tail(cx + s, cy)) or \
                       not (inside_note(cx, cy - s) or inside_tail(cx, cy - s)) or \
                       not (inside_note(cx, cy + s) or inside_tail(cx, cy + s))
                px[y][x] = (40, 40, 160, 255) if edge else (255, 192, 192, 255)
    # three lines of "text"
    for row in (9, 13, 17):
        for x in range(int(7 * s), int(25 * s)):
            y = int(row * s)
            if size == 16 and row == 13: continue
            px[y][x] = (128, 64, 255, 255)
    return px

def bitmap(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, size * size * 4, 0, 0, 0, 0)
    rows = b''.join(bytes(b for (r, g, b_, a) in px[y] for b in (b_, g, r, a)) for y in reversed(range(size)))
    mask_row = ((size + 31) // 32) * 4
    mask = b''.join(bytes(mask_row) for _ in range(size))
    return header + rows + mask

images = [bitmap(32), bitmap(16)]
out = struct.pack('<HHH', 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, data in zip((32, 16), images):
    out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
out += b''.join(images)
open(sys.argv[1] if len(sys.argv) > 1 else 'velnote.ico', 'wb').write(out)

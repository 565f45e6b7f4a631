"""Writes a Windows .ico file from a drawing function, at 32x32 and 16x16
(32-bit colour with alpha). A drawing function takes x, y on a 32x32 grid
and returns an (r, g, b, a) colour, or None for a transparent pixel. Used by
the programs' res/make_icon*.py scripts."""
import struct


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

#!/usr/bin/env python3
"""Draws Tarrow's three icons, each at 32x32 and 16x16, into .ico files:
tarrow.ico (an arrow on its way), envelope.ico (a sealed letter) and
network.ico (two computers on a wire). Run it in this folder."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from icon_writer import write_icon  # noqa: E402

OUTLINE = (30, 40, 90, 255)


def arrow(x, y):
    # A shaft from the left and a head pointing right, on a round yellow badge.
    inside_head = 17 <= x < 29 and abs(y - 16) < (29 - x) * 0.9
    inside_shaft = 4 <= x < 18 and 12 <= y < 20
    if inside_head or inside_shaft:
        return (200, 40, 40, 255)
    if (x - 16) ** 2 + (y - 16) ** 2 < 15.5 ** 2:
        return (255, 220, 90, 255)
    return None


def envelope(x, y):
    if not (2 <= x < 30 and 7 <= y < 25):
        return None
    # The flap: two lines from the top corners meeting in the middle.
    if abs((y - 7) - (14 - abs(x - 16)) * 0.75) < 0.9:
        return OUTLINE
    if x in (2, 29) or y in (7, 24):
        return OUTLINE
    if 13 <= x < 19 and 14 <= y < 19:
        return (200, 40, 40, 255)  # the seal
    return (250, 250, 240, 255)


def network(x, y):
    for left in (2, 18):
        if left <= x < left + 12 and 4 <= y < 14:  # screen
            edge = x in (left, left + 11) or y in (4, 13)
            return OUTLINE if edge else (90, 160, 230, 255)
        if left + 4 <= x < left + 8 and 14 <= y < 17:  # stand
            return OUTLINE
        if left + 1 <= x < left + 11 and 17 <= y < 19:  # foot
            return OUTLINE
    if 7 <= x < 25 and 24 <= y < 26:  # the wire between them
        return (40, 140, 40, 255)
    if (7 <= x < 9 or 23 <= x < 25) and 19 <= y < 26:
        return (40, 140, 40, 255)
    return None


write_icon('tarrow.ico', arrow)
write_icon('envelope.ico', envelope)
write_icon('network.ico', network)

#!/usr/bin/env python3
"""Draws Vorlane's icon at 32x32 and 16x16 into vorlane.ico: a radar sweep
over three computers of the browse list. Run it in this folder."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from icon_writer import write_icon  # noqa: E402

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


write_icon('vorlane.ico', scan)

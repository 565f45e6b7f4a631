#!/usr/bin/env python3
"""Draws PingrelGUI's icon, at 32x32 and 16x16, into pingrelgui.ico: an open
address book with a speech bubble. Run it in this folder."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from icon_writer import write_icon  # noqa: E402

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


write_icon('pingrelgui.ico', book)

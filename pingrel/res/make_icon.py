#!/usr/bin/env python3
"""Draws Pingrel's two icons at 32x32 and 16x16: pingrel.ico, the program's
(a message arrow fanning out to three computers), and add.ico, the picture
of the button that adds a recipient to the list (a green plus). Run it in
this folder."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from icon_writer import write_icon  # noqa: E402

OUTLINE = (30, 40, 90, 255)


def program(x, y):
    # Three screens on the right, one above the other.
    for top in (2, 12, 22):
        if 20 <= x < 30 and top <= y < top + 8:
            if x in (20, 29) or y in (top, top + 7):
                return OUTLINE
            return (120, 180, 240, 255)
    # The fan of arrows from the sender on the left.
    for target in (5, 15, 25):
        t = (x - 4) / 15.0
        if 4 <= x < 19 and abs(y - (16 + (target - 16) * t)) < 1.0:
            return (220, 60, 40, 255)
    if 1 <= x < 7 and 12 <= y < 20:
        return OUTLINE if x in (1, 6) or y in (12, 19) else (250, 220, 80, 255)
    return None


def plus(x, y):
    arm = (12 <= x < 20 and 5 <= y < 27) or (5 <= x < 27 and 12 <= y < 20)
    inner = (14 <= x < 18 and 7 <= y < 25) or (7 <= x < 25 and 14 <= y < 18)
    if inner:
        return (60, 170, 60, 255)
    if arm:
        return (20, 90, 20, 255)
    return None


write_icon('pingrel.ico', program)
write_icon('add.ico', plus)

# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The window's layout for the tests that drive the real program from outside, read
from its one home, the design table (window/form_design.cpp and .h): the client
area's size and each control's box in logical pixels of the client area (15 twips
each; a control in a frame placed from the frame's corner). Shell tests ask with
`window_layout.py size` ("327 326") or `window_layout.py centre poi adesso`."""

import math
import os
import re
import sys

TWIPS_PER_PIXEL = 15
_DESIGN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "window", "form_design")
# A control's row starts with its name, kind, container and geometry.
_CONTROL = re.compile(r'^\s*\{"(\w+)",\s*(\w+),\s*"(\w*)",\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),', re.M)
_WINDOW = re.compile(r'form1Design\{"[^"]*",\s*(\d+),\s*(\d+)')


def pixels(twips):
    """Twips to logical pixels, halves rounded up as the window rounds them."""
    return math.floor(twips / TWIPS_PER_PIXEL + 0.5)


def _read(suffix, pattern):
    with open(_DESIGN + suffix, encoding="utf-8") as source:
        found = pattern.findall(source.read())
    if not found:
        raise SystemExit(f"the design table's layout is not in {_DESIGN + suffix}")
    return found


def _box(rows, name):
    _, container, *geometry = rows[name]
    x, y = _box(rows, container)[:2] if container else (0, 0)
    left, top, width, height = map(pixels, map(int, geometry))
    return x + left, y + top, width, height


_ROWS = {name: row for name, *row in _read(".cpp", _CONTROL)}
# The marker line has a rule of its own; the tests do not look into it as a box.
BOXES = {name: _box(_ROWS, name) for name, (kind, *_) in _ROWS.items() if kind != "line"}
CLIENT_SIZE = tuple(pixels(int(side)) for side in _read(".h", _WINDOW)[0])


def centre(box):
    x, y, width, height = box
    return x + width // 2, y + height // 2


if __name__ == "__main__":
    if sys.argv[1:] == ["size"]:
        print(*CLIENT_SIZE)
    elif sys.argv[1:2] == ["centre"]:
        print(*(value for name in sys.argv[2:] for value in centre(BOXES[name])))
    else:
        raise SystemExit("usage: window_layout.py size | centre CONTROL...")

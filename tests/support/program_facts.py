# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the tests that drive the real program from outside know of it, from the JSON
the build writes out of the program's own tables (tests/support/program_facts.cpp,
file named by ZORVEL_PROGRAM_FACTS): the client area's size and each control's box in
logical pixels of the client area (15 twips each; a control in a frame placed from the
frame's corner; not the marker line, which has a rule of its own), the classes' names
and colours, and the presses the tests make with what the program's own flow shows for
them (the arithmetic is checked in C++: here only that the window shows it). Shell tests
ask with `program_facts.py size` ("327 326"), `program_facts.py centre poi adesso` or
`program_facts.py bar 4` (the bar's three colours for class 4, as ImageMagick writes
them)."""

import json
import math
import os
import sys
from collections import namedtuple

TWIPS_PER_PIXEL = 15

with open(os.environ["ZORVEL_PROGRAM_FACTS"], encoding="utf-8") as _file:
    _FACTS = json.load(_file)


def pixels(twips):
    """Twips to logical pixels, halves rounded up as the window rounds them."""
    return math.floor(twips / TWIPS_PER_PIXEL + 0.5)


def _box(name):
    container, geometry = _ROWS[name]
    x, y = _box(container)[:2] if container else (0, 0)
    return (x + pixels(geometry[0]), y + pixels(geometry[1]), *map(pixels, geometry[2:]))


_ROWS = {row["name"]: (row["container"], row["box"]) for row in _FACTS["controls"]}
BOXES = {name: _box(name) for name in _ROWS}
CLIENT_SIZE = tuple(map(pixels, _FACTS["client_size"]))

ClassRow = namedtuple("ClassRow", ["name", "colour"])
# Index 0 to 10: the nine classes and the two neighbours at the bar's ends; colours as (red, green, blue).
CLASSES = [ClassRow(row["name"], tuple(row["colour"])) for row in _FACTS["classes"]]

Calculation = namedtuple("Calculation", _FACTS["presses"][0].keys())
# What typing `weight` and `height` and clicking "Calcola" must show.
CALCULATIONS = [Calculation(**press) for press in _FACTS["presses"]]


def by_name(name):
    return next(c for c in CALCULATIONS if c.name == name)


def centre(box):
    x, y, width, height = box
    return x + width // 2, y + height // 2


# Where things are, in logical pixels of the client area: (x, y, width, height).
WEIGHT_BOX = BOXES["peso"]
HEIGHT_BOX = BOXES["altezza"]
CALCULATE_BUTTON = BOXES["Command1"]
PREVIOUS_BOX = BOXES["poi"]
CURRENT_BAR = BOXES["adesso"]
NEXT_BOX = BOXES["segue"]  # cut by the window's right edge

# The labels that show a calculation's results, by the Calculation field they show.
RESULT_LABELS = {field: BOXES[name] for field, name in (
    ("index", "Label3"), ("lowest", "minP"), ("highest", "MaxP"),
    ("left_bound", "Dp"), ("right_bound", "Sp"),  # both cut by the window's bottom edge
    ("class_name", "tipoT"))}

# This row crosses the marker and all three boxes of the bar.
BAR_ROW = centre(CURRENT_BAR)[1]


if __name__ == "__main__":
    if sys.argv[1:] == ["size"]:
        print(*CLIENT_SIZE)
    elif sys.argv[1:2] == ["centre"]:
        print(*(value for name in sys.argv[2:] for value in centre(BOXES[name])))
    elif sys.argv[1:2] == ["bar"] and len(sys.argv) == 3:
        category = int(sys.argv[2])
        print(*(f"srgb({','.join(map(str, CLASSES[category + step].colour))})" for step in (-1, 0, 1)), "")
    else:
        raise SystemExit("usage: program_facts.py size | centre CONTROL... | bar CLASS")

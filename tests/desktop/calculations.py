# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Calculations whose results the desktop tests look for on the real window,
worked out by hand from the class table and the marker rule, and where the tests find
them on the window (its layout comes from the design table, through window_layout)."""

import csv
import os
from collections import namedtuple

import window_layout
from window_layout import BOXES, centre

# The window's size and scale, which the tests take from here with the calculations.
CLIENT_SIZE = window_layout.CLIENT_SIZE
TWIPS_PER_PIXEL = window_layout.TWIPS_PER_PIXEL

ClassRow = namedtuple("ClassRow", ["name", "colour", "left_bound", "right_bound"])


def read_class_table():
    """The class table the C++ model includes, one row of braces a class, 0 to 10:
    the name, the colour (0x00BBGGRR there, red, green, blue here) and the bounds
    written as the window writes them."""
    rows = []
    with open(os.path.join(os.path.dirname(__file__), "..", "support", "weight_classes.inc"),
              encoding="utf-8") as table:
        for line in filter(lambda line: line.startswith("{"), table):
            fields = next(csv.reader([line.strip(" {},\n")], skipinitialspace=True))
            name, colour, *bounds = fields[:4]
            rgb = tuple((int(colour, 16) >> shift) & 0xFF for shift in (0, 8, 16))
            rows.append(ClassRow(name, rgb, *(f"{float(b):g}".replace(".", ",") for b in bounds)))
    return rows


CLASSES = read_class_table()


class Calculation(namedtuple("Calculation", [
        "name", "weight", "height",
        "shown_weight", "index", "lowest", "highest", "category", "marker_twips"])):
    """What typing `weight` and `height` and clicking "Calcola" must show."""

    @property
    def class_name(self):
        return CLASSES[self.category].name

    @property
    def left_bound(self):
        return CLASSES[self.category].left_bound

    @property
    def right_bound(self):
        return CLASSES[self.category].right_bound


CALCULATIONS = [
    Calculation("class 4, 70 kg and 175 cm", "70", "175",
                "70", "22,85", "56,65", "76,25", 4, 3214.69),
    Calculation("class 1, 55 kg and 190 cm", "55", "190",
                "55", "15,23", "66,78", "89,88", 1, 4021.0),
    Calculation("class 9, 170 kg and 1,75 m", "170", "1,75",
                "170", "55,51", "56,65", "76,25", 9, 2227.13),
    Calculation("class 4, weight typed with a point", "70.5", "175",
                "70,5", "23,02", "56,65", "76,25", 4, 3326.25),
]


def by_name(name):
    return next(c for c in CALCULATIONS if c.name == name)


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

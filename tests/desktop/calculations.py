# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Calculations whose results the desktop tests look for on the real window,
worked out by hand from the class table and the marker rule, and the window's
layout in logical pixels (15 twips each) that the tests need to find them."""

import csv
import os
from collections import namedtuple

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
WEIGHT_BOX = (56, 32, 41, 19)
HEIGHT_BOX = (56, 56, 41, 19)
CALCULATE_BUTTON = (104, 40, 57, 25)
PREVIOUS_BOX = (0, 288, 25, 25)      # poi
CURRENT_BAR = (24, 288, 281, 25)     # adesso
NEXT_BOX = (304, 288, 25, 25)        # segue, cut by the window's right edge
INDEX_BOX = (128, 272, 57, 17)       # the blue box under the index text
CLIENT_SIZE = (327, 326)

# The labels that show a calculation's results, by the Calculation field they show.
RESULT_LABELS = {
    "index": (136, 274, 41, 17),        # Label3
    "lowest": (264, 32, 49, 17),        # minP
    "highest": (264, 56, 49, 17),       # MaxP
    "left_bound": (24, 312, 33, 17),    # Dp, cut by the window's bottom edge
    "right_bound": (272, 312, 33, 17),  # Sp, likewise
    "class_name": (8, 240, 313, 17),    # tipoT
}

# The marker line runs from y 292 to 306; this row crosses it and all three boxes.
BAR_ROW = CURRENT_BAR[1] + CURRENT_BAR[3] // 2
BAR_START_TWIPS, TWIPS_PER_PIXEL = 360, 15


def centre(box):
    x, y, width, height = box
    return x + width // 2, y + height // 2

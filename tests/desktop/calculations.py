# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Calculations whose results the desktop tests look for on the real window, as the
program's own flow works them out (the arithmetic is checked in C++: here only that
the window shows it), and where the tests find them on the window."""

from program_facts import BOXES, CALCULATIONS, CLASSES, CLIENT_SIZE, TWIPS_PER_PIXEL, centre

__all__ = ["BOXES", "CALCULATIONS", "CLASSES", "CLIENT_SIZE", "TWIPS_PER_PIXEL", "centre", "by_name"]


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

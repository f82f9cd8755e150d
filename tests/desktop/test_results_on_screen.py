# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A user types a weight and a height and clicks "Calcola"; the screenshot must show
the colours of the class, of the one before and of the one after, and the marker
where the index lies between the class's bounds, standing out from the bar whatever
its colour, even the near-black of class 9."""

import unittest

import program_facts as layout
from program_facts import CALCULATIONS
from desktoptest import MARKER_BLACK, ProgramTestCase, reddish, white


class ResultsOnScreenTest(ProgramTestCase):

    def test_calculations_show_class_colours_and_marker(self):
        for calculation in CALCULATIONS:
            with self.subTest(calculation.name):
                self.calculate(calculation.weight, calculation.height)
                bar = self.wait_for_bar(calculation.category)
                self.assert_marker_at(bar, calculation.marker_twips)
                self.assert_marker_stands_out(bar)
                self.assert_text_inside(layout.RESULT_LABELS["index"], white, "index")
                self.assert_text_inside(layout.RESULT_LABELS["class_name"], reddish,
                                        "class name")

    def assert_marker_stands_out(self, bar):
        """On each side, the black line or the outline beside it stands out from the
        bar by the 3:1 that a graphic needs."""
        for side, colour in zip(("left", "right"), bar.beside_marker[0]):
            best = max(contrast(MARKER_BLACK, bar.current), contrast(colour, bar.current))
            self.assertGreaterEqual(best, 3, f"{side} of the marker: {colour} beside black "
                                             f"on a bar of {bar.current}")


def contrast(first, second):
    """The contrast ratio of two colours, from 1 to 21, as accessibility guidelines
    define it."""
    def luminance(colour):
        linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
                  for c in (channel / 255 for channel in colour)]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    lighter, darker = sorted((luminance(first), luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


if __name__ == "__main__":
    unittest.main()

"""A user types a weight and a height and clicks "Calcola"; the screenshot must show
the colours of the class, of the one before and of the one after, and the marker
where the index lies between the class's bounds."""

import unittest

import calculations as layout
from calculations import CALCULATIONS
from desktoptest import ProgramTestCase, reddish, white


class ResultsOnScreenTest(ProgramTestCase):

    def test_calculations_show_class_colours_and_marker(self):
        for calculation in CALCULATIONS:
            with self.subTest(calculation.name):
                self.calculate(calculation.weight, calculation.height)
                bar = self.wait_for_bar(calculation.category)
                self.assert_marker_at(bar, calculation.marker_twips)
                self.assert_text_inside(layout.RESULT_LABELS["index"], white, "index")
                self.assert_text_inside(layout.RESULT_LABELS["class_name"], reddish,
                                        "class name")


if __name__ == "__main__":
    unittest.main()

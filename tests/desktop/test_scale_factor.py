# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""With QT_SCALE_FACTOR=2 the window is twice the size, drawn at the doubled
resolution rather than blown up: every edge falls on the doubled grid, and the
results still fit their boxes."""

import unittest

import program_facts as layout
from program_facts import by_name
from desktoptest import ProgramTestCase, reddish, white

# Stretches of the bar row, in logical pixels, that cross the edges between boxes.
BOX_EDGES = {"poi to adesso": (18, 32), "adesso to segue": (296, 312)}


class ScaleFactorTest(ProgramTestCase):
    scale = 2

    def test_client_area_is_twice_the_designed_size(self):
        _, _, width, height = self.session.geometry(self.window)
        self.assertEqual((width, height), tuple(2 * side for side in layout.CLIENT_SIZE))

    def test_results_in_place_and_edges_on_the_doubled_grid(self):
        calculation = by_name("class 4, 70 kg and 175 cm")
        self.calculate(calculation.weight, calculation.height)
        bar = self.wait_for_bar(calculation.category)
        self.assert_marker_at(bar, calculation.marker_twips)

        image = self.session.screenshot()
        ox, oy = self.client_origin()
        row = oy + self.device(layout.BAR_ROW)
        for name, (start, end) in BOX_EDGES.items():
            with self.subTest(edge=name):
                runs = []  # (first device x, length, colour)
                for x in range(2 * start, 2 * end):
                    colour = image.pixel(ox + x, row)
                    if runs and runs[-1][2] == colour:
                        runs[-1][1] += 1
                    else:
                        runs.append([x, 1, colour])
                # A blown-up picture smears an edge over odd runs of in-between colours.
                inner = runs[1:-1]
                self.assertTrue(inner, f"no edge found: {runs}")
                for first, length, colour in inner:
                    self.assertEqual((first % 2, length % 2), (0, 0),
                                     f"run of {colour} at {first}, {length} long: {runs}")

        with self.subTest("texts fit their boxes"):
            self.assert_text_inside(layout.RESULT_LABELS["index"], white, "index")
            self.assert_text_inside(layout.RESULT_LABELS["class_name"], reddish, "class name")


if __name__ == "__main__":
    unittest.main()

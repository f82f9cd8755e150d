# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The base of the desktop tests: one X session and one running program per test
class, and the few gestures a user makes on the window, scaled to its size."""

from collections import Counter, namedtuple
import unittest

import program_facts as layout
from xsession import XSession, program_command, wait_for

Bar = namedtuple("Bar", "previous current next marker_runs beside_marker")

# The marker is drawn in the window-text colour.
MARKER_BLACK = (0, 0, 0)


class ProgramTestCase(unittest.TestCase):
    """Starts the program in a private X session before the tests of the class."""

    scale = 1
    extra_env = {}
    window_manager = None  # the one under test

    @classmethod
    def setUpClass(cls):
        cls.session = XSession(window_manager=cls.window_manager)
        cls.addClassCleanup(cls.session.close)
        cls.session.__enter__()
        cls.prepare_session()
        env = dict(cls.extra_env)
        if cls.scale != 1:
            env["QT_SCALE_FACTOR"] = str(cls.scale)
        cls.program = cls.session.start(program_command(), extra_env=env)
        # Once, on a machine running other tests, KWin had not taken the window in after
        # 30 s: its calls to a hung shortcut service of an earlier session waited 25 s
        # each. Each session's KWin now has a bus of its own; the longer wait stays for
        # a loaded machine.
        cls.window = cls.session.wait_for_window("Zorvel", owner=cls.program, timeout=60)
        cls.program_started()

    @classmethod
    def prepare_session(cls):
        """Runs in the new X session before the program starts."""

    @classmethod
    def program_started(cls):
        """Runs once the program's window is on the screen."""

    def setUp(self):
        self.assertIsNone(self.program.poll(), "the program is no longer running")

    # -- gestures, in logical pixels of the client area -------------------------------

    def device(self, logical):
        return int((logical + 0.5) * self.scale)

    def click(self, box):
        x, y = layout.centre(box)
        self.session.click(self.window, self.device(x), self.device(y))

    def hover(self, box):
        x, y = layout.centre(box)
        self.session.hover(self.window, self.device(x), self.device(y))

    def fill(self, box, text):
        self.click(box)
        self.session.key("ctrl+a", "BackSpace")
        if text:
            self.session.type_text(text)

    def calculate(self, weight, height):
        self.fill(layout.WEIGHT_BOX, weight)
        self.fill(layout.HEIGHT_BOX, height)
        self.click(layout.CALCULATE_BUTTON)

    # -- reading the window back ---------------------------------------------------

    def client_origin(self):
        x, y, _, _ = self.session.geometry(self.window)
        return x, y

    def read_bar(self):
        """Colours of the three boxes, the runs of the marker's black pixels over the
        bar and the colours just beside each run, from one screenshot, in logical
        pixels."""
        image = self.session.screenshot()
        ox, oy = self.client_origin()
        row = oy + self.device(layout.BAR_ROW)

        def colour_at(x):
            return image.pixel(ox + self.device(x), row)

        # The bar's inside, clear of its border and of the boxes that overlap its ends.
        bar_x, _, bar_width, _ = layout.CURRENT_BAR
        inside = range(ox + self.device(bar_x + 2), ox + self.device(bar_x + bar_width - 3))
        row_pixels = [image.pixel(x, row) for x in inside]
        current = Counter(row_pixels).most_common(1)[0][0]
        runs, beside, start = [], [], None
        for index, colour in enumerate(row_pixels + [None]):
            if colour == MARKER_BLACK and start is None:
                start = index
            elif colour != MARKER_BLACK and start is not None:
                runs.append(((inside.start + start - ox) / self.scale,
                             (inside.start + index - ox) / self.scale))
                beside.append((row_pixels[start - 1] if start else None, colour))
                start = None
        return Bar(colour_at(layout.centre(layout.PREVIOUS_BOX)[0]), current,
                   colour_at(layout.centre(layout.NEXT_BOX)[0]), runs, beside)

    def wait_for_bar(self, category):
        """The bar once it shows the colours of `category`."""
        expected = tuple(layout.CLASSES[category + step].colour for step in (-1, 0, 1))

        def probe():
            bar = self.read_bar()
            return bar if (bar.previous, bar.current, bar.next) == expected else None
        return wait_for(f"the colours of class {category} on the bar, {expected}", probe, seen=lambda: (
            "the bar shows {0.previous}, {0.current}, {0.next}".format(self.read_bar())))

    def assert_marker_at(self, bar, twips, line_width=5):
        self.assertEqual(len(bar.marker_runs), 1,
                         f"expected one marker line over the bar, found {bar.marker_runs}")
        start, end = bar.marker_runs[0]
        self.assertAlmostEqual((start + end) / 2, twips / layout.TWIPS_PER_PIXEL, delta=1.5,
                               msg="marker position in logical pixels")
        self.assertAlmostEqual(end - start, line_width, delta=1.0,
                               msg="marker width in logical pixels")

    def text_extent(self, box, is_text):
        """Bounding box, in device pixels relative to `box`, of the pixels inside the
        logical `box` for which is_text(colour) holds; None when there are none."""
        image = self.session.screenshot()
        ox, oy = self.client_origin()
        x, y, width, height = (value * self.scale for value in box)
        found = [(px, py) for py in range(height) for px in range(width)
                 if is_text(image.pixel(ox + x + px, oy + y + py))]
        if not found:
            return None
        xs, ys = [p[0] for p in found], [p[1] for p in found]
        return min(xs), min(ys), max(xs), max(ys)

    def assert_text_inside(self, box, is_text, what):
        """Text drawn in `box` that reaches the box's edge has been cut off."""
        extent = self.text_extent(box, is_text)
        self.assertIsNotNone(extent, f"no {what} in its box")
        left, top, right, bottom = extent
        width, height = box[2] * self.scale, box[3] * self.scale
        self.assertTrue(left > 0 and top > 0 and right < width - 1 and bottom < height - 1,
                        f"the {what} touches its box's edge: {extent} in {width} x {height}")


def white(colour):
    return min(colour) >= 248


def reddish(colour):
    red, green, blue = colour
    return red - max(green, blue) > 60

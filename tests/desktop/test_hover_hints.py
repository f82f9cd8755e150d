"""Resting the pointer on the colour boxes brings up the names of the class before
the current one, of the current one and of the one after it."""

import unittest

import calculations as layout
from accessibility import ScreenReaderMixin, descendants
from calculations import CLASS_NAME, by_name
from desktoptest import ProgramTestCase
from xsession import wait_for

BOXES = {"poi": (layout.PREVIOUS_BOX, -1), "adesso": (layout.CURRENT_BAR, 0),
         "segue": ((304, 288, 22, 25), +1)}  # the visible part of the right-hand box

AFTER = ["class 4, 70 kg and 175 cm", "class 1, 55 kg and 190 cm", "class 9, 170 kg and 1,75 m"]


class HoverHintsTest(ScreenReaderMixin, ProgramTestCase):

    def showing_tool_tip(self):
        """The text of the tool tip on the screen, or None."""
        for node in descendants(self.application):
            if (node.getRole() == self.pyatspi.ROLE_TOOL_TIP
                    and node.getState().contains(self.pyatspi.STATE_SHOWING)):
                return node.name
        return None

    def test_tool_tips_name_the_classes_of_the_boxes(self):
        for calculation in map(by_name, AFTER):
            self.calculate(calculation.weight, calculation.height)
            self.wait_for_bar(calculation.category)
            for box_name, (box, step) in BOXES.items():
                expected = CLASS_NAME[calculation.category + step]
                with self.subTest(calculation.name, box=box_name):
                    self.hover(box)
                    try:
                        wait_for(f"the tool tip {expected!r}",
                                 lambda: self.showing_tool_tip() == expected, timeout=30)
                    except AssertionError:
                        pass  # the comparison below says what is shown instead
                    self.assertEqual(self.showing_tool_tip(), expected)
            # Away from the boxes, so the last tool tip closes.
            self.hover(layout.WEIGHT_BOX)


if __name__ == "__main__":
    unittest.main()

# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Resting the pointer on the colour boxes brings up the names of the class before
the current one, of the current one and of the one after it, also while another
program's window is the active one."""

import unittest

import program_facts as layout
from accessibility import ScreenReaderMixin, descendants
from program_facts import CLASSES, by_name
from desktoptest import ProgramTestCase
from xsession import wait_for

BOXES = {"poi": (layout.PREVIOUS_BOX, -1), "adesso": (layout.CURRENT_BAR, 0),
         "segue": ((304, 288, 22, 25), +1)}  # the visible part of the right-hand box

# the calculation, whether another program's window is active while the pointer rests
AFTER = [("class 4, 70 kg and 175 cm", False), ("class 1, 55 kg and 190 cm", True),
         ("class 9, 170 kg and 1,75 m", True)]


class HoverHintsTest(ScreenReaderMixin, ProgramTestCase):

    @classmethod
    def program_started(cls):
        super().program_started()
        # Away from Zorvel's window, which stays above it anyway.
        cls.other = cls.session.start(["xmessage", "-name", "other-program", "-geometry",
                                       "+0+0", "another program"])
        cls.other_window = cls.session.wait_for_window("other-program", owner=cls.other)

    def showing_tool_tip(self):
        """The text of the tool tip on the screen, or None."""
        for node in descendants(self.application):
            if (node.getRole() == self.pyatspi.ROLE_TOOL_TIP
                    and node.getState().contains(self.pyatspi.STATE_SHOWING)):
                return node.name
        return None

    def test_tool_tips_name_the_classes_of_the_boxes(self):
        for name, other_active in AFTER:
            calculation = by_name(name)
            self.calculate(calculation.weight, calculation.height)
            self.wait_for_bar(calculation.category)
            if other_active:
                self.session.activate(self.other_window)
                # Qt takes a moment to see its window lose the focus, and closes any tool
                # tip then.
                wait_for("Zorvel to know it is not the active window", lambda: not (
                    self.top_level.getState().contains(self.pyatspi.STATE_ACTIVE)))
            for box_name, (box, step) in BOXES.items():
                expected = CLASSES[calculation.category + step].name
                with self.subTest(calculation.name, box=box_name, other_active=other_active):
                    self.hover(box)
                    wait_for(f"the tool tip {expected!r}", lambda: self.showing_tool_tip() == expected,
                             seen=lambda: f"the tool tip shown is {self.showing_tool_tip()!r}")
            # Away from the boxes, so the last tool tip closes.
            self.hover(layout.WEIGHT_BOX)


if __name__ == "__main__":
    unittest.main()

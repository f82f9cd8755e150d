# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A bad input brings up one modal message in Italian, titled "Zorvel", that names
the box to correct; once the user dismisses it, what was typed is still there and
the window calculates again."""

import re
import unittest

import program_facts as layout
from accessibility import ScreenReaderMixin, descendants
from program_facts import by_name
from desktoptest import ProgramTestCase
from xsession import wait_for

# name, weight, height, the box the message must name: one for each box; every
# failure of a press is in the evaluation's tests, every sentence in the window's.
BAD_INPUTS = [
    ("weight that is not a number", "abc", "175", "peso"),
    ("height of zero", "70", "0", "altezza"),
]

# The message says what to type: a number, or one greater than zero.
SAYS_WHAT_TO_TYPE = re.compile(r"\b(numero|maggiore di zero)\b", re.IGNORECASE)


class BadInputTest(ScreenReaderMixin, ProgramTestCase):

    def message_text(self, dialog_window):
        """Every text of the accessible dialog other than the main window."""
        def probe():
            for child in (self.application.getChildAtIndex(i)
                          for i in range(self.application.childCount)):
                if child is None or child.name != "Zorvel" or child == self.top_level:
                    continue
                texts = [node.name for node in descendants(child)
                         if node.getRole() == self.pyatspi.ROLE_LABEL and node.name]
                if texts:
                    return " ".join(texts)
            return None
        return wait_for("the message on the accessibility bus", probe, timeout=30)

    def test_each_bad_input_is_explained_and_the_window_goes_on(self):
        weight_box = self.find("ROLE_TEXT", "Peso")
        height_box = self.find("ROLE_TEXT", "Altezza")
        for name, weight, height, box in BAD_INPUTS:
            with self.subTest(name):
                self.calculate(weight, height)
                dialog = self.session.wait_for_window("Zorvel", excluding=[self.window],
                                                      timeout=30)
                self.assertIn("_NET_WM_WINDOW_TYPE_DIALOG",
                              self.session.atoms(dialog, "_NET_WM_WINDOW_TYPE"))
                self.assertIn(f"{self.window:#x}",
                              self.session.property_text(dialog, "WM_TRANSIENT_FOR"))
                self.assertIn("_NET_WM_STATE_MODAL",
                              self.session.atoms(dialog, "_NET_WM_STATE"))
                message = self.message_text(dialog)
                self.assertIn(box, message.lower())
                self.assertRegex(message, SAYS_WHAT_TO_TYPE)

                self.session.activate(dialog)
                self.session.key("Return")
                wait_for("the message to close",
                         lambda: dialog not in self.session.visible_windows("Zorvel"),
                         timeout=30)
                self.assertEqual((self.text_of(weight_box), self.text_of(height_box)),
                                 (weight, height), "the typed texts did not survive")

        with self.subTest("a good input after the messages"):
            calculation = by_name("class 4, 70 kg and 175 cm")
            self.calculate(calculation.weight, calculation.height)
            bar = self.wait_for_bar(calculation.category)
            self.assert_marker_at(bar, calculation.marker_twips)
            index = self.find("ROLE_LABEL", box=layout.RESULT_LABELS["index"])
            self.assertEqual(index.name, calculation.index)


if __name__ == "__main__":
    unittest.main()

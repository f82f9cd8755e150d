# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A screen reader's user works the window over AT-SPI: finds the two boxes by
their names, fills them, presses "Calcola" and hears the results."""

import unittest

import program_facts as layout
from accessibility import ScreenReaderMixin
from program_facts import CALCULATIONS, by_name
from desktoptest import ProgramTestCase
from xsession import wait_for


class ScreenReaderTest(ScreenReaderMixin, ProgramTestCase):

    def test_boxes_and_button_are_found_by_their_names(self):
        for role, name in (("ROLE_TEXT", "Peso"), ("ROLE_TEXT", "Altezza"),
                           ("ROLE_PUSH_BUTTON", "Calcola")):
            with self.subTest(name=name):
                node = self.find(role, name)
                self.assertTrue(node.getState().contains(self.pyatspi.STATE_FOCUSABLE))

    def test_calculations_read_back_through_the_screen_reader(self):
        weight = self.find("ROLE_TEXT", "Peso")
        height = self.find("ROLE_TEXT", "Altezza")
        button = self.find("ROLE_PUSH_BUTTON", "Calcola")
        labels = {field: self.find("ROLE_LABEL", box=box)
                  for field, box in layout.RESULT_LABELS.items()}
        for calculation in CALCULATIONS:
            with self.subTest(calculation.name):
                weight.queryEditableText().setTextContents(calculation.weight)
                height.queryEditableText().setTextContents(calculation.height)
                self.press(button)
                expected = {field: getattr(calculation, field)
                            for field in (*labels, "shown_weight")}

                def heard():
                    texts = {field: label.name for field, label in labels.items()}
                    texts["shown_weight"] = self.text_of(weight)
                    return texts
                wait_for(f"the results {expected}", lambda: heard() == expected,
                         seen=lambda: f"heard {heard()}")

    def test_a_new_result_is_announced(self):
        weight = self.find("ROLE_TEXT", "Peso")
        height = self.find("ROLE_TEXT", "Altezza")
        button = self.find("ROLE_PUSH_BUTTON", "Calcola")
        # From class 4 to class 1 every result label gets a new text.
        before, after = by_name("class 4, 70 kg and 175 cm"), by_name("class 1, 55 kg and 190 cm")
        weight.queryEditableText().setTextContents(before.weight)
        height.queryEditableText().setTextContents(before.height)
        self.press(button)
        index = self.find("ROLE_LABEL", box=layout.RESULT_LABELS["index"])
        wait_for("the first result", lambda: index.name == before.index, timeout=30)

        weight.queryEditableText().setTextContents(after.weight)
        height.queryEditableText().setTextContents(after.height)
        heard = self.announcements_during(lambda: self.press(button), layout.RESULT_LABELS)
        self.assertEqual(heard, {field: getattr(after, field) for field in layout.RESULT_LABELS})


if __name__ == "__main__":
    unittest.main()

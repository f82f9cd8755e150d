# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""`zorvel --help` and `zorvel --version` answer in the terminal and end with 0, with
no display at all (what they say is the window label's `window.command_line`); any
other argument still opens the window."""

import os
import re
import subprocess
import unittest

from xsession import XSession, program_command, wait_for


def program_version():
    """The version the program reports, as the build wrote it from the project's version."""
    return os.environ["ZORVEL_VERSION_TEXT"]


# arguments, the beginning of the answer
ANSWERS = [
    (["--help"], r"Uso: zorvel \[opzioni\]\n"),
    (["-v"], rf"Zorvel {re.escape(program_version())}\n"),
]


class CommandLineTest(unittest.TestCase):

    def test_help_and_version_answer_without_a_display(self):
        env = {key: value for key, value in os.environ.items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        for arguments, answer in ANSWERS:
            with self.subTest(arguments=arguments):
                result = subprocess.run(program_command() + arguments, env=env, timeout=30,
                                        capture_output=True, text=True, stdin=subprocess.DEVNULL)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertRegex(result.stdout, "^" + answer)

    def test_other_arguments_still_open_the_window(self):
        with XSession() as session:
            for arguments in (["--unknown"], ["70", "175"], ["-reverse"]):
                with self.subTest(arguments=arguments):
                    program = session.start(program_command() + arguments)
                    window = session.wait_for_window("Zorvel", owner=program)
                    program.terminate()
                    program.wait(timeout=10)
                    wait_for("the window to go",
                             lambda: window not in session.visible_windows("Zorvel"))


if __name__ == "__main__":
    unittest.main()

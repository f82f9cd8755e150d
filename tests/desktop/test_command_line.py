# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""`zorvel --help` (in Italian) and `zorvel --version` answer in the terminal and end
with 0, with no display at all, as does every option the help lists; any other argument
still opens the window."""

import os
import re
import subprocess
import unittest

from xsession import XSession, program_command, wait_for


def program_version():
    """The version the program reports, as the build wrote it from the project's version."""
    return os.environ["ZORVEL_VERSION_TEXT"]


# arguments, what the answer must say
ANSWERS = [
    (["--help"], r"^Uso: zorvel \[opzioni\]\n"),
    (["-h"], r"(?m)^Opzioni:\n  -h, --help +Mostra questo aiuto\.\n"),
    (["--version"], rf"^Zorvel {re.escape(program_version())}\n"),
    (["-v"], r"(?m)^Licenza GPL-3\.0-or-later: "),
]


class CommandLineTest(unittest.TestCase):

    def test_help_and_version_answer_without_a_display(self):
        env = {key: value for key, value in os.environ.items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}

        def run(arguments):
            return subprocess.run(program_command() + arguments, env=env, timeout=30,
                                  capture_output=True, text=True, stdin=subprocess.DEVNULL)
        # Every option the help lists answers too, and none in Qt's English.
        listed = re.findall(r"(?<![\w-])--?[a-z][\w-]*", run(["--help"]).stdout)
        for arguments, answer in ANSWERS + [([option], r"\S") for option in listed]:
            with self.subTest(arguments=arguments):
                result = run(arguments)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertRegex(result.stdout, answer)
                self.assertNotRegex(result.stdout, r"\b(Usage|Options|Displays)\b")

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

# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""`zorvel --help` and `zorvel --version` answer in the terminal and end with 0, with
no display at all (what they say is the window label's `window.command_line`); without
a display it can open, the program says in Italian that it needs a graphical desktop
and ends with 1; any other argument still opens the window."""

import os
import re
import subprocess
import unittest

from xsession import XSession, program_command, wait_for


def program_version():
    """The version the program reports, as the build wrote it from the project's version."""
    return os.environ["ZORVEL_VERSION_TEXT"]


def closed_x_display():
    """An X display name that no server answers on this machine."""
    number = next(n for n in range(4093, 5000) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
    return f":{number}"


# The whole of what a user sees where no window can open: nothing of Qt's own.
NEEDS_A_DESKTOP = r"zorvel: serve un desktop grafico \(X11 o Wayland\), .*\n"

# display variables set (none by default), arguments, exit status, where the answer
# goes, the answer
ANSWERS = [
    ({}, ["--help"], 0, "stdout", r"Uso: zorvel \[opzioni\]\n(.*\n)*"),
    ({}, ["-v"], 0, "stdout", rf"Zorvel {re.escape(program_version())}\n(.*\n)*"),
    ({}, [], 1, "stderr", NEEDS_A_DESKTOP),
    ({"DISPLAY": closed_x_display()}, ["70", "175"], 1, "stderr", NEEDS_A_DESKTOP),
    ({"WAYLAND_DISPLAY": "wayland-closed", "XDG_RUNTIME_DIR": os.environ["ZORVEL_BUILD_DIR"]},
     [], 1, "stderr", NEEDS_A_DESKTOP),
]


class CommandLineTest(unittest.TestCase):

    def test_answers_without_a_display(self):
        no_display = {key: value for key, value in os.environ.items()
                      if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        for display, arguments, status, stream, answer in ANSWERS:
            with self.subTest(display=display, arguments=arguments):
                result = subprocess.run(program_command() + arguments, env=no_display | display,
                                        timeout=30, capture_output=True, text=True,
                                        stdin=subprocess.DEVNULL)
                self.assertEqual(result.returncode, status, result.stderr)
                self.assertRegex(getattr(result, stream), f"\\A{answer}\\Z")

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

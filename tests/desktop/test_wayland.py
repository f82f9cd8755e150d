# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""On a Wayland desktop without XWayland (WAYLAND_DISPLAY set, DISPLAY not), the
program opens its window natively through Qt's Wayland plugin; with XWayland (both
set) it opens an X11 window, which can stay on top. Weston's headless back end is the
compositor; the client's own protocol log shows the window."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

from xsession import XSession, _die_with_parent, program_command, wait_for

SOCKET = "wayland-zorvel"


class WaylandTest(unittest.TestCase):

    def setUp(self):
        self.runtime_dir = tempfile.mkdtemp(prefix="zorvel-wayland-")
        self.addCleanup(shutil.rmtree, self.runtime_dir, ignore_errors=True)
        self.env = {key: value for key, value in os.environ.items()
                    if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        self.env["XDG_RUNTIME_DIR"] = self.runtime_dir
        compositor = self.start(["weston", "--backend=headless-backend.so", f"--socket={SOCKET}",
                                 "--no-config", "--idle-time=0"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        wait_for("weston's socket", lambda: compositor.poll() is None and os.path.exists(
            os.path.join(self.runtime_dir, SOCKET)))

    def start(self, command, **options):
        process = subprocess.Popen(command, env=self.env, preexec_fn=_die_with_parent,
                                   stdin=subprocess.DEVNULL, **options)

        def stop():
            if process.poll() is None:
                process.terminate()
                process.wait(timeout=10)
        self.addCleanup(stop)
        return process

    def test_opens_its_window_natively(self):
        log_path = os.path.join(self.runtime_dir, "protocol.log")
        self.env.update(WAYLAND_DISPLAY=SOCKET, WAYLAND_DEBUG="client")
        with open(log_path, "wb") as log:
            program = self.start(program_command(), stdout=subprocess.DEVNULL, stderr=log)

        def window_drawn():
            if program.poll() is not None:
                raise AssertionError(f"the program ended with {program.returncode}")
            with open(log_path, errors="replace") as log:
                protocol = log.read()
            # A top-level surface titled Zorvel, and a picture of the window given to it.
            titled = re.search(r'xdg_toplevel@\d+\.set_title\("Zorvel"\)', protocol)
            return titled and re.search(r"wl_surface@\d+\.attach\(wl_buffer@",
                                        protocol[titled.end():])
        wait_for("the window on the Wayland compositor", window_drawn, timeout=30)

    def test_with_an_x_server_too_it_opens_an_x11_window_on_top(self):
        with XSession() as session:
            program = session.start(program_command(), extra_env={
                "WAYLAND_DISPLAY": os.path.join(self.runtime_dir, SOCKET)})
            window = session.wait_for_window("Zorvel", owner=program)
            self.assertIn("_NET_WM_STATE_ABOVE", session.atoms(window, "_NET_WM_STATE"))
            program.terminate()
            program.wait(timeout=10)


if __name__ == "__main__":
    unittest.main()

# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A private X desktop: Xvfb on a display of its own, a real window manager
(openbox, or KWin with its Breeze decoration when ZORVEL_WINDOW_MANAGER=kwin), the
program started the way a user starts it, and the small X tools (xdotool, xprop,
xwininfo, import) that drive and read it from outside. Each wait is bounded: a server
or window manager that does not come up fails the start within seconds.

Every process started here dies with the process that started the session, also when
that one is killed, so a failing or timed-out test leaves no X server behind.

The desktop tests import it; the benchmarks and the Windows stage run a command in
such a session from the shell:

    python3 tests/support/xsession.py [--window-manager openbox|kwin|none] -- COMMAND...

which starts Xvfb and the window manager, runs COMMAND with DISPLAY and a private
XDG_RUNTIME_DIR, ends the session and exits with COMMAND's status.
"""

import argparse
import contextlib
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)

WINDOW_MANAGERS = ("openbox", "kwin")
# A bare X server, for a benchmark that times a window's mapping without a window
# manager in between, and for a test of what another program may then do to the window.
NO_WINDOW_MANAGER = "none"


def window_manager_under_test():
    """The window manager the tests run under, from ZORVEL_WINDOW_MANAGER."""
    name = os.environ.get("ZORVEL_WINDOW_MANAGER") or "openbox"
    if name not in WINDOW_MANAGERS:
        raise SystemExit(f"ZORVEL_WINDOW_MANAGER={name!r}: one of {WINDOW_MANAGERS}")
    return name


def _die_with_parent():
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def wait_for(what, probe, timeout=30.0, interval=0.05, seen=None):
    """Return probe()'s first truthy result, or fail naming what did not happen and,
    where `seen` is given, what it says is there instead."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            instead = f"; {seen()}" if seen else ""
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}{instead}")
        time.sleep(interval)


class Image:
    """A screenshot as 8-bit RGB rows, read from a binary PPM."""

    def __init__(self, ppm):
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
        if not match or match.group(3) != b"255":
            raise ValueError("not an 8-bit binary PPM")
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self.pixels = ppm[match.end():]

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"pixel ({x}, {y}) outside {self.width} x {self.height}")
        offset = 3 * (y * self.width + x)
        return tuple(self.pixels[offset:offset + 3])


class XSession:
    """Xvfb and a window manager; use as a context manager."""

    def __init__(self, screen=(1280, 1024), window_manager=None):
        self.screen = screen
        self.window_manager = window_manager or window_manager_under_test()
        self.processes = []
        self.group = None  # the process group of everything the session starts
        self.env = None
        self.runtime_dir = None

    def __enter__(self):
        try:
            self._start_x_server()
            self._start_window_manager()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        # One at a time, the last started first, so that the window manager ends while
        # its X server still runs: KWin restarts itself when it loses the server, and
        # the restarted one would take over the next session given the same display
        # number (a session without a window manager among them).
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        # What they started unseen (a bus's services, a restarted window manager) is in
        # their process group.
        if self.group:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(self.group, signal.SIGKILL)
        self.processes.clear()
        self.group = None
        if self.runtime_dir:
            shutil.rmtree(self.runtime_dir, ignore_errors=True)
            self.runtime_dir = None

    # -- processes -----------------------------------------------------------------

    def start(self, command, extra_env=None, **options):
        env = dict(self.env)
        env.update(extra_env or {})
        process = subprocess.Popen(command, env=env, preexec_fn=_die_with_parent,
                                   process_group=self.group, stdin=subprocess.DEVNULL,
                                   **options)
        self.processes.append(process)
        return process

    def run(self, *command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True,
                                check=False, timeout=30)
        if check and result.returncode != 0:
            raise AssertionError(f"{' '.join(command)} failed ({result.returncode}): "
                                 f"{result.stderr.decode(errors='replace').strip()}")
        return result.stdout

    def _start_x_server(self):
        # -displayfd lets the server pick a free display number itself, which is
        # free of the race between looking for a free number and taking it.
        read_end, write_end = os.pipe()
        width, height = self.screen
        with contextlib.closing(os.fdopen(read_end, "rb", buffering=0)) as answer:
            server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), preexec_fn=_die_with_parent, process_group=0,
                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
            os.close(write_end)
            self.processes.append(server)
            self.group = server.pid
            number = b""
            deadline = time.monotonic() + 20
            while not number.endswith(b"\n"):
                if server.poll() is not None or time.monotonic() > deadline:
                    raise AssertionError("Xvfb did not start")
                ready, _, _ = select.select([answer], [], [], 0.5)
                if ready:
                    chunk = answer.read(16)
                    if not chunk:
                        raise AssertionError("Xvfb closed its display pipe")
                    number += chunk
        self.display = ":" + number.decode().strip()
        env = {key: value for key, value in os.environ.items()
               if key not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR",
                              "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING")}
        env["DISPLAY"] = self.display
        env["XDG_SESSION_TYPE"] = "x11"
        self.runtime_dir = tempfile.mkdtemp(prefix="zorvel-desktop-")
        env["XDG_RUNTIME_DIR"] = self.runtime_dir
        # The window manager's settings and caches start empty and stay in the session.
        for variable, folder in (("XDG_CONFIG_HOME", "config"), ("XDG_CACHE_HOME", "cache")):
            env[variable] = os.path.join(self.runtime_dir, folder)
            os.mkdir(env[variable])
        self.env = env

    def _start_window_manager(self):
        if self.window_manager == "kwin":
            self._start_kwin()
        elif self.window_manager != NO_WINDOW_MANAGER:
            self._start_openbox()

    def _start_openbox(self):
        # Openbox announces itself on the root window before it handles any event; a
        # window mapped in between is placed as if there were no window manager. It
        # runs the --startup command once it is ready, which is what to wait for.
        ready = os.path.join(self.runtime_dir, "openbox-ready")
        self.start(["openbox", "--sm-disable", "--startup", f"touch {ready}"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("openbox to manage the screen", lambda: os.path.exists(ready))

    def _start_kwin(self):
        # KWin is a Qt 5 program: on the X server, without compositing (Xvfb has no
        # GL worth the name). It says nothing when it is ready; a window it has taken
        # in and framed shows that it is.
        # It gets a session bus of its own, which starts KWin's services (its global
        # shortcuts) in this session's environment, so that they find this display,
        # and ends with them and the session. On a bus shared by the
        # sessions of one test file, a shortcut service that an ended session left
        # hanging kept its name, and every call the next KWin made to it waited 25 s:
        # no KWin after it framed a window within 30 s.
        bus = {"DBUS_SESSION_BUS_ADDRESS": self._start_session_bus()}
        self.start(["kwin_x11", "--replace"],
                   extra_env={"KWIN_COMPOSE": "N", "QT_QPA_PLATFORM": "xcb", **bus},
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        probe = self.start(["xmessage", "-name", "zorvel-probe", "-geometry", "+0+0", "probe"])
        window = self.wait_for_window("zorvel-probe", owner=probe)
        wait_for("KWin to frame a window",
                 lambda: sum(self.cardinals(window, "_NET_FRAME_EXTENTS")) > 0, timeout=30,
                 seen=self.where_processes_wait)
        probe.terminate()
        probe.wait(timeout=10)
        wait_for("the probe window to go", lambda: not self.visible_windows("zorvel-probe"))

    def _start_session_bus(self):
        """The address of a new session bus."""
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        ready, _, _ = select.select([bus.stdout], [], [], 20)
        address = bus.stdout.readline().decode().strip() if ready else ""
        if not address:
            raise AssertionError("the session bus did not start")
        return address

    # -- windows ---------------------------------------------------------------------

    def visible_windows(self, title):
        """Ids of the mapped windows whose title is exactly `title`."""
        out = self.run("xdotool", "search", "--onlyvisible", "--name",
                       f"^{re.escape(title)}$", check=False)
        return [int(word) for word in out.split()]

    def wait_for_window(self, title, timeout=30.0, excluding=(), owner=None):
        """The first mapped window titled `title`; fails at once if `owner`,
        the process expected to show it, ends first."""
        def probe():
            if owner is not None and owner.poll() is not None:
                raise AssertionError(f"{owner.args[0]} ended with {owner.returncode} "
                                     f"before showing a window titled {title!r}")
            found = [w for w in self.visible_windows(title) if w not in excluding]
            return found[0] if found else None
        try:
            return wait_for(f"a window titled {title!r}", probe, timeout)
        except AssertionError as failure:
            tree = self.run("xwininfo", "-root", "-tree", check=False).decode()
            raise AssertionError(f"{failure}; the screen holds:\n{tree}\n"
                                 f"{self.where_processes_wait()}") from None

    def where_processes_wait(self):
        # Where each process's main thread sleeps tells one busy or stuck (a window
        # manager that leaves a window out) from one idle in its event loop (poll).
        lines = []
        for process in self.processes:
            with contextlib.suppress(OSError), open(f"/proc/{process.pid}/wchan") as wchan:
                lines.append(f"{process.args[0]} waits in {wchan.read()}")
        return "\n".join(lines)

    def property_text(self, window, name):
        return self.run("xprop", "-id", str(window), name).decode()

    def atoms(self, window, name):
        """The atom names of an ATOM[] property, as a set."""
        text = self.property_text(window, name)
        if "=" not in text:
            return set()
        return {atom.strip() for atom in text.split("=", 1)[1].split(",") if atom.strip()}

    def cardinals(self, window, name):
        # Forcing the plain number format keeps xprop from drawing icons as text art.
        # Large enough for icons up to 256 pixels, which xprop would otherwise cut short.
        text = self.run("xprop", "-len", str(1 << 24), "-id", str(window), "-f", name, "32c",
                        name).decode()
        if "=" not in text:
            return []
        return [int(value, 0) for value in re.findall(r"-?(?:0x[0-9a-f]+|\d+)",
                                                      text.split("=", 1)[1])]

    def root_window_list(self, name):
        """A WINDOW[] property of the root window, bottom to top for stacking lists."""
        text = self.run("xprop", "-root", name).decode()
        return [int(value, 16) for value in re.findall(r"0x[0-9a-f]+", text.split("=", 1)[-1])]

    def geometry(self, window):
        """Client area as (x, y, width, height) in root coordinates."""
        info = self.run("xwininfo", "-id", str(window)).decode()

        def field(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", info).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def screenshot(self):
        return Image(self.run("import", "-window", "root", "-depth", "8", "ppm:-"))

    # -- input -----------------------------------------------------------------------

    def click(self, window, x, y):
        self.run("xdotool", "mousemove", "--sync", "--window", str(window), str(x), str(y),
                 "click", "1")

    def hover(self, window, x, y):
        # Two small moves so the widget under the pointer sees motion inside itself.
        self.run("xdotool", "mousemove", "--sync", "--window", str(window), str(x), str(y))
        self.run("xdotool", "mousemove", "--window", str(window), str(x + 1), str(y + 1))

    def type_text(self, text):
        self.run("xdotool", "type", "--delay", "40", "--", text)

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "40", *keys)

    def click_close_button(self, window):
        """Click the close button of `window`'s title bar: the one at its right end,
        as openbox and KWin's Breeze draw it, about as wide as the bar is high."""
        x, y, width, _ = self.geometry(window)
        left, right, top, _ = wait_for("a frame around the window",
                                       lambda: self.cardinals(window, "_NET_FRAME_EXTENTS"))
        self.run("xdotool", "mousemove", "--sync", str(x + width + right - top // 2),
                 str(y - top // 2), "click", "1")

    def has_keyboard(self, window):
        """Whether `window` is the active window, or on a bare X server, where no window
        is active, the one with the input focus."""
        # xdotool fails while X focus is PointerRoot, the root window's: no window has it.
        asked = "getwindowfocus" if self.window_manager == NO_WINDOW_MANAGER else "getactivewindow"
        return int(self.run("xdotool", asked, check=False) or b"0") == window

    def activate(self, window):
        if self.window_manager == NO_WINDOW_MANAGER:
            self.run("xdotool", "windowfocus", str(window), check=False)
        else:
            self.run("xdotool", "windowactivate", str(window), check=False)
        wait_for("the window to take the input focus", lambda: self.has_keyboard(window),
                 timeout=30)


def program_command():
    """The program under test; CTest passes the built binary in ZORVEL_PROGRAM."""
    program = os.environ.get("ZORVEL_PROGRAM")
    if not program or not os.access(program, os.X_OK):
        raise SystemExit(f"ZORVEL_PROGRAM does not name the built program: {program!r}")
    return [program]


def main(arguments):
    parser = argparse.ArgumentParser(
        description="Run a command in a private X session and end the session after it.")
    parser.add_argument("--window-manager", choices=WINDOW_MANAGERS + (NO_WINDOW_MANAGER,))
    parser.add_argument("command", nargs=argparse.REMAINDER)
    options = parser.parse_args(arguments)
    command = options.command[1:] if options.command[:1] == ["--"] else options.command
    if not command:
        parser.error("no command to run")
    # A terminated session closes as a finished one does: the command, the window
    # manager and the server asked to end, the runtime folder removed.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
    with XSession(window_manager=options.window_manager) as session:
        return session.start(command).wait()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

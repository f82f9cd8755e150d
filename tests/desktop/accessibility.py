# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A screen reader's view of the program: the accessibility bus on the session bus
that dbus-run-session gives the test, switched on the way a desktop switches it on
for a screen reader, and pyatspi (Debian's python3-pyatspi) to walk the tree."""

import time
import warnings

from xsession import wait_for

# pyatspi still calls libatspi functions that libatspi marks as deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")

def start_accessibility_bus(session):
    """Start the accessibility bus in `session` and tell applications a screen
    reader is listening; returns the pyatspi module, ready to use. The session
    bus starts the bus launcher on the first call, as on a desktop."""
    # The launcher puts its socket under XDG_RUNTIME_DIR (else under the shared home):
    # the session's own directory keeps tests that run side by side apart.
    session.run("dbus-update-activation-environment", "DISPLAY", "XDG_RUNTIME_DIR")
    def bus_answers():
        return session.run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                           "/org/a11y/bus", "org.a11y.Bus.GetAddress", check=False)
    wait_for("the accessibility bus", bus_answers, timeout=30)
    switch_screen_reader(session, True)
    import pyatspi
    return pyatspi


def switch_screen_reader(session, on):
    session.run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                "string:org.a11y.Status", "string:IsEnabled", f"variant:boolean:{str(on).lower()}")


def application_of(pyatspi, pid, timeout=30.0):
    """The accessible application object of the process `pid`."""
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.get_process_id() == pid:
                return application
        return None
    return wait_for(f"process {pid} on the accessibility bus", probe, timeout)


def descendants(root):
    """Every accessible under `root`, depth first."""
    found, stack = [], [root]
    while stack:
        node = stack.pop()
        found.append(node)
        stack.extend(child for child in (node.getChildAtIndex(i)
                                         for i in range(node.childCount)) if child)
    return found


def relative_extents(pyatspi, node, window):
    """`node`'s box relative to the top-level `window` accessible, in logical pixels."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    origin = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x - origin.x, box.y - origin.y, box.width, box.height)


class ScreenReaderMixin:
    """For ProgramTestCase classes: the accessibility bus is on before the program
    starts, and the program's accessible tree is at hand."""

    @classmethod
    def prepare_session(cls):
        cls.pyatspi = start_accessibility_bus(cls.session)
        # The session bus outlives this X session: the classes after it find a desktop
        # with no screen reader, whose programs and window manager leave the bus alone.
        cls.addClassCleanup(switch_screen_reader, cls.session, False)

    @classmethod
    def program_started(cls):
        cls.application = application_of(cls.pyatspi, cls.program.pid)
        cls.top_level = wait_for(
            "the window on the accessibility bus",
            lambda: next((child for child in (cls.application.getChildAtIndex(i)
                                              for i in range(cls.application.childCount))
                          if child is not None and child.name == "Zorvel"), None))

    def find(self, role, name=None, box=None, root=None):
        """The one accessible of `role` with this name and/or box (logical pixels)."""
        role_value = getattr(self.pyatspi, role)
        matches = []
        for node in descendants(root or self.top_level):
            if node.getRole() != role_value:
                continue
            if name is not None and node.name != name:
                continue
            if box is not None and any(abs(a - b) > 1 for a, b in zip(
                    relative_extents(self.pyatspi, node, self.top_level), box)):
                continue
            matches.append(node)
        self.assertEqual(len(matches), 1, f"{role} named {name!r} at {box}: "
                                          f"{len(matches)} found")
        return matches[0]

    def press(self, button):
        actions = button.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        self.assertIn("Press", names, f"the button offers {names}")
        actions.doAction(names.index("Press"))

    @staticmethod
    def text_of(node):
        return node.queryText().getText(0, -1)

    def announcements_during(self, action, expected, timeout=30.0):
        """Run action() and collect the name changes that labels announce, as
        {field: new name} for the labels of `expected` ({field: box}), until every
        one of them has announced something or the time is up."""
        from gi.repository import GLib
        fields = {box: field for field, box in expected.items()}
        heard = {}

        def listener(event):
            box = relative_extents(self.pyatspi, event.source, self.top_level)
            if box in fields:
                # The label's name now: the event's own copy of it does not come
                # through pyatspi as text.
                heard[fields[box]] = event.source.name
        self.pyatspi.Registry.registerEventListener(
            listener, "object:property-change:accessible-name")
        context = GLib.MainContext.default()
        try:
            # Events still queued from before are not announcements of this action.
            while context.iteration(False):
                pass
            heard.clear()
            action()
            deadline = time.monotonic() + timeout
            while len(heard) < len(expected) and time.monotonic() < deadline:
                if not context.iteration(False):
                    time.sleep(0.02)
        finally:
            self.pyatspi.Registry.deregisterEventListener(
                listener, "object:property-change:accessible-name")
        return heard

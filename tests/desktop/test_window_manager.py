"""What a window manager learns about the window, and what it does with it:
stays on top, no task-bar entry, fixed size, no minimize or maximize,
centred, titled "Zorvel" with an icon."""

import os
import re
import unittest

import calculations as layout
from desktoptest import ProgramTestCase
from installation import read_desktop_entry
from xsession import wait_for

# _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
MOTIF_FUNCTIONS, MOTIF_DECORATIONS = 1, 2
MOTIF_FUNCTION = {"all": 1, "minimize": 8, "maximize": 16}
MOTIF_DECORATION = {"all": 1, "minimize": 32, "maximize": 64}


class WindowManagerTest(ProgramTestCase):

    def test_asks_to_stay_above_without_a_task_bar_entry(self):
        state = self.session.atoms(self.window, "_NET_WM_STATE")
        for atom in ("_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR"):
            with self.subTest(atom=atom):
                self.assertIn(atom, state)

    def test_a_window_raised_later_does_not_cover_it(self):
        covering = self.session.start(["xmessage", "-geometry", "1200x1000+0+0",
                                        "a window raised over the others"])
        try:
            other = self.session.wait_for_window("xmessage")
            self.session.activate(other)
            stacking = self.session.root_window_list("_NET_CLIENT_LIST_STACKING")
            self.assertIn(other, stacking)
            self.assertGreater(stacking.index(self.window), stacking.index(other),
                               "the window lies under a window raised after it")
        finally:
            covering.terminate()
            covering.wait(timeout=10)

    def test_client_area_has_the_designed_fixed_size(self):
        _, _, width, height = self.session.geometry(self.window)
        self.assertEqual((width, height), layout.CLIENT_SIZE)
        hints = self.session.property_text(self.window, "WM_NORMAL_HINTS")
        for kind in ("minimum", "maximum"):
            with self.subTest(hint=kind):
                self.assertIn(f"program specified {kind} size: {width} by {height}", hints)

    def test_can_be_moved_but_not_resized_from_outside(self):
        x, y, _, _ = self.session.geometry(self.window)
        self.session.run("xdotool", "windowsize", str(self.window), "500", "450")
        # The window manager answers requests in order: once the move is done,
        # the resize before it has been answered too.
        self.session.run("xdotool", "windowmove", "--sync", str(self.window),
                         str(x + 40), str(y + 30))
        moved_x, moved_y, width, height = self.session.geometry(self.window)
        self.assertEqual((width, height), layout.CLIENT_SIZE)
        self.assertNotEqual((moved_x, moved_y), (x, y), "the window did not move")
        self.session.run("xdotool", "windowmove", "--sync", str(self.window), str(x), str(y))

    def test_offers_no_minimize_or_maximize(self):
        hints = self.session.cardinals(self.window, "_MOTIF_WM_HINTS")
        # The size hints already forbid resizing; these must take the two buttons away.
        self.assertGreaterEqual(len(hints), 3, "no _MOTIF_WM_HINTS on the window")
        flags, functions, decorations = hints[:3]
        self.assertTrue(flags & (MOTIF_FUNCTIONS | MOTIF_DECORATIONS),
                        "the hints restrict neither functions nor decorations")
        if flags & MOTIF_FUNCTIONS:
            for name in ("all", "minimize", "maximize"):
                with self.subTest(function=name):
                    self.assertFalse(functions & MOTIF_FUNCTION[name])
        if flags & MOTIF_DECORATIONS:
            for name in ("all", "minimize", "maximize"):
                with self.subTest(decoration=name):
                    self.assertFalse(decorations & MOTIF_DECORATION[name])
        allowed = self.session.atoms(self.window, "_NET_WM_ALLOWED_ACTIONS")
        self.assertIn("_NET_WM_ACTION_CLOSE", allowed)
        self.assertIn("_NET_WM_ACTION_MOVE", allowed)
        for action in ("_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                       "_NET_WM_ACTION_MAXIMIZE_VERT"):
            with self.subTest(action=action):
                self.assertNotIn(action, allowed)

    def test_is_centred_on_the_screen(self):
        screen_width, screen_height = self.session.screen

        def centred():
            x, y, width, height = self.session.geometry(self.window)
            left, right, top, bottom = (
                self.session.cardinals(self.window, "_NET_FRAME_EXTENTS") or [0, 0, 0, 0])
            # Centred by its client area or by its frame: both read as centred to the eye.
            offsets = [(x + width / 2 - screen_width / 2, y + height / 2 - screen_height / 2),
                       (x - left + (left + width + right) / 2 - screen_width / 2,
                        y - top + (top + height + bottom) / 2 - screen_height / 2)]
            centred.last = (x, y, left, right, top, bottom)
            return any(abs(dx) <= 1 and abs(dy) <= 1 for dx, dy in offsets)
        try:
            wait_for("the window to stand centred", centred, timeout=30)
        except AssertionError:
            x, y, left, right, top, bottom = centred.last
            width, height = layout.CLIENT_SIZE
            frame_corner = ((screen_width - left - width - right) // 2,
                            (screen_height - top - height - bottom) // 2)
            hint = (" (the client area stands where its frame should)"
                    if abs(x - frame_corner[0]) <= 1 and abs(y - frame_corner[1]) <= 1 else "")
            self.fail(f"client area at {x}, {y} with frame {left}, {right}, {top}, {bottom} "
                      f"is not centred on a {screen_width} x {screen_height} screen{hint}")

    def test_title_is_zorvel(self):
        for name in ("_NET_WM_NAME", "WM_NAME"):
            with self.subTest(property=name):
                self.assertRegex(self.session.property_text(self.window, name),
                                 r'= "Zorvel"\s*$')

    def test_carries_an_icon(self):
        data = self.session.cardinals(self.window, "_NET_WM_ICON")
        self.assertTrue(data, "no _NET_WM_ICON on the window")
        sizes = []
        while data:
            width, height = data[0], data[1]
            pixels = data[2:2 + width * height]
            self.assertEqual(len(pixels), width * height, "a truncated icon image")
            self.assertGreater(len(set(pixels)), 1, f"the {width} x {height} icon is one colour")
            # ARGB: a title bar's own colour shows around the artwork, not a pale tile.
            self.assertIn(0, {pixel >> 24 for pixel in pixels},
                          f"the {width} x {height} icon has no transparent pixel")
            sizes.append((width, height))
            data = data[2 + width * height:]
        self.assertIn((16, 16), sizes)
        self.assertIn((256, 256), sizes, "large and HiDPI docks need a large icon")


    def test_window_class_leads_to_the_desktop_entry(self):
        # Task switchers find the entry, and with it the name and icon, by the class.
        entry = read_desktop_entry(os.environ["ZORVEL_DESKTOP_ENTRY"])
        window_class = self.session.property_text(self.window, "WM_CLASS")
        expected_class = re.escape(entry["StartupWMClass"])
        self.assertRegex(window_class, rf'= "[^"]*", "{expected_class}"\s*$')


class ClosingTest(ProgramTestCase):

    def test_closing_the_window_ends_the_program(self):
        # Alt+F4 makes openbox send the close request a user's click on the close button sends.
        self.session.activate(self.window)

        def closed():
            # Pressed again while it has not worked: a window manager that has just
            # started may not have taken its keys yet.
            self.session.key("alt+F4")
            return self.program.poll() is not None
        wait_for("the program to end", closed, timeout=30, interval=1.0)
        self.assertEqual(self.program.returncode, 0)


class FocusAtStartTest(ProgramTestCase):
    """A fresh program, untouched by the tests: the keys a user types first go to it."""

    def test_the_new_window_takes_the_keyboard_focus(self):
        wait_for("the new window to take the keyboard focus",
                 lambda: int(self.session.run("xdotool", "getwindowfocus")) == self.window,
                 timeout=30)


if __name__ == "__main__":
    unittest.main()

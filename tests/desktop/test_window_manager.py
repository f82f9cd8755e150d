# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a window manager learns about the window, and what it does with it:
stays on top, no task-bar entry, fixed size (taken back when another program resizes
it all the same), no minimize or maximize (and back at once, above and in place, if
minimised, maximised or made full screen all the same),
first shown centred by its frame at every start, where it stays, with an icon (every test finds it by its title); the keyboard back in the box to correct after a failure message; Return on
"Calcola". Run under openbox, or KWin with ZORVEL_WINDOW_MANAGER=kwin."""

import os
import re
import unittest

import program_facts as layout
from accessibility import ScreenReaderMixin, descendants
from program_facts import by_name
from desktoptest import ProgramTestCase
from installation import read_desktop_entry
from xsession import NO_WINDOW_MANAGER, XSession, program_command, wait_for

# _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
MOTIF_FUNCTIONS, MOTIF_DECORATIONS = 1, 2
MOTIF_FUNCTION = {"all": 1, "minimize": 8, "maximize": 16}
MOTIF_DECORATION = {"all": 1, "minimize": 32, "maximize": 64}


def off_centre(session, corner, size, frame):
    """How far the window, its client area's corner at `corner` and framed by `frame`
    (_NET_FRAME_EXTENTS), stands from the centre of the screen less the panels."""
    (x, y), (width, height), (left, right, top, bottom) = corner, size, frame
    text = session.run("xprop", "-root", "_NET_WORKAREA").decode().partition("=")[2]
    area_x, area_y, area_width, area_height = ([int(n) for n in re.findall(r"\d+", text)][:4]
                                               or (0, 0, *session.screen))
    return (x - left + (left + width + right) / 2 - area_x - area_width / 2,
            y - top + (top + height + bottom) / 2 - area_y - area_height / 2)


def wait_until_centred_in_frame(session, window):
    """Waits until the window stands centred by the frame the window manager draws."""
    frame = wait_for("the window manager to frame the window",
                     lambda: session.cardinals(window, "_NET_FRAME_EXTENTS"))

    def offset():
        x, y, width, height = session.geometry(window)
        return off_centre(session, (x, y), (width, height), frame)
    wait_for("the window to stand centred", lambda: all(abs(d) <= 1 for d in offset()),
             seen=lambda: f"client area at {session.geometry(window)[:2]} with frame {frame}, "
                          f"{offset()} off centre")


class WindowManagerTest(ProgramTestCase):

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
            covering.wait(timeout=30)

    def test_size_hints_fix_the_client_area(self):
        _, _, width, height = self.session.geometry(self.window)
        hints = self.session.property_text(self.window, "WM_NORMAL_HINTS")
        for kind in ("minimum", "maximum"):
            with self.subTest(hint=kind):
                self.assertIn(f"program specified {kind} size: {width} by {height}", hints)

    def test_can_be_moved_but_not_resized_from_outside(self):
        # A person can only drag the window once it is framed and in place.
        wait_until_centred_in_frame(self.session, self.window)
        x, y, _, _ = self.session.geometry(self.window)
        self.session.run("xdotool", "windowsize", str(self.window), "500", "450")

        # The window manager answers requests in order: once the move is done, the
        # resize before it has been answered too. A loaded machine can lose the first
        # drag, so it is tried again, as a person would.
        def moved():
            self.session.run("xdotool", "windowmove", "--sync", str(self.window),
                             str(x + 40), str(y + 30))
            return self.session.geometry(self.window)[:2] != (x, y)
        wait_for("the window to move", moved, interval=0.5)
        self.assertEqual(self.session.geometry(self.window)[2:], layout.CLIENT_SIZE)
        self.session.run("xdotool", "windowmove", "--sync", str(self.window), str(x), str(y))

    def test_offers_no_minimize_or_maximize(self):
        hints = self.session.cardinals(self.window, "_MOTIF_WM_HINTS")
        # The size hints already forbid resizing; these must take the two buttons away.
        self.assertGreaterEqual(len(hints), 3, "no _MOTIF_WM_HINTS on the window")
        flags, functions, decorations = hints[:3]
        self.assertTrue(flags & (MOTIF_FUNCTIONS | MOTIF_DECORATIONS),
                        "the hints restrict neither functions nor decorations")
        for flag, given, bits in ((MOTIF_FUNCTIONS, functions, MOTIF_FUNCTION),
                                  (MOTIF_DECORATIONS, decorations, MOTIF_DECORATION)):
            for name in ("all", "minimize", "maximize") if flags & flag else ():
                with self.subTest(flag=flag, name=name):
                    self.assertFalse(given & bits[name])
        allowed = self.session.atoms(self.window, "_NET_WM_ALLOWED_ACTIONS")
        self.assertIn("_NET_WM_ACTION_CLOSE", allowed)
        self.assertIn("_NET_WM_ACTION_MOVE", allowed)
        for action in ("_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                       "_NET_WM_ACTION_MAXIMIZE_VERT"):
            with self.subTest(action=action):
                self.assertNotIn(action, allowed)

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


class XEvents:
    """What xev reports from now on about the root window's children (the frames a
    window manager draws: created, mapped and moved), or about one window."""

    def __init__(self, session, window=None):
        self.session, self.marks = session, 0
        self.where = ["-id", str(window)] if window else ["-root"]
        self.path = os.path.join(session.runtime_dir, f"events-{window or 'root'}.log")
        with open(self.path, "wb") as log:
            session.start(["xev", *self.where, "-event", "structure" if window else "substructure",
                           "-event", "property"], stdout=log)
        self.of(None)

    def of(self, window):
        """(event, geometry or None) for each event of `window` until now: a property set
        now is reported after them, and set again while xev is not listening."""
        self.marks += 1
        mark = f"ZORVEL_MARK_{self.marks}"

        def reported():
            self.session.run("xprop", *self.where, "-f", mark, "8s", "-set", mark, "1")
            with open(self.path) as log:
                text = log.read()
            return mark in text and text
        found = []
        for block in re.split(r"\n(?=\S)", wait_for("xev to report", reported, interval=0.2)):
            subject = re.search(r"(?:event|parent) 0x[0-9a-f]+, window (0x[0-9a-f]+)", block)
            if subject and int(subject.group(1), 16) == window:
                geometry = re.search(r"\((-?\d+),(-?\d+)\), width (\d+), height (\d+)", block)
                found.append((block.split()[0], geometry and tuple(map(int, geometry.groups()))))
        return found


def frame_of(session, window):
    """The root window's child that holds `window`: the frame drawn around it."""
    while True:
        tree = session.run("xwininfo", "-tree", "-id", str(window)).decode()
        root, parent = (int(re.search(rf"{name} window id: (0x[0-9a-f]+)", tree).group(1), 16)
                        for name in ("Root", "Parent"))
        if parent == root:
            return window
        window = parent


def appearances(frame_events, minimum_width):
    """The frame's top-left corner at each change while the whole window shows in it."""
    corners, geometry, mapped = [], None, False
    for kind, new_geometry in frame_events:
        geometry = new_geometry or geometry
        mapped = (mapped or kind == "MapNotify") and kind != "UnmapNotify"
        if mapped and geometry and geometry[2] >= minimum_width and geometry[:2] not in corners[-1:]:
            corners.append(geometry[:2])
    return corners


class CentringTest(unittest.TestCase):
    """Fresh starts, each first shown where it stays: centred by the frame the window
    manager really draws."""

    STARTS = 20

    def test_every_start_appears_centred_in_its_frame_and_stays(self):
        with XSession() as session:
            events = XEvents(session)
            for start in range(1, self.STARTS + 1):
                program = session.start(program_command())
                window = session.wait_for_window("Zorvel", owner=program)
                frame_extents = wait_for("the window manager to frame the window",
                                         lambda: session.cardinals(window, "_NET_FRAME_EXTENTS"))
                frame, (left, _, top, _) = frame_of(session, window), frame_extents

                # KWin maps a new frame at 1 x 1 in the screen's corner, where it shows
                # nothing, and an instant later gives it its place and size and moves the
                # client area into it: the window is measured once the frame holds it.
                def framed():
                    x, y, width, height = session.geometry(window)
                    corners = appearances(events.of(frame), width)
                    return (corners and (x - corners[-1][0], y - corners[-1][1]) == (left, top)
                            and (corners, (x, y, width, height)))
                corners, (x, y, width, height) = wait_for(
                    "the frame to hold the window", framed,
                    seen=lambda: f"client area {session.geometry(window)}, frame {frame_extents}")
                # Where the client area stood at each, from where it stands in the frame now.
                shown = [(cx + x - corners[-1][0], cy + y - corners[-1][1]) for cx, cy in corners]
                off = off_centre(session, shown[0], (width, height), frame_extents)
                self.assertTrue(all(abs(d) <= 1 for d in off) and len(shown) == 1,
                                f"start {start}: the client area stood at {shown}, first {off} "
                                f"off centre, with a frame of {frame_extents}")
                program.terminate()
                program.wait(timeout=30)
                wait_for("the window to go", lambda: window not in session.visible_windows("Zorvel"))


class WindowStatesTest(ProgramTestCase):

    def test_a_minimised_window_comes_back_at_once(self):
        # xev reports what happens to the window in order: the window manager hides
        # it (UnmapNotify), the program asks for it back (MapNotify).
        events = XEvents(self.session, self.window)
        self.session.run("xdotool", "windowminimize", str(self.window))

        def seen():
            return [kind for kind, _ in events.of(self.window)]
        wait_for("the window manager to minimise the window", lambda: "UnmapNotify" in seen())
        wait_for("the window to come back",
                 lambda: "MapNotify" in seen()[seen().index("UnmapNotify"):])
        wait_for("the window manager to show it as a normal window again",
                 lambda: "Normal" in self.session.property_text(self.window, "WM_STATE"))
        state = self.session.atoms(self.window, "_NET_WM_STATE")
        self.assertNotIn("_NET_WM_STATE_HIDDEN", state)
        for atom in ("_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR"):
            with self.subTest(atom=atom):
                self.assertIn(atom, state)

    def test_maximised_or_full_screen_it_comes_back_above_and_in_place(self):
        wait_until_centred_in_frame(self.session, self.window)
        placed = self.session.geometry(self.window)

        def request(change):
            self.session.run("wmctrl", "-i", "-r", str(self.window), "-b", change)
        for change, states in (("maximized_vert,maximized_horz", {"_NET_WM_STATE_MAXIMIZED_VERT",
                                                                    "_NET_WM_STATE_MAXIMIZED_HORZ"}),
                               ("fullscreen", {"_NET_WM_STATE_FULLSCREEN"})):
            with self.subTest(change):
                request(f"add,{change}")
                # The window manager answers requests in order: once it shows the one
                # sent after, it has answered this one.
                request("add,skip_pager")
                wait_for("the window manager to answer", lambda: "_NET_WM_STATE_SKIP_PAGER"
                         in self.session.atoms(self.window, "_NET_WM_STATE"))
                request("remove,skip_pager")

                def as_placed():
                    state = self.session.atoms(self.window, "_NET_WM_STATE")
                    return (not state & states and "_NET_WM_STATE_ABOVE" in state
                            and self.session.geometry(self.window) == placed)
                wait_for(f"the window back above and at {placed}", as_placed)


class ResizedFromOutsideTest(ProgramTestCase):
    """Another program's resize reaches the window whatever its size hints say, on an X
    server without a window manager as under fluxbox and IceWM: the window takes its
    fixed size back."""

    window_manager = NO_WINDOW_MANAGER

    def test_the_window_takes_its_size_back(self):
        events = XEvents(self.session)
        self.session.run("xdotool", "windowsize", str(self.window), "500", "500")

        def sizes():
            return [geometry[2:] for kind, geometry in events.of(self.window)
                    if kind == "ConfigureNotify"]
        def resized_and_back():
            seen = sizes()
            return (500, 500) in seen and seen[-1] == layout.CLIENT_SIZE
        wait_for(f"the window resized to 500 x 500 and back to its {layout.CLIENT_SIZE}",
                 resized_and_back, timeout=10, seen=lambda: f"it went through {sizes()}")


# how the message is closed, weight, height, the box to correct, what the user types next
CLOSING_A_MESSAGE = [
    ("Return", "abc", "175", "Peso", "70"),
    ("Space", "70", "alto", "Altezza", "175"),
    ("Esc", "-70", "175", "Peso", "70"),
    ("its button", "70", "0", "Altezza", "1,75"),
    ("the title bar's close", "1E400", "175", "Peso", "80"),
]


class KeyboardAfterMessageTest(ScreenReaderMixin, ProgramTestCase):
    """Once a failure message closes, Zorvel is the active window again and the keys
    typed next replace the text of the box the message named."""

    closings = CLOSING_A_MESSAGE

    def close_message(self, dialog, how):
        keys = {"Return": "Return", "Space": "space", "Esc": "Escape"}
        if how in keys:
            self.session.activate(dialog)
            self.session.key(keys[how])
        elif how == "its button":
            button = next(node for node in descendants(self.dialog_accessible())
                          if node.getRole() == self.pyatspi.ROLE_PUSH_BUTTON)
            box = button.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
            self.session.run("xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                             str(box.y + box.height // 2), "click", "1")
        else:
            self.session.click_close_button(dialog)

    def dialog_accessible(self):
        return wait_for("the message on the accessibility bus", lambda: next(
            (child for child in (self.application.getChildAtIndex(i)
                                 for i in range(self.application.childCount))
             if child is not None and child.name == "Zorvel" and child != self.top_level),
            None), timeout=30)

    def test_the_keyboard_returns_to_the_box_to_correct(self):
        for how, weight, height, box_name, typed in self.closings:
            with self.subTest(how):
                self.calculate(weight, height)
                dialog = self.session.wait_for_window("Zorvel", excluding=[self.window],
                                                      timeout=30)
                self.close_message(dialog, how)
                wait_for("the message to close",
                         lambda: dialog not in self.session.visible_windows("Zorvel"))
                wait_for("Zorvel to be the active window again",
                         lambda: self.session.has_keyboard(self.window), timeout=30)
                box = self.find("ROLE_TEXT", box_name)
                wait_for(f"the keyboard focus in {box_name}",
                         lambda: box.getState().contains(self.pyatspi.STATE_FOCUSED))
                text = box.queryText()
                self.assertEqual([text.getSelection(i) for i in range(text.getNSelections())],
                                 [(0, len(weight if box_name == "Peso" else height))],
                                 "the text to correct is not selected whole")
                self.session.type_text(typed)
                wait_for(f"{typed!r} in {box_name}", lambda: self.text_of(box) == typed)


class KeyboardAfterMessageWithoutWindowManagerTest(KeyboardAfterMessageTest):
    """The same on an X server without a window manager, where the closed message's
    window hands the keyboard to the root window and no one answers a request to be
    active; nor is there a title bar to close the message by."""

    window_manager = NO_WINDOW_MANAGER
    closings = [closing for closing in CLOSING_A_MESSAGE if closing[0] != "the title bar's close"]


def load_tests(loader, tests, pattern):
    """The file run whole leaves out the test on a bare X server: the screen reader of
    a test process stays on the accessibility bus of its first session, so CTest runs
    that one alone, by its name."""
    return unittest.TestSuite(
        suite for suite in tests
        if not any(isinstance(test, KeyboardAfterMessageWithoutWindowManagerTest) for test in suite))


# the key, the calculation it runs: each shows a class other than the one before
KEYS_ON_CALCOLA = [
    ("Return", "class 4, 70 kg and 175 cm"),
    ("KP_Enter", "class 1, 55 kg and 190 cm"),
    ("space", "class 9, 170 kg and 1,75 m"),
]


class KeysOnCalcolaTest(ProgramTestCase):

    def test_return_and_space_press_the_focused_button(self):
        for key, name in KEYS_ON_CALCOLA:
            calculation = by_name(name)
            with self.subTest(key):
                self.fill(layout.WEIGHT_BOX, calculation.weight)
                self.fill(layout.HEIGHT_BOX, calculation.height)
                self.session.key("Tab", key)  # from the height box to "Calcola"
                bar = self.wait_for_bar(calculation.category)
                self.assert_marker_at(bar, calculation.marker_twips)


class FreshProgramTest(ProgramTestCase):
    """A fresh program, untouched by the tests: the keys a user types first go to it,
    and closing its window ends it."""

    def test_takes_the_keyboard_focus_and_ends_when_closed(self):
        wait_for("the new window to take the keyboard focus",
                 # xdotool fails while X focus is still PointerRoot: no window has it yet.
                 lambda: int(self.session.run("xdotool", "getwindowfocus", check=False) or b"0")
                 == self.window,
                 timeout=30)

        # Alt+F4 makes the window manager send the close request a click on the close
        # button sends.
        def closed():
            # Pressed again while it has not worked: a window manager that has just
            # started may not have taken its keys yet.
            self.session.key("alt+F4")
            return self.program.poll() is not None
        wait_for("the program to end", closed, timeout=30, interval=1.0)
        self.assertEqual(self.program.returncode, 0)


if __name__ == "__main__":
    unittest.main()

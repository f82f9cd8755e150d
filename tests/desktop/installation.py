# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What an installation of Zorvel holds, and checks that both `cmake --install`
and the Debian package must pass."""

import configparser
import os
import struct
import subprocess
import xml.etree.ElementTree as ElementTree

APP_ID = "io.zorvel.Zorvel"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def expected_files(bindir="bin", datadir="share"):
    """Relative path of each file an installation must hold."""
    files = {
        "program": f"{bindir}/zorvel",
        "desktop entry": f"{datadir}/applications/{APP_ID}.desktop",
        "metainfo": f"{datadir}/metainfo/{APP_ID}.metainfo.xml",
        "scalable icon": f"{datadir}/icons/hicolor/scalable/apps/{APP_ID}.svg",
        "manual page": f"{datadir}/man/man1/zorvel.1.gz",
    }
    for size in ICON_SIZES:
        files[f"{size} px icon"] = f"{datadir}/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"
    return files


def png_size(path):
    with open(path, "rb") as png:
        header = png.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        raise AssertionError(f"{path} is not a PNG image")
    return struct.unpack(">II", header[16:24])


def read_desktop_entry(path):
    entry = configparser.RawConfigParser(interpolation=None, strict=True)
    entry.optionxform = str  # keys are case-sensitive
    entry.read(path, encoding="utf-8")
    return entry["Desktop Entry"]


def run_tool(*command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=120)
    return result.returncode, (result.stdout + result.stderr).strip()


class InstallationChecks:
    """Mixed into a unittest.TestCase; `root` is the installation prefix."""

    def check_installation(self, root, bindir="bin", datadir="share"):
        files = expected_files(bindir, datadir)
        for what, relative in files.items():
            with self.subTest(file=what):
                self.assertTrue(os.path.isfile(os.path.join(root, relative)),
                                f"{relative} is missing")
        path = {what: os.path.join(root, relative) for what, relative in files.items()}

        with self.subTest("program is executable"):
            self.assertTrue(os.access(path["program"], os.X_OK))

        for size in ICON_SIZES:
            with self.subTest(icon=size):
                self.assertEqual(png_size(path[f"{size} px icon"]), (size, size))
        with self.subTest(icon="scalable"):
            root_tag = ElementTree.parse(path["scalable icon"]).getroot().tag
            self.assertEqual(root_tag, "{http://www.w3.org/2000/svg}svg")

        with self.subTest("desktop entry validates"):
            code, output = run_tool("desktop-file-validate", path["desktop entry"])
            self.assertEqual((code, output), (0, ""))
        with self.subTest("metainfo validates"):
            code, output = run_tool("appstreamcli", "validate", "--no-net", "--explain",
                                    path["metainfo"])
            self.assertEqual(code, 0, output)

        entry = read_desktop_entry(path["desktop entry"])
        with self.subTest("desktop entry starts the installed program with its icon"):
            self.assertEqual(entry["Exec"].split()[0], os.path.basename(path["program"]))
            self.assertEqual(entry["Icon"], APP_ID)
            self.assertEqual(entry["Type"], "Application")
        with self.subTest("desktop entry speaks Italian, with an English fallback"):
            for key in ("GenericName", "Comment"):
                self.assertIn(f"{key}[it]", entry)
                self.assertIn(key, entry)
                self.assertNotEqual(entry[key], entry[f"{key}[it]"])

        metainfo = ElementTree.parse(path["metainfo"]).getroot()
        with self.subTest("metainfo names the desktop entry and the program"):
            self.assertEqual(metainfo.findtext("id"), APP_ID)
            self.assertEqual(metainfo.findtext("launchable[@type='desktop-id']"),
                             f"{APP_ID}.desktop")
            self.assertEqual(metainfo.findtext("provides/binary"), "zorvel")
        with self.subTest("metainfo speaks Italian, with an English fallback"):
            lang = "{http://www.w3.org/XML/1998/namespace}lang"
            summaries = {element.get(lang): element.text for element in metainfo.iter("summary")}
            self.assertIn(None, summaries)
            self.assertIn("it", summaries)
            self.assertEqual(metainfo.find("languages/lang").text, "it")

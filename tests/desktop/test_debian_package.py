# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Debian package, made as a packager makes it: the source package (the source
release as its upstream tarball, scripts/make-debian-source-package.sh), unpacked and
built by dpkg-buildpackage. Debian's checker
finds nothing to report in the source or the .deb; the .deb holds the installation,
declares dependencies that a Debian 12 machine can meet, and the program it installs
starts and shows its window."""

import glob
import json
import os
import re
import subprocess
import tempfile
import unittest

from installation import InstallationChecks
from xsession import XSession

# Libraries the program links: without them it would not start.
NEEDED = ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6")


def newest_policy_known_to_lintian():
    with open("/usr/share/lintian/data/debian-policy/releases.json", encoding="utf-8") as data:
        versions = [release["version"] for release in json.load(data)["releases"]]
    return max(versions, key=lambda version: [int(part) for part in version.split(".")])


def installed_version(package):
    result = subprocess.run(["dpkg-query", "-W", "-f", "${db:Status-Status} ${Version}",
                             package], capture_output=True, text=True)
    status, _, version = result.stdout.partition(" ")
    return version if result.returncode == 0 and status == "installed" else None


def satisfied_here(alternatives):
    """Whether this machine meets one alternative of a Depends entry."""
    for alternative in alternatives.split("|"):
        match = re.fullmatch(r"\s*([\w.+-]+)(?::\w+)?\s*(?:\(\s*([<>=]+)\s*([^)\s]+)\s*\))?\s*",
                             alternative)
        if not match:
            raise AssertionError(f"cannot read the dependency {alternative!r}")
        name, relation, version = match.groups()
        have = installed_version(name)
        if have is None:
            continue
        if relation is None:
            return True
        operator = {">=": "ge", "<=": "le", ">>": "gt", "<<": "lt", "=": "eq"}[relation]
        if subprocess.run(["dpkg", "--compare-versions", have, operator, version]).returncode == 0:
            return True
    return False


class DebianPackageTest(InstallationChecks, unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory(prefix="zorvel-package-")
        cls.addClassCleanup(cls.scratch.cleanup)
        scratch = cls.scratch.name

        def run(command, cwd=scratch, timeout=60):
            result = subprocess.run(command, cwd=cwd, capture_output=True, text=True,
                                    timeout=timeout)
            if result.returncode != 0:
                raise AssertionError(f"{command[0]} failed:\n{result.stdout}{result.stderr}")
        source_dir = os.environ["ZORVEL_SOURCE_DIR"]
        run(["bash", os.path.join(source_dir, "scripts", "make-debian-source-package.sh"),
             scratch])
        sources = glob.glob(os.path.join(scratch, "*.dsc"))
        if len(sources) != 1:
            raise AssertionError(f"dpkg-source made {sources}, not one source package")
        run(["dpkg-source", "--extract", sources[0], "source"])
        run(["dpkg-buildpackage", "-us", "-uc", "-Jauto"], cwd=os.path.join(scratch, "source"),
            timeout=1200)
        packages = glob.glob(os.path.join(scratch, "*_*.deb"))
        changes = glob.glob(os.path.join(scratch, "*.changes"))
        packages = [package for package in packages if "-dbgsym_" not in package]
        if len(packages) != 1 or len(changes) != 1:
            raise AssertionError(f"dpkg-buildpackage made {packages} and {changes}, "
                                 "not one package and one .changes")
        cls.source, cls.package, cls.changes = sources[0], packages[0], changes[0]
        cls.root = os.path.join(scratch, "root")
        run(["dpkg", "-x", cls.package, cls.root])

    def field(self, name):
        return subprocess.run(["dpkg-deb", "-f", self.package, name], check=True,
                              capture_output=True, text=True).stdout.strip()

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), "zorvel")
        self.assertRegex(self.field("Version"), r"^\d+\.\d+\.\d+")
        architecture = subprocess.run(["dpkg", "--print-architecture"], check=True,
                                      capture_output=True, text=True).stdout.strip()
        self.assertEqual(self.field("Architecture"), architecture)

    def test_declares_dependencies_this_machine_meets(self):
        depends = [entry.strip() for entry in self.field("Depends").split(",") if entry.strip()]
        names = {re.match(r"[\w.+-]+", entry).group(0) for entry in depends}
        for package in NEEDED:
            with self.subTest(needs=package):
                self.assertIn(package, names)
        for entry in depends:
            with self.subTest(depends=entry):
                self.assertTrue(satisfied_here(entry), f"{entry} is not met on this machine")

    def test_holds_the_installation_under_usr_only(self):
        self.assertEqual(sorted(os.listdir(self.root)), ["usr"])
        self.check_installation(os.path.join(self.root, "usr"),
                                os.environ.get("ZORVEL_INSTALL_BINDIR", "bin"),
                                os.environ.get("ZORVEL_INSTALL_DATADIR", "share"))

    def test_debian_checker_reports_nothing(self):
        # The .changes names the source package and the .deb, so lintian reads them all.
        # Only experimental tags may remain (docs/packaging.md says why each does). The
        # package follows the Policy of Debian 13; Debian 12's lintian knows none so new.
        with open(self.source, encoding="utf-8") as dsc:
            standards = re.search(r"^Standards-Version: (\S+)$", dsc.read(), re.MULTILINE).group(1)
        too_new = subprocess.run(["dpkg", "--compare-versions", standards, "gt",
                                  newest_policy_known_to_lintian()]).returncode == 0
        suppressed = ["--suppress-tags", "newer-standards-version"] if too_new else []
        result = subprocess.run(["lintian", "-I", "-E", "--pedantic", *suppressed,
                                 "--fail-on", "error,warning,info,pedantic", self.changes],
                                capture_output=True, text=True, timeout=600)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_installed_program_shows_its_window(self):
        program = os.path.join(self.root, "usr", "bin", "zorvel")
        with XSession() as session:
            process = session.start([program])
            window = session.wait_for_window("Zorvel", owner=process)
            self.assertIsNone(process.poll(), "the program ended after showing its window")
            self.assertEqual(session.cardinals(window, "_NET_WM_PID"), [process.pid])


if __name__ == "__main__":
    unittest.main()

# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""`cmake --install` puts the program, the desktop entry, the metainfo and the icons
in the standard places, and the data files pass the desktop's own validators."""

import os
import subprocess
import tempfile
import unittest

from installation import InstallationChecks, run_tool


class InstallTest(InstallationChecks, unittest.TestCase):

    def test_install_into_a_fresh_prefix(self):
        with tempfile.TemporaryDirectory(prefix="zorvel-install-") as scratch:
            prefix = os.path.join(scratch, "usr")
            subprocess.run(["cmake", "--install", os.environ["ZORVEL_BUILD_DIR"],
                            "--prefix", prefix], check=True, stdout=subprocess.DEVNULL,
                           timeout=120)
            self.check_installation(prefix, os.environ.get("ZORVEL_INSTALL_BINDIR", "bin"),
                                    os.environ.get("ZORVEL_INSTALL_DATADIR", "share"))
            with self.subTest("the installed tree is consistent"):
                code, output = run_tool("appstreamcli", "validate-tree", "--no-net", scratch)
                self.assertEqual(code, 0, output)


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows stage of the test command: builds Zorvel.exe, its tests and its .zip
# (scripts/build-windows.sh, which builds Qt for Windows first when its cache is
# missing) and runs the tests under Wine on a virtual X server with openbox. The Wine
# prefix is the stage's own, made afresh outside the checkout (its drive Z: is the whole
# file system, which a search of the checkout must not enter), and its server stays up
# for the whole stage, so each test program is one Wine process that starts in a moment.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build-windows.sh
ZORVEL_WINDOWS_QT=$(bash scripts/build-windows-qt.sh)
export ZORVEL_WINDOWS_QT

started=$SECONDS
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: Wine would ask to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" &
xvfb=$!
window_manager=
other_program=
cleanup() {
    wineserver -k 2>/dev/null && wineserver -w 2>/dev/null || true
    [ -z "$other_program" ] || kill "$other_program" 2>/dev/null || true
    [ -z "$window_manager" ] || kill "$window_manager" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$display_file" "$WINEPREFIX"
}
trap cleanup EXIT
while [ ! -s "$display_file" ]; do
    sleep 0.1
done
export DISPLAY=:$(cat "$display_file")
openbox --sm-disable &
window_manager=$!
# Another program's window is on the screen and active when Zorvel.exe starts, as on a
# desktop in use.
xmessage -geometry +0+0 "another program" &
other_program=$!

wineserver -p
wine wineboot --init >/dev/null 2>&1
# Qt Test sends its report to the debugger where a program has no console window, as
# under Wine; this sends it to standard error. Wine passes no QT_ variable on from the
# shell, but gives every program the environment the registry holds.
wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
echo "Wine prefix ready in $((SECONDS - started)) s."

ctest --preset windows -j "$(nproc)"
echo "Windows tests under Wine took $((SECONDS - started)) s."

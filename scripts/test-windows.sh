#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows stage of the test command: builds Zorvel.exe, its tests and its .zip
# (scripts/build-windows.sh, after Qt for Windows, built once into its cache) and runs
# the tests under Wine in a private X session with openbox (tests/support/xsession.py).
# The Wine prefix is the stage's own, made afresh in the session's runtime folder outside
# the checkout (its drive Z: is the whole file system, which a search of the checkout
# must not enter), and its server stays up for the whole stage, so each test program is
# one Wine process that starts in a moment.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/ensure-packages.sh windows
ZORVEL_WINDOWS_QT=$(nice bash scripts/build-windows-qt.sh)
export ZORVEL_WINDOWS_QT
bash scripts/build-windows.sh

# A Qt folder copied elsewhere (a CI cache, another machine) builds the same Zorvel.exe,
# reading nothing from where it was built: Qt's toolchain file names the MinGW-w64 one at
# the folder's first place, and the windows preset names it where the folder is now.
moved_qt_builds_the_same() {
    local build=build/windows-moved-qt copy
    rm -rf "$build"
    mkdir -p "$build/cache"
    cp -a "$ZORVEL_WINDOWS_QT" "$build/cache/"
    copy=$(ZORVEL_WINDOWS_QT_CACHE=$PWD/$build/cache bash scripts/build-windows-qt.sh)
    ZORVEL_WINDOWS_QT=$copy cmake --preset windows -B "$build" >/dev/null
    cmake --build "$build" --target zorvel -j "$(nproc)" >/dev/null
    if grep -lF "$ZORVEL_WINDOWS_QT/" "$build/CMakeCache.txt" "$build/build.ninja" \
        || (cd "$build" && ninja -t deps) | grep -F "$ZORVEL_WINDOWS_QT/"; then
        echo "The build from the copy of $ZORVEL_WINDOWS_QT read the original (above)." >&2
        return 1
    fi
    cmp build/windows/Zorvel.exe "$build/Zorvel.exe"
    rm -rf "$build/cache"
    echo "A copy of the Qt folder elsewhere builds the same Zorvel.exe."
}
moved_qt_builds_the_same

# Runs in the X session, whose runtime folder goes with it.
wine_stage() {
    set -euo pipefail
    started=$SECONDS other_program=
    export WINEPREFIX=$XDG_RUNTIME_DIR/wine WINEDEBUG=-all WINEARCH=win64
    # No Mono or Gecko: Wine would ask to download them.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    trap '{ wineserver -k && wineserver -w; } 2>/dev/null || true
          [ -z "$other_program" ] || kill "$other_program" 2>/dev/null || true' EXIT

    # Another program's window is on the screen and active when Zorvel.exe starts, as
    # on a desktop in use.
    xmessage -geometry +0+0 "another program" &
    other_program=$!

    mkdir "$WINEPREFIX"
    wineserver -p
    wine wineboot --init >/dev/null 2>&1
    # Qt Test sends its report to the debugger where a program has no console window,
    # as under Wine; this sends it to standard error. Wine passes no QT_ variable on from
    # the shell, but gives every program the environment the registry holds.
    wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
    echo "Wine prefix ready in $((SECONDS - started)) s."

    ctest --preset windows -j "$(nproc)"
    echo "Windows tests under Wine took $((SECONDS - started)) s."
}
export -f wine_stage
python3 tests/support/xsession.py --window-manager openbox -- bash -c wine_stage

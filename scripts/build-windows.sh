#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Windows program from Debian: Qt for Windows once (scripts/build-windows-qt.sh,
# cached outside the clone), then Zorvel.exe with its tests (build/windows/) and the .zip
# that a user unpacks and starts: build/windows/Zorvel-<version>-windows-x64.zip.
# ZORVEL_WINDOWS_QT, when set, names the Qt folder that build-windows-qt.sh gave.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/ensure-packages.sh windows

ZORVEL_WINDOWS_QT=${ZORVEL_WINDOWS_QT:-$(nice bash scripts/build-windows-qt.sh)}
export ZORVEL_WINDOWS_QT

cmake --preset windows
cmake --build --preset windows -j "$(nproc)"
cmake --build --preset windows --target package

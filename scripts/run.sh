#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Zorvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/ensure-packages.sh build

cmake --preset release
cmake --build --preset release -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Zorvel is built: ./build/release/zorvel. It opens a window, so start it from a graphical desktop." >&2
    exit 1
fi
exec ./build/release/zorvel "$@"

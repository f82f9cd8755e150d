#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Zorvel with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/ensure-packages.sh test

jobs=$(nproc)

cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

# The tests that touch pixels (assets and window) again on two emulated processors,
# baseline x86-64 and Nehalem, with the same build: Qt picks its pixel code by
# processor feature, and a comparison must hold on every processor, not only this one.
ctest --preset cpu-qemu64 -j "$jobs"
ctest --preset cpu-nehalem -j "$jobs"

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

# Each fuzz target for a bounded time (30 seconds each unless ZORVEL_FUZZ_SECONDS says otherwise).
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz

# Windows: Zorvel.exe, its tests and its .zip, built with MinGW-w64 against Qt for
# Windows (built once into a cache, about 14 minutes on 2 idle cores) and run under Wine.
bash scripts/test-windows.sh

# The packages (.deb, Windows .zip and installer) built twice from the source release
# unpacked into two folders, compared byte for byte.
bash scripts/check-reproducible.sh

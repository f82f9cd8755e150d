#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# CTest's emulator for the Windows build: runs a test program under Wine. A program can
# make Wine start services (plugplay, winedevice) that live on after it and would keep
# CTest's output pipe open, so CTest would wait for them: the output goes through a file.
output=$(mktemp)
wine "$@" </dev/null >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
exit "$status"

#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts a test program on this machine's processor or, when ZORVEL_TEST_CPU names a
# qemu-x86_64 processor model (qemu64, Nehalem, ...), on that processor emulated, so
# that the code Qt picks by processor feature runs as it would there.
if [ -n "${ZORVEL_TEST_CPU:-}" ]; then
    exec qemu-x86_64 -cpu "$ZORVEL_TEST_CPU" "$@"
fi
exec "$@"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages of scripts/packages.list that are missing.
# Usage: ensure-packages.sh build|test|windows|debian   ("test" includes everything the
# others need, "windows" and "debian" what "build" needs).
# Safe to run again: when everything is present it installs nothing.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wanted_kind=${1:?usage: ensure-packages.sh build|test|windows|debian}

wanted=()
while read -r kind package _; do
    case "$kind" in ''|'#'*) continue ;; esac
    if [ "$kind" = build ] || [ "$kind" = "$wanted_kind" ] || [ "$wanted_kind" = test ]; then
        wanted+=("$package")
    fi
done < "$here/packages.list"

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Run this command as root (or with sudo) to install them." >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"

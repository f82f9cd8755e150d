#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the .deb twice with Debian's reprotest, from the source package unpacked, the
# second time in another folder, at another time (faketime), in another time zone and
# locale, as another user and with another umask; SOURCE_DATE_EPOCH comes from
# debian/changelog both times, as dpkg-buildpackage sets it. Fails, with diffoscope's
# report, where the two .deb differ.
# Usage: check-debian-reproducible.sh      (as root: the second build runs as the user
#                                           zorvel-reprotest, made here if missing)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/ensure-packages.sh debian
builder=zorvel-reprotest
id "$builder" >/dev/null 2>&1 || useradd --system --user-group --create-home "$builder"
# The second build's locale (reprotest's default, Estonian: another collation and decimal
# comma) must exist, or the build falls back to C and nothing varies.
locale -a | grep -qx et_EE.utf8 || localedef -i et_EE -c -f UTF-8 et_EE.UTF-8

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The source package unpacked one level down, so that the .deb, which dpkg-buildpackage
# writes beside the tree, lands in the folder reprotest copies and gives to the other user.
mkdir "$work/root"
source_package=$(bash scripts/make-debian-source-package.sh "$work/source")
dpkg-source --extract "$source_package" "$work/root/zorvel" >/dev/null

# reprotest 0.7.23 runs "sudo -h localhost ...", which Debian 12's sudo refuses ("a remote
# host may only be specified when listing privileges"): a sudo first in PATH drops it.
mkdir "$work/bin"
cat >"$work/bin/sudo" <<'SUDO'
#!/bin/sh
if [ "$1" = -h ] && [ "$2" = localhost ]; then shift 2; fi
exec /usr/bin/sudo "$@"
SUDO
chmod +x "$work/bin/sudo"
export PATH="$work/bin:$PATH"

started=$SECONDS
reprotest --variations=-all,+build_path,+time,+timezone,+locales,+user_group,+umask \
    --vary=user_group.available+="$builder:$builder" --min-cpus "$(nproc)" \
    --build-command 'cd zorvel && dpkg-buildpackage --no-sign -b' \
    --store-dir "$work/store" "$work/root" 'zorvel_*.deb' -- null
echo "Two builds with reprotest in $((SECONDS - started)) s."

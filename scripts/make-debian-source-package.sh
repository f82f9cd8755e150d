#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian source package as Debian has it: the source release
# (scripts/make-source-release.sh), unchanged, as zorvel_<version>.orig.tar.xz, and this
# tree's debian/ (so that a change to the packaging counts before it is committed) as
# the Debian tarball, format 3.0 (quilt). The source package is left in <folder>, with
# the tree dpkg-source built it from as <folder>/zorvel-<version>.
# Usage: make-debian-source-package.sh <folder>     prints the path of the .dsc
set -euo pipefail
output=$(mkdir -p "${1:?usage: make-debian-source-package.sh <folder>}" && cd "$1" && pwd)
cd "$(dirname "$0")/.."

release=$(bash scripts/make-source-release.sh | tail -n 1)
name=$(basename "$release" .tar.xz)
version=${name#zorvel-}

cp "$release" "$output/zorvel_$version.orig.tar.xz"
rm -rf "${output:?}/$name"
tar -xf "$release" -C "$output"
rm -rf "${output:?}/$name/debian"
bash scripts/source-files.sh | grep '^debian/' | xargs -r -d '\n' cp -P --parents -t "$output/$name"
(cd "$output" && dpkg-source --build "$name" >&2)
ls "$output"/zorvel_"$version"-*.dsc

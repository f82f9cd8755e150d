#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the source release build/source-release/zorvel-<version>.tar.xz and its
# .sha256: in a git clone the files of the last commit (uncommitted changes are not in
# it), elsewhere the tree's source files (scripts/source-files.sh), so that the
# reproducibility check works from an unpacked release too. The same source gives the
# same bytes: names sorted, every member dated SOURCE_DATE_EPOCH (else the last commit's
# time, else that of CMakeLists.txt, as the build takes it), owned by 0, modes
# normalised, GNU tar headers, xz with fixed settings on one thread.
# Usage: make-source-release.sh             prints the path of the .tar.xz
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -nE '/^project\(/,/\)/ s/^ *VERSION ([0-9]+\.[0-9]+\.[0-9]+).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "No VERSION in the project() of CMakeLists.txt" >&2; exit 1; }
name=zorvel-$version
output=$PWD/build/source-release
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$output" "$stage/$name"

if command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
        echo "Uncommitted changes are left out: the release holds the last commit." >&2
    fi
    git archive --format=tar HEAD | tar -x -C "$stage/$name"
    epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
else
    bash scripts/source-files.sh | xargs -r -d '\n' cp -P --parents -t "$stage/$name"
    epoch=${SOURCE_DATE_EPOCH:-$(stat -c %Y CMakeLists.txt)}
fi

(cd "$stage" && find "$name" -print0 | LC_ALL=C sort -z \
    | tar --create --no-recursion --null --files-from=- --format=gnu --mtime="@$epoch" \
        --owner=0 --group=0 --numeric-owner --mode='u+rwX,go=rX' --no-acls --no-xattrs --no-selinux) \
    | xz --format=xz --check=crc64 -6 --threads=1 >"$output/$name.tar.xz"
(cd "$output" && sha256sum "$name.tar.xz" >"$name.tar.xz.sha256")
echo "$output/$name.tar.xz"

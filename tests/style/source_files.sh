#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/source-files.sh on a tree made here, without git, under the project's own
# .gitignore: a file (inside a folder, for a folder's entry) for each of its entries,
# the build folder among them, must be left out, and every other file listed, those
# that look like an ignored one deeper in the tree too. Fails showing the difference.
# Usage: source_files.sh <top folder>
set -euo pipefail

top=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cp "$top/.gitignore" "$tree/"

# Files a clone holds, beside what .gitignore names: hidden ones, one with a space,
# and names that .gitignore's entries, read from the top, do not reach.
kept=(.ci/run .reuse/dep5 CMakeLists.txt "docs/a name with spaces.md"
    debian/control debian/source/format tests/build/data.txt docs/CMakeUserPresets.json
    packaging/obj-x86_64-linux-gnu/notes.txt window/files)
ignored=()
while IFS= read -r entry; do
    case "$entry" in '' | '#'*) continue ;; esac
    path=${entry#/}
    path=${path%/}
    path=${path//\*/x86_64-linux-gnu}
    [[ $entry == */ ]] && path+=/inside/written.o
    ignored+=("$path")
done <"$top/.gitignore"

for file in "${kept[@]}" "${ignored[@]}"; do
    mkdir -p "$tree/$(dirname "$file")"
    echo "$file" >"$tree/$file"
done
ln -s CMakeLists.txt "$tree/linked.txt"
kept+=(.gitignore linked.txt)

expected=$(printf '%s\n' "${kept[@]}" | LC_ALL=C sort)
listed=$(bash "$top/scripts/source-files.sh" "$tree")
if [ "$listed" != "$expected" ]; then
    echo "source-files.sh lists (+) or leaves out (-) the wrong files; ignored: ${ignored[*]}" >&2
    diff -u <(echo "$expected") <(echo "$listed") >&2 || true
    exit 1
fi
echo "${#kept[@]} files listed, ${#ignored[@]} ignored ones left out"

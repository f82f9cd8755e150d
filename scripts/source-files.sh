#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Lists the project's source files, one a line, relative to the top folder and sorted:
# every file of the tree but the .git folder and what .gitignore names (the build
# folders, a user's own presets). It needs no git, so a clone, an unpacked source release
# and a packager's tree give the same list; the style tests check these files and a
# source release made without git packs them. .gitignore's entries are read as git
# reads the simple ones: "/build/" or "a/b" from the top, "*.o" at any depth; a
# negation ("!") stops it, rather than list files that git would leave out.
# Usage: source-files.sh [<top folder>]     (default: the folder above this script's)
set -euo pipefail

top=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$top"

left_out=(-path ./.git)
if [ -f .gitignore ]; then
    while IFS= read -r entry; do
        entry=${entry%/}
        case "$entry" in
            '' | '#'*) ;;
            '!'*)
                echo "source-files.sh: a negated .gitignore entry is not read: $entry" >&2
                exit 1
                ;;
            */*) left_out+=(-o -path "./${entry#/}") ;;
            *) left_out+=(-o -name "$entry") ;;
        esac
    done <.gitignore
fi
find . \( "${left_out[@]}" \) -prune -o \( -type f -o -type l \) -print | sed 's|^\./||' | LC_ALL=C sort

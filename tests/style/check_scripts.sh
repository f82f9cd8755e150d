#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a checker over every shell or every Python file of the source files
# (scripts/source-files.sh): those named .sh or .py, and those whose first line starts
# the interpreter (.ci/run). Fails when the checker finds anything, or finds no file.
# Usage: check_scripts.sh shell|python <checker> <top folder>
set -euo pipefail

kind=$1 checker=$2 top=$3
case "$kind" in
    shell) name='\.sh$' interpreter='^#!.*[/ ](ba|da)?sh( |$)' ;;
    python) name='\.py$' interpreter='^#!.*[/ ]python3?( |$)' ;;
    *) echo "check_scripts.sh: unknown kind $kind" >&2; exit 2 ;;
esac

cd "$top"
files=()
while IFS= read -r file; do
    if [[ $file =~ $name ]] || head -c 100 "$file" | head -n 1 | grep -qE "$interpreter"; then
        files+=("$file")
    fi
done < <(bash scripts/source-files.sh .)
if [ "${#files[@]}" -eq 0 ]; then
    echo "No $kind file found in $top" >&2
    exit 1
fi
echo "Checking ${#files[@]} $kind files with $checker"
"$checker" "${files[@]}"

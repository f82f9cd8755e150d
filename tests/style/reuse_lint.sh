#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Lints a copy of the source files (scripts/source-files.sh) with reuse, so that the
# result is the same in a clone, in an unpacked source release and in a tree that holds
# build folders: without a git repository reuse would lint every file it finds, the
# build's among them. The copy lies outside any repository, where reuse looks for none.
# Usage: reuse_lint.sh <reuse> <top folder>
set -euo pipefail

reuse=$1 top=$2
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
bash "$top/scripts/source-files.sh" "$top" | (cd "$top" && xargs -r -d '\n' cp -P --parents -t "$copy")
"$reuse" --root "$copy" lint

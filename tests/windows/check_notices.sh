#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file the .zip ships beside its notices has them in it: licenze/elenco.txt names
# the file, with the licence texts that concern it, and each of those texts is in the .zip.
# Usage: check_notices.sh <folder holding the .zip>
set -euo pipefail

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
zips=("$1"/*.zip)
[[ ${#zips[@]} -eq 1 && -f ${zips[0]} ]] || { echo "FAIL: no one .zip in $1" >&2; exit 1; }
(cd "$work" && cmake -E tar xf "${zips[0]}")
root=$(dirname "$(find "$work" -name Zorvel.exe)")
list="$root/licenze/elenco.txt"
[[ -f $list && -f $root/LEGGIMI.txt ]] || { echo "FAIL: no licenze/elenco.txt or LEGGIMI.txt" >&2; exit 1; }

failures=0 checked=0
failure() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
while IFS= read -r file; do
    checked=$((checked + 1))
    # The indented lines under the file's own line.
    notices=$(awk -v file="$file" '/^[^ ]/ { current = ($0 == file) } current && /^    / { print $1 }' "$list")
    [ -n "$notices" ] || failure "$file has no notice in licenze/elenco.txt"
    for notice in $notices; do
        [ -s "$root/licenze/$notice" ] || failure "$file: licenze/$notice is not in the .zip"
    done
done < <(cd "$root" && find . -type f ! -path './licenze/*' ! -name LEGGIMI.txt | sed 's|^\./||' | sort)
[ "$failures" -eq 0 ] || exit 1
echo "Each of the $checked files of the .zip has its notices."

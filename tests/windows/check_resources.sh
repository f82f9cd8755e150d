#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The resources of the built Zorvel.exe, as Windows finds them: the nine class bitmaps in
# Italian, the icon group with its nine images, the version record, the manifest, and
# nothing else; each picture and the manifest byte for byte the committed ones.
# Usage: check_resources.sh <wrestool> <Zorvel.exe> <source folder> <version text>
set -euo pipefail
wrestool=$1 program=$2 source=$3 version=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

expected=$(
    for id in $(seq 101 109); do echo "--type=2 --name=$id --language=1040"; done
    for id in $(seq 30001 30009); do echo "--type=3 --name=$id --language=0"; done
    echo "--type=14 --name=1 --language=0"
    echo "--type=16 --name=1 --language=1040"
    echo "--type=24 --name=1 --language=0"
)
listed=$("$wrestool" -l "$program" | sed 's/ \[.*//')
[ "$listed" = "$expected" ] || fail "the resources differ: $(diff <(echo "$expected") <(echo "$listed"))"

resource() { "$wrestool" -x --raw --type="$1" --name="$2" "$program"; }
for id in $(seq 101 109); do
    # An executable keeps a bitmap without the 14-byte header of its .bmp file.
    cmp -s <(resource 2 "$id") <(tail -c +15 "$source/assets/pictures/$id.bmp") || fail "bitmap $id differs"
done
for id in $(seq 30001 30009); do
    cmp -s <(resource 3 "$id") "$source/packaging/windows/icon/$id.bin" || fail "icon image $id differs"
done
cmp -s <(resource 14 1) "$source/packaging/windows/icon/group.bin" || fail "the icon group differs"
cmp -s <(resource 24 1) "$source/packaging/windows/zorvel.manifest" || fail "the manifest differs"

# The version record's strings, UTF-16 as Windows stores them, each key then its value.
strings=$(resource 16 1 | strings -el | grep -A1 -x -E 'ProductName|FileVersion|ProductVersion|InternalName|OriginalFilename' |
    grep -v -x -- -- | paste -s -d ' ')
[ "$strings" = "ProductName Zorvel FileVersion $version ProductVersion $version InternalName Zorvel OriginalFilename Zorvel.exe" ] ||
    fail "the version record says: $strings"
echo "Zorvel.exe holds bitmaps 101-109 (1040), icons 30001-30009 and group 1, the manifest and version $version."

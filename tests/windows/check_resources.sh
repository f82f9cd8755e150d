#!/usr/bin/env bash
# The resources of the built Zorvel.exe, as Windows finds them: the nine class bitmaps
# in Italian, the icon group with its nine images, the version record, and nothing
# else; each picture byte for byte the committed one.
# Usage: check_resources.sh <wrestool> <Zorvel.exe> <source folder> <version text>
set -euo pipefail
wrestool=$1 program=$2 source=$3 version=$4

expected=$(
    for id in $(seq 101 109); do echo "--type=2 --name=$id --language=1040"; done
    for id in $(seq 30001 30009); do echo "--type=3 --name=$id --language=0"; done
    echo "--type=14 --name=1 --language=0"
    echo "--type=16 --name=1 --language=1040"
)
listed=$("$wrestool" -l "$program" | sed 's/ \[.*//')
if [ "$listed" != "$expected" ]; then
    echo "The resources of $program differ from the expected ones:" >&2
    diff <(echo "$expected") <(echo "$listed") >&2 || true
    exit 1
fi

same() { # <description> <expected file> <actual bytes file>
    if ! cmp -s "$2" "$3"; then
        echo "$1 differs from $2" >&2
        exit 1
    fi
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for id in $(seq 101 109); do
    # An executable keeps a bitmap without the 14-byte header of its .bmp file.
    tail -c +15 "$source/assets/pictures/$id.bmp" >"$work/expected"
    "$wrestool" -x --raw --type=2 --name="$id" "$program" >"$work/actual"
    same "Bitmap $id" "$work/expected" "$work/actual"
done
for id in $(seq 30001 30009); do
    "$wrestool" -x --raw --type=3 --name="$id" "$program" >"$work/actual"
    same "Icon image $id" "$source/packaging/windows/icon/$id.bin" "$work/actual"
done
"$wrestool" -x --raw --type=14 --name=1 "$program" >"$work/actual"
same "The icon group" "$source/packaging/windows/icon/group.bin" "$work/actual"

# The version record's strings, UTF-16 as Windows stores them, key then value.
"$wrestool" -x --raw --type=16 --name=1 "$program" | strings -el >"$work/version"
expected_strings="ProductName Zorvel FileVersion $version ProductVersion $version InternalName Zorvel OriginalFilename Zorvel.exe"
actual_strings=$(grep -A1 -x -E 'ProductName|FileVersion|ProductVersion|InternalName|OriginalFilename' "$work/version" |
    grep -v -x -- -- | tr '\n' ' ' | sed 's/ $//')
if [ "$actual_strings" != "$expected_strings" ]; then
    echo "The version record says: $actual_strings" >&2
    exit 1
fi
echo "Zorvel.exe holds bitmaps 101-109 (1040), icons 30001-30009 and group 1, and version $version."

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the packages twice, from the source release (scripts/make-source-release.sh: the
# last commit in a clone, the source files in a tree without git) unpacked into two
# folders of different names and depths, and compares them byte for byte: the Linux .deb
# and the Windows .zip and installer. Where two differ, diffoscope shows how; the script
# then fails. It fails too where Qt for Windows recorded the time of its build in a DLL.
# Usage: check-reproducible.sh      (Windows packages need Qt for Windows, which
#                                    scripts/build-windows-qt.sh builds once)
set -euo pipefail
cd "$(dirname "$0")/.."

ZORVEL_WINDOWS_QT=$(bash scripts/build-windows-qt.sh)
export ZORVEL_WINDOWS_QT
release=$(bash scripts/make-source-release.sh)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# build_packages <folder>: the packages of the source release, unpacked and built there,
# end up in <folder>/packages.
build_packages() {
    local source=$1/zorvel
    mkdir -p "$source"
    tar -xJf "$release" -C "$source" --strip-components=1
    (
        cd "$source"
        # The .deb as Debian builds it; dpkg-buildpackage leaves it beside the tree.
        dpkg-buildpackage -us -uc -b -Jauto >"$1/dpkg-buildpackage.log" 2>&1 ||
            { cat "$1/dpkg-buildpackage.log" >&2; exit 1; }
        mkdir -p "$1/packages"
        mv "$1"/zorvel_*.deb "$1/packages/"
        cmake --preset windows -DBUILD_TESTING=OFF -DZORVEL_BENCHMARKS=OFF >/dev/null
        cmake --build --preset windows -j "$(nproc)" >/dev/null
        cpack --config build/windows/CPackConfig.cmake -B "$1/packages" >/dev/null
    )
}

started=$SECONDS
build_packages "$work/first"
# What the first build wrote is older than this mark, what the second writes newer.
between="$work/between-the-builds"
touch "$between"
build_packages "$work/second/build-of-the-same-commit"
echo "Two builds of ${release##*/} ($(cut -d ' ' -f 1 "$release.sha256")) in $((SECONDS - started)) s."

shopt -s nullglob
packages=("$work/first/packages"/*.{deb,zip,exe})
if [ "${#packages[@]}" -ne 3 ]; then
    echo "Expected a .deb, a .zip and an installer, found: ${packages[*]##*/}" >&2
    exit 1
fi
status=0
for package in "${packages[@]}"; do
    name=$(basename "$package")
    again="$work/second/build-of-the-same-commit/packages/$name"
    # Two builds are compared, not one package with itself: each package is in both
    # trees, and the second tree's was written after the first build ended.
    if [ ! -f "$again" ] || [ "$package" -nt "$between" ] || [ ! "$again" -nt "$between" ]; then
        echo "NOT FROM TWO BUILDS: $name (${package#"$work"/}, ${again#"$work"/})"
        status=1
    elif cmp -s "$package" "$again"; then
        echo "same:    $name  $(sha256sum <"$package" | cut -d ' ' -f 1)"
    else
        echo "DIFFERS: $name"
        diffoscope --no-progress "$package" "$again" || true
        status=1
    fi
done

# The times in the headers of the gzip streams within a file (Qt compresses its MIME
# database into Qt6Core.dll), one a line; a stream is a gzip header that decompresses.
compression_times() { # <file>
    python3 - "$1" <<'EOF'
import sys
import zlib

with open(sys.argv[1], "rb") as file:
    data = file.read()
start = data.find(b"\x1f\x8b\x08")
while start >= 0:
    stream = zlib.decompressobj(wbits=31)
    try:
        stream.decompress(data[start:start + (1 << 22)])
    except zlib.error:
        pass
    if stream.eof:
        print(int.from_bytes(data[start + 4:start + 8], "little"))
    start = data.find(b"\x1f\x8b\x08", start + 1)
EOF
}

# Both builds take Qt's DLLs from the one Qt for Windows, so comparing them cannot show a
# time that Qt's build recorded; a link time in a DLL's export table, or a compression time
# in a gzip header within it, would make the next build of Qt, and the packages made with
# it, differ.
for dll in "$ZORVEL_WINDOWS_QT"/bin/*.dll "$ZORVEL_WINDOWS_QT"/plugins/*/*.dll; do
    # awk reads to the end: objdump stopped by a closed pipe would fail the pipeline.
    linked=$(x86_64-w64-mingw32-objdump -p "$dll" | awk '/^Time\/Date stamp/ && !seen++ { print $3 }')
    if [ "${linked:-0}" != 0 ]; then
        echo "RECORDS ITS LINK TIME: ${dll#"$ZORVEL_WINDOWS_QT"/} ($linked)"
        status=1
    fi
    compressed=$(compression_times "$dll" | grep -vx 0 | paste -sd ' ' || true)
    if [ -n "$compressed" ]; then
        echo "RECORDS A COMPRESSION TIME: ${dll#"$ZORVEL_WINDOWS_QT"/} ($compressed)"
        status=1
    fi
done
exit "$status"

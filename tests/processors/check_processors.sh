#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds print_presses for the processors Debian builds Zorvel for with Debian's cross
# compilers (static, at Debian's -O2), runs each (i386 natively where the kernel runs
# 32-bit programs, the others and otherwise i386 too under qemu-user) and compares every
# press with this build's. Fails on the first processor that differs in any write,
# after checking them all.
# Usage: check_processors.sh SOURCE-FOLDER THIS-BUILDS-PROGRAM WORK-FOLDER PRESSES
set -eu
source_folder=$1
reference_program=$2
work=$3
presses=$4

mkdir -p "$work"
"$reference_program" "$presses" >"$work/reference.txt"
failed=""
# Debian's name of the processor, the cross compiler's triplet, qemu-user's emulator.
for target in "i386 i686-linux-gnu i386" "arm64 aarch64-linux-gnu aarch64" \
    "armhf arm-linux-gnueabihf arm" "ppc64el powerpc64le-linux-gnu ppc64le" "s390x s390x-linux-gnu s390x"; do
    read -r processor triplet emulator <<TARGET
$target
TARGET
    build="$work/$processor"
    if ! { cmake -S "$source_folder" -B "$build" -G Ninja -DCMAKE_SYSTEM_NAME=Linux \
        -DCMAKE_CXX_COMPILER="$triplet-g++" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O2 \
        -DCMAKE_EXE_LINKER_FLAGS=-static && cmake --build "$build"; } >"$build.log" 2>&1; then
        cat "$build.log"
        echo "$processor: the build failed"
        failed="$failed $processor"
        continue
    fi
    program="$build/print_presses"
    if [ "$processor" != i386 ] || ! "$program" 0 >/dev/null 2>&1; then
        program="qemu-$emulator $program"
    fi
    # shellcheck disable=SC2086 # the emulator and the program are two words
    if ! $program "$presses" >"$work/$processor.txt"; then
        echo "$processor: print_presses failed"
        failed="$failed $processor"
        continue
    fi
    # Line by line: each line of one file followed by the same line of the other.
    if ! paste -d '\n' "$work/reference.txt" "$work/$processor.txt" | awk -v processor="$processor" '
        NR % 2 { expected = $0; next }
        expected != $0 {
            if (++differing <= 3) printf "%s, press %d:\n  expected %s\n  got      %s\n", processor, NR / 2, expected, $0
        }
        END {
            printf "%s: %d of %d presses differ\n", processor, differing, NR / 2
            exit differing > 0
        }'; then
        failed="$failed $processor"
    fi
done
if [ -n "$failed" ]; then
    echo "Not the same results on:$failed"
    exit 1
fi

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of Zorvel against a bare Qt Widgets window of the same size, both on one
# private X server: the time from exec until the window is mapped and the peak
# resident memory once it has painted. Runs alternate; medians and their ratios
# are printed.
# Usage: bench/startup/run.sh [BUILD_DIR] [RUNS]     (defaults: build/dev 15)
#   With the Windows build folder (build/windows, its package built): Zorvel.exe as the
#   .zip holds it, and the bare window built with the same Qt placed beside it, both under
#   Wine in a prefix of the run's own whose server stays up; the timer is the Linux one,
#   ZORVEL_MAP_TIMER (default build/dev/bench/startup/map_timer).
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build/dev}
runs=${2:-15}
if [ -f "$build/Zorvel.exe" ]; then
    zorvel=$build/Zorvel.exe
    bare=$build/bench/startup/bare_window.exe
    timer=${ZORVEL_MAP_TIMER:-build/dev/bench/startup/map_timer}
else
    zorvel=$build/zorvel
    bare=$build/bench/startup/bare_window
    timer=$build/bench/startup/map_timer
fi
for file in "$zorvel" "$bare" "$timer"; do
    if [ ! -f "$file" ]; then
        echo "$file is missing: build the preset of its folder first" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Before the runs, in the session: nothing for Linux programs.
prepare() { :; }
if [[ $zorvel == *.exe ]]; then
    # Both programs in the unpacked .zip's folder, with its DLLs and nothing else; each
    # is started by a script that becomes Wine (exec), so the timer times Wine's start too.
    zips=("$build"/Zorvel-*-windows-x64.zip)
    [ -f "${zips[0]}" ] || { echo "no .zip in $build: build its target package first" >&2; exit 1; }
    zip=$(realpath "${zips[0]}")
    mkdir "$work/unpacked" && (cd "$work/unpacked" && cmake -E tar xf "$zip")
    app=$(dirname "$(find "$work/unpacked" -name Zorvel.exe)")
    cp "$bare" "$app/"
    for program in Zorvel.exe "$(basename "$bare")"; do
        printf '#!/bin/sh\nexec wine "%s"\n' "$app/$program" >"$work/$program.sh"
        chmod +x "$work/$program.sh"
    done
    zorvel=$work/Zorvel.exe.sh
    bare=$work/$(basename "$bare").sh
    export WINEPREFIX=$work/wine WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
    unset WINEPATH
    trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
    prepare() { mkdir -p "$WINEPREFIX" && wineserver -p && wine wineboot --init >/dev/null 2>&1; }
fi

# Alternating runs in one X session, without a window manager, so that mapping is the
# program's own doing; first one uncounted run of each, so that both find the
# libraries in the file cache.
measure() { # <timer> <zorvel> <bare> <runs> <folder>
    set -euo pipefail
    "$1" "$2" >/dev/null
    "$1" "$3" >/dev/null
    for _ in $(seq "$4"); do
        "$1" "$2" >>"$5/zorvel"
        "$1" "$3" >>"$5/bare"
    done
}
export -f prepare measure
python3 tests/support/xsession.py --window-manager none -- \
    bash -c 'prepare && measure "$@"' measure "$timer" "$zorvel" "$bare" "$runs" "$work"

# median FILE COLUMN
median() {
    sort -g -k "$2,$2" "$1" | awk -v column="$2" '{ v[NR] = $column }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
zorvel_ms=$(median "$work/zorvel" 1)
bare_ms=$(median "$work/bare" 1)
zorvel_kb=$(median "$work/zorvel" 2)
bare_kb=$(median "$work/bare" 2)

# Each run of Zorvel against the bare run right after it: steadier than the ratio of
# the medians when the machine's load drifts.
paste -d ' ' "$work/zorvel" "$work/bare" | awk '{ print $1 / $3 }' >"$work/paired"
paired_ratio=$(median "$work/paired" 1)

echo "Start-up, exec until the window is mapped; medians of $runs alternating runs each"
printf '  %-12s %8.1f ms   peak RSS %8.0f kB\n' zorvel "$zorvel_ms" "$zorvel_kb" bare_window "$bare_ms" "$bare_kb"
awk -v zm="$zorvel_ms" -v bm="$bare_ms" -v zk="$zorvel_kb" -v bk="$bare_kb" -v paired="$paired_ratio" 'BEGIN {
    printf "  start-up ratio %.3f (median of the paired runs %.3f; target at most 1.15)\n", zm / bm, paired
    printf "  memory ratio   %.3f (target at most 1.15)\n", zk / bk
}'

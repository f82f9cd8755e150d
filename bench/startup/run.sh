#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of Zorvel against a bare Qt Widgets window of the same size, both on one
# private X server: the time from exec until the window is mapped and the peak
# resident memory once it has painted. Runs alternate; medians and their ratios
# are printed.
# Usage: bench/startup/run.sh [BUILD_DIR] [RUNS]     (defaults: build/dev 15)
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build/dev}
runs=${2:-15}
zorvel=$build/zorvel
bare=$build/bench/startup/bare_window
timer=$build/bench/startup/map_timer
for file in "$zorvel" "$bare" "$timer"; do
    if [ ! -x "$file" ]; then
        echo "$file is missing: build the preset of $build first" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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
export -f measure
python3 tests/support/xsession.py --window-manager none -- \
    bash -c 'measure "$@"' measure "$timer" "$zorvel" "$bare" "$runs" "$work"

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

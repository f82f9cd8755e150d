#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of Zorvel against a bare Qt Widgets window of the same size, both under
# a fresh Xvfb: the time from exec until the window is mapped and the peak
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
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [ -s "$work/display" ] && xdpyinfo -display ":$(head -n 1 "$work/display")" >/dev/null 2>&1 && break
    sleep 0.1
done
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY
if ! xdpyinfo >/dev/null 2>&1; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One uncounted run of each, so that both find the libraries in the file cache.
"$timer" "$zorvel" >/dev/null
"$timer" "$bare" >/dev/null
for _ in $(seq "$runs"); do
    "$timer" "$zorvel" >>"$work/zorvel"
    "$timer" "$bare" >>"$work/bare"
done

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

#!/usr/bin/env bash
# Zorvel.exe from its .zip under Wine, on the X server of DISPLAY with its window
# manager, seen and driven from outside as a user would: the window's title, client
# size and states, a calculation, and a failure message after which the keyboard is
# back in the weight box. Wine shows what Windows does with the window through the
# X11 properties it sets: _NET_WM_STATE_ABOVE for a topmost window and
# _NET_WM_STATE_SKIP_TASKBAR for one that has no task-bar button.
# Usage: test_program.sh <folder holding the .zip>
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    [ -z "${work:-}" ] || import -window root "${ZORVEL_FAILURE_SCREENSHOT:-/dev/null}" 2>/dev/null || true
    exit 1
}

work=$(mktemp -d)
program=
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

zips=("$(cd "$1" && pwd)"/*.zip)
[ "${#zips[@]}" -eq 1 ] && [ -f "${zips[0]}" ] || fail "no one .zip in $1"
(cd "$work" && cmake -E tar xf "${zips[0]}")
executable=$(find "$work" -name Zorvel.exe)
# Only what the .zip holds: no DLL from elsewhere.
unset WINEPATH
wine "$executable" >"$work/wine.log" 2>&1 &
program=$!

wait_for() { # <description> <command...>: until the command succeeds, up to 30 s
    for _ in $(seq 150); do
        if "${@:2}" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.2
    done
    fail "$1"
}
window_ids() { xdotool search --onlyvisible --name '^Zorvel$' 2>/dev/null; }
has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
window_count_is() { [ "$(window_ids | wc -l)" -eq "$1" ]; }
# The window manager frames it and gives it the keyboard. Wine may replace the X window
# it first maps for a window (when it learns the window's owner), so the window is the
# one that has the keyboard once things settle.
window=
settled_window() {
    window=$(window_ids | head -n 1)
    [ -n "$window" ] && has_keyboard "$window" && xprop -id "$window" _NET_WM_STATE >/dev/null 2>&1
}
wait_for "no window titled Zorvel got the keyboard" settled_window

geometry=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
[ "$width x $height" = "327 x 326" ] || fail "client area $width x $height, not 327 x 326"
states=$(xprop -id "$window" _NET_WM_STATE)
[[ $states == *_NET_WM_STATE_ABOVE* ]] || fail "not topmost: $states"
[[ $states == *_NET_WM_STATE_SKIP_TASKBAR* ]] || fail "has a task-bar button: $states"
echo "Window: Zorvel, client 327 x 326, $states"

# The colours of the three boxes of the colour bar (poi, adesso, segue), read from the
# screen in their middles.
bar_colours() {
    import -window "$window" "$work/window.png"
    for x in 12 164 316; do
        convert "$work/window.png" -format '%[pixel:p{'"$x"',300}] ' info:
    done
}
press_calcola() { # from the weight box: to the height box, to Calcola, press
    xdotool key --delay 100 Tab Tab space
}
bar_shows() { [ "$(bar_colours)" = "$1" ]; }
expect_bar() { # <class> <colours>
    wait_for "class $1 is not shown ($2 expected)" bar_shows "$2"
    echo "Class $1: $2"
}

# 70 kg and 175 cm: class 4, PESO FORMA, between Sottopeso and Sovrappeso.
xdotool type --delay 50 70
xdotool key Tab
xdotool type --delay 50 175
xdotool key --delay 100 shift+Tab
press_calcola
expect_bar 4 "srgb(192,192,0) srgb(0,255,0) srgb(255,128,128) "

# "abc" as the weight: the message in Italian; Ctrl+C copies a Windows message's text.
xdotool key --delay 100 shift+Tab shift+Tab
xdotool type --delay 50 abc
press_calcola
wait_for "no message appeared" window_count_is 2
message=$(window_ids | grep -v -x "$window")
wait_for "the message did not get the keyboard" has_keyboard "$message"
xdotool key ctrl+c
wait_for "the message's text did not reach the clipboard" xclip -o -selection clipboard
text=$(xclip -o -selection clipboard | tr -d '\r')
[[ $text == *"Il peso deve essere un numero di chilogrammi, per esempio 70 o 70,5."* ]] ||
    fail "the message says: $text"
echo "Message: Il peso deve essere un numero di chilogrammi, per esempio 70 o 70,5."

# Return closes it; what is typed next replaces "abc" in the weight box: 80 kg,
# class 5, Sovrappeso.
xdotool key Return
wait_for "the message did not close" window_count_is 1
wait_for "the keyboard did not come back to the window" has_keyboard "$window"
xdotool type --delay 50 80
press_calcola
expect_bar 5 "srgb(0,255,0) srgb(255,128,128) srgb(255,0,0) "

# Closing the window ends the program.
xdotool key alt+F4
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
! kill -0 "$program" 2>/dev/null || fail "the program did not end when its window closed"
program=
echo "Closed: the program ended."

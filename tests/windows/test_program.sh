#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Zorvel.exe from its .zip and from its installer under Wine, on the X server of DISPLAY
# with its window manager, driven from outside as a user would. Wine shows what Windows does with the window in the
# X11 properties it sets: _NET_WM_STATE_ABOVE when topmost, _NET_WM_STATE_SKIP_TASKBAR
# when it has no task-bar button.
# Usage: test_program.sh <folder holding the .zip and the installer> <version text>
set -euo pipefail

work=$(mktemp -d)
program=
trap '[ -z "$program" ] || kill "$program" 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    import -window root "${ZORVEL_FAILURE_SCREENSHOT:-/dev/null}" 2>/dev/null || true
    exit 1
}
wait_for() { # <description> <command...>: until the command succeeds, up to 30 s
    for _ in $(seq 150); do
        "${@:2}" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    fail "$1"
}

only_file() { [[ $# -eq 1 && -f $1 ]] || fail "not one file: $*"; echo "$1"; } # <glob's matches>
zip=$(only_file "$(cd "$1" && pwd)"/*.zip)
(cd "$work" && cmake -E tar xf "$zip")
# Only what the .zip holds: no DLL from elsewhere.
unset WINEPATH

window_ids() { xdotool search --onlyvisible --name '^Zorvel$' 2>/dev/null; }
has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
window_count_is() { [ "$(window_ids | wc -l)" -eq "$1" ]; }
# Wine may replace the X window it first maps (when it learns the window's owner): the
# window is the one that has the keyboard once things settle.
settled_window() {
    window=$(window_ids | head -n 1)
    [ -n "$window" ] && has_keyboard "$window" && xprop -id "$window" _NET_WM_STATE >/dev/null 2>&1
}
start_zorvel() { # <Zorvel.exe>: until its window has the keyboard; it is topmost, without a task-bar button
    wine "$1" >"$work/wine.log" 2>&1 &
    program=$!
    wait_for "no window titled Zorvel got the keyboard" settled_window
    states=$(xprop -id "$window" _NET_WM_STATE)
    [[ $states == *_NET_WM_STATE_ABOVE* ]] || fail "not topmost: $states"
    [[ $states == *_NET_WM_STATE_SKIP_TASKBAR* ]] || fail "has a task-bar button: $states"
}
start_zorvel "$(find "$work" -name Zorvel.exe)"

# The layout and the class colours come from the program's tables, as for the desktop tests.
layout() { python3 "$(dirname "$0")/../support/program_facts.py" "$@"; }
read -r width height < <(layout size)
size=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {print w "x" $2}')
[ "$size" = "${width}x$height" ] || fail "client area $size, not ${width}x$height"

# Centred on the screen within a pixel, frame included (openbox's, like Windows' at 96 DPI).
place() { xwininfo -id "$window" | awk '/Absolute upper-left/ {printf "%s ", $4} /Map State/ {print $3}'; }
read -r x y _ < <(place)
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d , | awk '{print $3, $4, $5, $6}')
read -r screen_width screen_height < <(xwininfo -root | awk '/Width:/ {w = $2} /Height:/ {print w, $2}')
off_x=$((2 * x - left + right + width - screen_width)) off_y=$((2 * y - top + bottom + height - screen_height))
[[ ${off_x#-} -le 2 && ${off_y#-} -le 2 ]] || fail "the frame is ($off_x/2, $off_y/2) px off centre"

# Full screen and minimise, asked by another program, are undone where the window stood.
stood=$(place)
stands() { [ "$(place)" = "$stood" ] && [[ $(xprop -id "$window" _NET_WM_STATE) == *_NET_WM_STATE_ABOVE* ]]; }
for request in "wmctrl -i -r $window -b add,fullscreen" "xdotool windowminimize $window"; do
    $request && sleep 1 # the window manager's turn
    wait_for "not undone: $request" stands
done

# The colours of the bar's three boxes (poi, adesso, segue), read in their middles.
read -r -a bar_middles < <(layout centre poi adesso segue)
bar_pixels=$(printf '%%[pixel:p{%s,%s}] ' "${bar_middles[@]}")
bar_shows() { import -window "$window" "$work/window.png" && [ "$(convert "$work/window.png" -format "$bar_pixels" info:)" = "$1" ]; }
press_calcola() { xdotool key --delay 100 Tab Tab space; } # from the weight box
weight_again() { xdotool key --delay 100 shift+Tab shift+Tab && xdotool type --delay 50 "$1" && press_calcola; } # from Calcola

# 70 kg and 175 cm: class 4, between Sottopeso and Sovrappeso.
calculate_class_4() {
    xdotool type --delay 50 70 && xdotool key Tab && xdotool type --delay 50 175
    xdotool key --delay 100 shift+Tab
    press_calcola
    wait_for "class 4 is not shown" bar_shows "$(layout bar 4)"
}
calculate_class_4

# "abc" as the weight: the message in Italian; Ctrl+C copies a Windows message's text.
weight_again abc
wait_for "no message appeared" window_count_is 2
message=$(window_ids | grep -v -x "$window")
wait_for "the message did not get the keyboard" has_keyboard "$message"
xdotool key ctrl+c
wait_for "the message's text did not reach the clipboard" xclip -o -selection clipboard
text=$(xclip -o -selection clipboard | tr -d '\r')
[[ $text == *"Il peso deve essere un numero di chilogrammi, per esempio 70 o 70,5."* ]] ||
    fail "the message says: $text"

# Another window clicked, then the message; after Return what is typed replaces "abc": 80 kg.
other=$(xdotool search --onlyvisible --class '^Xmessage$' | head -n 1)
for target in "$other" "$message"; do
    xdotool mousemove --window "$target" 5 5 click 1
    wait_for "the window clicked did not get the keyboard" has_keyboard "$target"
done
xdotool key Return
wait_for "the message did not close" window_count_is 1
wait_for "the keyboard did not come back to the window" has_keyboard "$window"
xdotool type --delay 50 80
press_calcola
wait_for "class 5 is not shown" bar_shows "$(layout bar 5)"

# The end box's hint: light yellow (most common), black text (darkest), also after leaving.
tip() { xdotool search --onlyvisible --classname '^zorvel\.exe$' | grep -v -x "$window"; }
# A tip's window can go while import reads it, and import then waits for ever.
tip_shown() { set -- "$(tip | head -n 1)" && [ -n "$1" ] && timeout 10 import -window "$1" "$work/tip.png" && [[ $(convert "$work/tip.png" -format %c \
    histogram:info: | sort -rn | head -n 1) == *"(255,255,225)"* ]] && [ "$(convert "$work/tip.png" -colorspace Gray \
    -format '%[fx:minima < 0.25]' info:)" = 1 ]; }
tip_gone() { ! tip_shown; } # Wine may keep a hidden tip's window mapped, empty
read -r end_x end_y <<<"$(layout centre segue)"
for round in first again; do # into the box and on, in steps, as a hand moves it
    for step in 6 4 2 0; do xdotool mousemove --window "$window" $((end_x - step)) "$end_y" sleep 0.1; done
    wait_for "no hint, $round, in the window's look" tip_shown
    xdotool mousemove --window "$other" 5 5
    wait_for "the hint stayed after the pointer left" tip_gone
done

# 123456789 kg: "403…,89", the comma the one mark below the digits (in rows bluer than text).
index_shows_comma() {
    import -window "$window" "$work/window.png"
    convert "$work/window.png" txt:- | awk -F'[:,() ]+' 'NR > 1 { x = $1 + 0; y = $2 + 0; red[x, y] = $3
        if ($3 == 0 && $4 == 0 && $5 == 255) { blue[y]++; if (!(y in l) || x < l[y]) l[y] = x; if (x > r[y]) r[y] = x } }
        END { top = 1e9; for (y in blue) if (blue[y] >= 40) { y += 0; if (y < top) top = y; if (y > bottom) bottom = y }
            for (y = top; y <= bottom; y++) for (x = l[top]; x <= r[top]; x++) if (red[x, y] > 128) lowest[x] = y
            for (x in lowest) count[lowest[x]]++; for (y in count) if (count[y] > count[line]) line = y + 0
            for (x in lowest) if (lowest[x] > line) exit 0
            exit 1 }'
}
weight_again 123456789
wait_for "the long index has no comma" index_shows_comma

# Closing the window ends the program.
ended() { ! kill -0 "$program" 2>/dev/null; }
close_zorvel() {
    xdotool key alt+F4
    wait_for "the program did not end when its window closed" ended
    program=
}
close_zorvel
echo "Zorvel.exe: $size, $states; classes 4 and 5 shown; the message, then the keyboard back."

# The installer as a Windows user runs it: /S installs for all users into Program Files,
# with a Start-menu shortcut and an entry in Apps and Features; installed again, it
# replaces the first installation. The program starts from the shortcut's target, and the
# quiet uninstall command leaves no file, folder, shortcut or registry key of Zorvel.
# Wine's menu builder stays off: no shortcut reaches the Linux desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
version=$2
folder='C:\Program Files\Zorvel'
entry_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvel'
# Each file or folder of the prefix and each registry line that names Zorvel.
traces() {
    find "$WINEPREFIX/drive_c" -iname '*zorvel*' | sort
    wine regedit /E "$work/registry.reg" &&
        iconv -f UTF-16 -t UTF-8 "$work/registry.reg" | tr -d '\r' | { grep -i zorvel || true; }
}
# entry_value <name>: a value of the Apps and Features entry
entry_value() { wine reg query "$entry_key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 \+REG_[A-Z_]\+ \+//p"; }

before=$(traces)
installer=$(only_file "$(cd "$1" && pwd)"/*-setup-x64.exe)
wine "$installer" /S
wine "$installer" /S

while read -r name expected; do
    [ "$(entry_value "$name")" = "$expected" ] || fail "Apps and Features: $name is '$(entry_value "$name")', not '$expected'"
done <<EOF
DisplayName Zorvel
DisplayVersion $version
Publisher Zorvel
DisplayIcon $folder\Zorvel.exe
UninstallString "$folder\Uninstall.exe"
QuietUninstallString "$folder\Uninstall.exe" /S
EOF
entries=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' | grep -c 'DisplayName *REG_SZ *Zorvel$')
[ "$entries" -eq 1 ] || fail "$entries entries in Apps and Features after installing twice"
installed_kib=$(du -sk "$(winepath -u "$folder")" | cut -f 1)
listed_kib=$(($(entry_value EstimatedSize)))
((listed_kib * 10 >= installed_kib * 9 && listed_kib * 10 <= installed_kib * 11)) ||
    fail "Apps and Features gives $listed_kib KiB for $installed_kib KiB installed"

shortcuts=$(find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" -name Zorvel.lnk)
[ "$(echo "$shortcuts" | grep -c .)" -eq 1 ] || fail "Start-menu shortcuts named Zorvel: ${shortcuts:-none}"
target=$(strings -a "$shortcuts" | grep -m 1 -i '^[a-z]:.*\.exe$')
[ "$target" = "$folder\Zorvel.exe" ] || fail "the shortcut points to $target"
start_zorvel "$target"
calculate_class_4
close_zorvel

wine "$folder\Uninstall.exe" /S
# The uninstaller runs on from a copy of itself; once the folder and the install key are
# gone it is at its last steps, and what it may have left is compared.
uninstalled() { [ ! -e "$(winepath -u "$folder")" ] && ! wine reg query 'HKLM\Software\Zorvel\Zorvel'; }
wait_for "the uninstaller did not finish" uninstalled
after=$(traces)
[ "$after" = "$before" ] || fail "left after uninstalling: $(diff <(echo "$before") <(echo "$after"))"
echo "Installer: installed twice (one entry), started from the shortcut's target, uninstalled without a trace."

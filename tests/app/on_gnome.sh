#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game, as the menu would, on GNOME's own compositor: mutter headless, Wayland, with
# XWayland on demand, on a session bus and in a runtime folder of its own, with no platform named.
# Checks that the game chose XWayland, that mutter framed its window, that a digit typed at start
# lands in the answer box, and that every box the pupil can open is the game's transient, modal,
# and centred on it. A missing tool fails the run; none is a reason to skip.
# Usage: on_gnome.sh BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")
source "$(dirname "$here")/../support/desktop.sh"

if [[ -z $desktop_shared ]]; then
    require mutter Xwayland dbus-run-session gsettings xdotool xprop xwininfo convert import
    mkdir -m 700 "$work/runtime" "$work/bin"
    # mutter will not put XWayland's socket in a folder that every user cannot write to; made
    # here, the folder does not take the umask.
    [[ -d /tmp/.X11-unix ]] || mkdir -m 1777 /tmp/.X11-unix 2>/dev/null || true
    # GNOME Shell attaches a modal box to its window, as mutter does once told so. mutter runs
    # the checks once its displays are up, and ends when they end.
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS \
        XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
        XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland VORLANE_DESKTOP_WORK="$work" \
        timeout 150 dbus-run-session -- sh -c \
        'gsettings set org.gnome.mutter attach-modal-dialogs true && exec "$@"' - \
        mutter --headless --wayland --virtual-monitor 1280x1024 -- \
        "$here" "$binary" >"$work/mutter.log" 2>&1 || true
    cat "$work/checks.log" 2>/dev/null || true
    [[ $(tail -n 1 "$work/checks.log" 2>/dev/null) == PASS ]] ||
        { failure_logs+=("$work/mutter.log") && fail "the checks did not all pass"; }
    exit 0
fi

exec >"$work/checks.log" 2>&1
# The calculator: the first cannot be started, its interpreter missing; the second runs until the
# test takes its file away, and then ends well.
printf '#!/nonexistent/sh\n' >"$work/bin/xcalc"
chmod +x "$work/bin/xcalc"
calculator_runs() {
    cat >"$work/bin/xcalc" <<EOF
#!/bin/sh
PATH=/usr/bin:/bin
touch "$work/open"
while [ -e "$work/open" ]; do sleep 0.1; done
EOF
}
at_exit 'rm -f "$work/open"'
failure_logs+=("$work/game.log")

# A platform the user names is obeyed: Qt loads the plugin of Wayland, not of X.
QT_QPA_PLATFORM=wayland "$binary" >"$work/game.log" 2>&1 &
game=$!
own "$game"
poll 10 grep -qE 'libq(wayland|xcb)' "/proc/$game/maps" || true
plugin=$(grep -oE 'libq(wayland-generic|xcb)\.so' "/proc/$game/maps" | head -n 1 || true)
kill "$game"
wait "$game" 2>/dev/null || true
[[ $plugin == libqwayland-generic.so ]] || fail "QT_QPA_PLATFORM=wayland, and Qt loaded ${plugin:-nothing}"

PATH=$work/bin "$binary" >"$work/game.log" 2>&1 &
game=$!
own "$game"
window=$(await_window "$game" 'VORLANE QUADRANGOLARE REGOLARE') ||
    fail "no window of the game on XWayland: it did not choose xcb"
[[ $(xprop -id "$window" _NET_WM_PID) == *" = $game" ]] || fail "the window is not the game's"
echo "the game chose xcb: its window is on XWayland's display $DISPLAY"

sleep 1  # mutter has framed the window and given it the focus
read -r gx0 gy0 gx1 gy1 titlebar <<<"$(frame "$window")"
echo "the game's frame: ($gx0, $gy0) to ($gx1, $gy1), title bar $titlebar px"
((titlebar >= 20)) || fail "mutter drew no title bar on the game's window"

# A digit typed at once, with no click first, is yellow in the blue answer box.
yellow() {
    sleep 0.5
    count_colour "$window" 190x76+595+24 FFFF00
}
before=$(yellow)
xdotool type 7
typed=$(yellow)
echo "yellow pixels in the answer box: $before before the 7, $typed after"
((before < 50 && typed >= 300)) || fail "the 7 typed at start is not in the answer box"

# Each box: the game's transient, modal, its frame on the game's and centred on it.
box() {  # title, the keys that close it
    local found x0 y0 x1 y1 bar
    found=$(await_window "$game" "$1" 10) || fail "no box titled \"$1\""
    sleep 0.5  # placed by mutter
    read -r x0 y0 x1 y1 bar <<<"$(frame "$found")"
    echo "box \"$1\": ($x0, $y0) to ($x1, $y1), title bar $bar px, $(xprop -id "$found" WM_TRANSIENT_FOR)"
    [[ $(xprop -id "$found" WM_TRANSIENT_FOR) == *"$(printf '0x%x' "$window")" ]] ||
        fail "the box \"$1\" is not the game's transient"
    [[ $(xprop -id "$found" _NET_WM_STATE) == *_NET_WM_STATE_MODAL* ]] ||
        fail "the box \"$1\" is not modal"
    ((x0 >= gx0 && y0 >= gy0 && x1 <= gx1 && y1 <= gy1)) ||
        fail "the box \"$1\" does not lie on the game's window"
    local dx=$(((x0 + x1 - gx0 - gx1) / 2)) dy=$(((y0 + y1 - gy0 - gy1) / 2))
    ((dx * dx + dy * dy <= 100)) || fail "the box \"$1\" is ($dx, $dy) off the game's centre"
    xdotool key "${@:2}"
    poll 5 eval '! xwininfo -id "$found" >/dev/null 2>&1' || true
    sleep 0.3  # the focus is back on the game
}
# Alt alone takes the keyboard to the menu bar's first entry; round to its last, "Calcolatrice".
# Keys only: XWayland gives XTEST's clicks to its root window, where mutter has no pointer.
calculator() {
    xdotool key alt
    sleep 0.3
    xdotool key Left Return
}
calculator
box Vorlane Return  # it did not start
calculator_runs
calculator
sleep 1
calculator
box Vorlane Return  # it is already open
[[ -e $work/open ]] || fail "the calculator did not start"
rm "$work/open" "$work/bin/xcalc"
sleep 0.5
calculator
box Vorlane Return  # there is none

xdotool key alt+x  # the exit button
box 'Uscire dal programma' Escape
xdotool key alt+x
box 'Uscire dal programma' shift+Tab space
box Vorlane Return  # the farewell
poll 5 ended "$game" || fail "the game did not end after the farewell"
echo PASS

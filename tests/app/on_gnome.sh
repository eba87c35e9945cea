#!/usr/bin/env bash
# Starts the game, as the menu would, on GNOME's own compositor: mutter headless, Wayland, with
# XWayland on demand, on a session bus and in a runtime folder of its own, with no platform named.
# Checks that the game chose XWayland, that mutter framed its window, that a digit typed at start
# lands in the answer box, and that every box the pupil can open is the game's transient, modal,
# and centred on it. A missing tool fails the run; none is a reason to skip.
# Usage: on_gnome.sh BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")

if [[ ${2:-} != --inside ]]; then
    for tool in mutter Xwayland dbus-run-session gsettings xdotool xprop xwininfo convert; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -m 700 "$work/runtime" "$work/bin"
    # mutter will not put XWayland's socket in a folder that every user cannot write to; made
    # here, the folder does not take the umask.
    [[ -d /tmp/.X11-unix ]] || mkdir -m 1777 /tmp/.X11-unix 2>/dev/null || true
    # GNOME Shell attaches a modal box to its window, as mutter does once told so. mutter runs
    # the checks once its displays are up, and ends when they end.
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS \
        XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
        XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland \
        timeout 150 dbus-run-session -- sh -c \
        'gsettings set org.gnome.mutter attach-modal-dialogs true && exec "$@"' - \
        mutter --headless --wayland --virtual-monitor 1280x1024 -- \
        "$here" "$binary" --inside "$work" >"$work/mutter.log" 2>&1 || true
    cat "$work/checks.log" 2>/dev/null || true
    if [[ $(tail -n 1 "$work/checks.log" 2>/dev/null) != PASS ]]; then
        echo "FAIL: the checks did not all pass; mutter's log:"
        cat "$work/mutter.log"
        exit 1
    fi
    exit 0
fi

work=$3
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
trap 'kill "${game:-}" 2>/dev/null; rm -f "$work/open"' EXIT

fail() {
    echo "FAIL: $*"
    cat "$work/game.log"
    exit 1
}
# A platform the user names is obeyed: Qt loads the plugin of Wayland, not of X.
QT_QPA_PLATFORM=wayland "$binary" >"$work/game.log" 2>&1 &
game=$!
for _ in $(seq 100); do grep -qE 'libq(wayland|xcb)' "/proc/$game/maps" && break; sleep 0.1; done
plugin=$(grep -oE 'libq(wayland-generic|xcb)\.so' "/proc/$game/maps" | head -n 1 || true)
kill "$game"
wait "$game" 2>/dev/null || true
[[ $plugin == libqwayland-generic.so ]] || fail "QT_QPA_PLATFORM=wayland, and Qt loaded ${plugin:-nothing}"

# The game's window of a title, waited for. Newer mutter draws each frame as a window of another
# program, mutter-x11-frames, that bears the same title: only the game's own are looked at.
shown() {  # title, seconds
    timeout "$2" xdotool search --sync --all --onlyvisible --pid "$game" --name "^$1\$" |
        head -n 1 || true
}
PATH=$work/bin "$binary" >"$work/game.log" 2>&1 &
game=$!
window=$(shown 'VORLANE QUADRANGOLARE REGOLARE' 20)
[[ -n $window ]] || fail "no window of the game on XWayland within 20 s: it did not choose xcb"
[[ $(xprop -id "$window" _NET_WM_PID) == *" = $game" ]] || fail "the window is not the game's"
echo "the game chose xcb: its window is on XWayland's display $DISPLAY"

# Where a window and its frame lie: left top right bottom, on the screen.
frame() {
    local left right top bottom x y w h
    read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | tr -c '0-9\n' ' ')"
    eval "$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {print "x=" $2+0}
        /Absolute upper-left Y/ {print "y=" $2+0} /Width/ {print "w=" $2+0} /Height/ {print "h=" $2+0}')"
    echo "$((x - left)) $((y - top)) $((x + w + right)) $((y + h + bottom)) $top"
}
sleep 1  # mutter has framed the window and given it the focus
read -r gx0 gy0 gx1 gy1 titlebar <<<"$(frame "$window")"
echo "the game's frame: ($gx0, $gy0) to ($gx1, $gy1), title bar $titlebar px"
((titlebar >= 20)) || fail "mutter drew no title bar on the game's window"

# A digit typed at once, with no click first, is yellow in the blue answer box.
yellow() {
    sleep 0.5
    import -window "$window" "$work/window.png"
    convert "$work/window.png" -crop "190x76+595+24" txt:- | grep -ci '#FFFF00' || true
}
before=$(yellow)
xdotool type 7
typed=$(yellow)
echo "yellow pixels in the answer box: $before before the 7, $typed after"
((before < 50 && typed >= 300)) || fail "the 7 typed at start is not in the answer box"

# Each box: the game's transient, modal, its frame on the game's and centred on it.
box() {  # title, the keys that close it
    local found x0 y0 x1 y1 bar
    found=$(shown "$1" 10)
    [[ -n $found ]] || fail "no box titled \"$1\" within 10 s"
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
    for _ in $(seq 50); do xwininfo -id "$found" >/dev/null 2>&1 || break; sleep 0.1; done
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
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$game" 2>/dev/null || fail "the game did not end after the farewell"
echo PASS

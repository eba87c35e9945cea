#!/usr/bin/env bash
# Plays the game blind in a real X server, the way a screen reader meets it: a session bus,
# the accessibility bus switched on as a screen reader switches it on, and a listener that
# records what the game tells it while it plays with the keyboard alone.
# Usage: screen_reader.sh BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for tool in Xvfb xdotool dbus-run-session dbus-send /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "FAIL: python3-pyatspi is missing"; exit 1; }

work=$(mktemp -d)
trap 'kill "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

# A screen reader sets IsEnabled on the accessibility bus; Qt watches it and starts talking.
timeout 60 dbus-run-session -- bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
    QT_QPA_PLATFORM=xcb /usr/bin/python3 "$0" "$1"' "$here/play_blind.py" "$binary" \
    2> >(grep -v -e 'dbus-daemon' -e 'SpiRegistry' >&2)

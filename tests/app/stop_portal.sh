#!/usr/bin/env bash
# Ends the settings portal, its GTK backend and GNOME's settings store on the session bus, each
# found by its name on the bus, and waits until they have gone.
set -euo pipefail
for name in org.freedesktop.portal.Desktop org.freedesktop.impl.portal.desktop.gtk ca.desrt.dconf; do
    pid=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null |
        awk '/uint32/ {print $2}') || true
    [[ -n $pid ]] || continue
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
done

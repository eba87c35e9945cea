#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Ends the settings portal, its GTK backend and GNOME's settings store on the session bus, each
# found by its name on the bus, and waits until they have gone.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop.sh"
for name in org.freedesktop.portal.Desktop org.freedesktop.impl.portal.desktop.gtk ca.desrt.dconf; do
    pid=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null |
        awk '/uint32/ {print $2}') || true
    [[ -n $pid ]] || continue
    kill "$pid" 2>/dev/null || true
    poll 5 ended "$pid" || true
done

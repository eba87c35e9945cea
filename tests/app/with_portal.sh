#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a session bus of its own where, as on a GNOME desktop, the desktop's real
# settings portal, its GTK backend and GNOME's settings store start on demand, with settings of
# their own in a scratch folder. The backend needs an X server: run it under on_openbox.sh. The
# bus offers nothing else, so that no other part of the desktop, such as the document portal's
# file system, starts in the runtime folder. The portal's processes end before this does.
# VORLANE_STOP_PORTAL names, for the command, a script that ends them at any time; the next
# question starts them again.
# Usage: with_portal.sh COMMAND [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/desktop.sh"
require dbus-run-session dbus-send gsettings /usr/libexec/xdg-desktop-portal \
    /usr/libexec/xdg-desktop-portal-gtk /usr/libexec/dconf-service
[[ -n ${DISPLAY:-} ]] || fail "the portal's backend needs an X server"

mkdir "$work/services" "$work/home"
for name in org.freedesktop.portal.Desktop org.freedesktop.impl.portal.desktop.gtk ca.desrt.dconf; do
    # Started by the bus itself, not by a systemd user manager.
    grep -v '^SystemdService=' "/usr/share/dbus-1/services/$name.service" >"$work/services/$name.service"
done
cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=$work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
  <servicedir>$work/services</servicedir>
</busconfig>
CONF

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CURRENT_DESKTOP=GNOME \
    GSETTINGS_BACKEND=dconf VORLANE_STOP_PORTAL=$here/stop_portal.sh
dbus-run-session --config-file="$work/bus.conf" -- bash -c '
    status=0
    "$@" || status=$?
    "$VORLANE_STOP_PORTAL"
    exit "$status"' bash "$@" \
    2> >(grep -v -e "dbus-daemon" -e "fd limit" >&2)

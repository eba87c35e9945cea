#!/usr/bin/python3
"""The desktop's settings portal, reduced to what a desktop with GNOME's high-contrast switch on
answers: org.freedesktop.portal.Settings.Read of org.gnome.desktop.a11y.interface high-contrast.
It owns the portal's name on the session bus it is started on, and says so on its output."""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"


class Settings(dbus.service.Object):
    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, namespace, key):
        if (namespace, key) == ("org.gnome.desktop.a11y.interface", "high-contrast"):
            # The portal's Read wraps the value in a variant of its own.
            return dbus.Boolean(True, variant_level=1)
        raise dbus.exceptions.DBusException(
            "Requested setting not found", name="org.freedesktop.portal.Error.NotFound")


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
Settings(bus, "/org/freedesktop/portal/desktop")
print("ready", flush=True)
GLib.MainLoop().run()

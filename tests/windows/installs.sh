#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the game for Windows, signed with a throwaway certificate; installs it silently in Wine,
# starts and closes it, uninstalls it silently and finds nothing of it left.
# Usage: installs.sh VORLANE_EXE ICO
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../support/desktop.sh"
require openssl osslsigncode makensis zip unzip wine wineserver strings Xvfb openbox xdotool
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Vorlane di prova" -addext \
    extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
VORLANE_SIGN_CERT=$work/cert.pem VORLANE_SIGN_KEY=$work/key.pem \
    "$here/../../packaging/windows/make_packages.sh" "$1" "$2" 1.2.3 "$work" >/dev/null
unzip -q "$work/Vorlane-1.2.3.zip" -d "$work"
for file in Vorlane-1.2.3-setup.exe Vorlane-1.2.3/vorlane.exe; do
    osslsigncode verify -CAfile "$work/cert.pem" -in "$work/$file" >/dev/null 2>&1 ||
        fail "$file has no signature by the throwaway certificate"
done
# No offer to download Wine's .NET and browser, which would wait for a click.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_xvfb
start_openbox
at_exit 'wineserver -k'
failure_logs+=("$work/wine.log")
silently() { timeout 120 wine "$@" >>"$work/wine.log" 2>&1 && timeout 60 wineserver -w; }
silently "$work/Vorlane-1.2.3-setup.exe" /S || fail "the silent install failed or did not end"
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
for entry in Vorlane "Vorlane con la voce"; do
    strings "$menu/$entry.lnk" | grep -qxF 'C:\Program Files\Vorlane\vorlane.exe' ||
        fail "no \"$entry.lnk\" to vorlane.exe in the Start menu of all users"
done
strings -el "$menu/Vorlane con la voce.lnk" | grep -qx -- --voce || fail "no --voce for the voice"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlane'
registry=$(wine reg query "$key" | tr -d '\r') || fail "no $key"
[[ $registry$'\n' == *'DisplayVersion    REG_SZ    1.2.3'$'\n'* &&
    $registry$'\n' == *'Publisher    REG_SZ    Gli autori di Vorlane'$'\n'* ]] ||
    fail "$key: $registry"
# Debian's wine execs the Windows program, so $! is the pid that Wine gives its windows.
wine 'C:\Program Files\Vorlane\vorlane.exe' >>"$work/wine.log" 2>&1 &
game=$!
own "$game"
await_window "$game" 'VORLANE QUADRANGOLARE REGOLARE' 60 >/dev/null || fail "no game window"
kill "$game" && wait "$game" 2>/dev/null || true

# The uninstaller returns at once and goes on from a copy in the temporary folder.
silently 'C:\Program Files\Vorlane\Uninstall.exe' /S || fail "the silent uninstall failed"
! ls "$WINEPREFIX/drive_c/Program Files/Vorlane" 2>/dev/null || fail "the uninstaller left these"
! ls "$menu"/Vorlane* 2>/dev/null || fail "the uninstaller left these in the Start menu"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left $key"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the game by ear with Debian's own screen reader: Orca on an X server with a window
# manager, a session bus of its own and the accessibility bus switched on, speaking Italian
# through speech-dispatcher. The only voice is a file: each utterance is appended to it with the
# time it was said, so no sound card is needed and the player reads what Orca said.
# Usage: with_orca.sh BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/desktop.sh"

if [[ -z $desktop_shared ]]; then
    require Xvfb openbox xprop dbus-run-session dbus-send orca speech-dispatcher xdotool \
        localedef unshare /usr/bin/python3 /usr/lib/speech-dispatcher-modules/sd_generic \
        /usr/share/i18n/locales/it_IT
    /usr/bin/python3 -c 'import pyatspi, speechd' || fail "a Python module is missing"
    # Orca started without --replace refuses to run beside another Orca of the same user
    # anywhere on the machine, and one started with it kills the others. In a process space
    # of its own it sees no other, and when the session ends everything in it ends too. The
    # folder goes once it has: the document portal mounted its file system in the session's own
    # mount space, which ended with it.
    VORLANE_DESKTOP_WORK=$work unshare --pid --fork --mount-proc "$0" "$@"
    exit
fi

export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
private_runtime

# Orca speaks Italian, and asks for an Italian voice, only under an Italian locale.
italian=(LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8 LANGUAGE=it)
if ! locale -a | grep -qix 'it_IT.utf-\?8'; then
    mkdir "$work/locale"
    localedef -i it_IT -f UTF-8 "$work/locale/it_IT.UTF-8"
    italian+=(LOCPATH="$work/locale")
fi

# speech-dispatcher writes what Orca says to a file.
source "$here/speech_sink.sh"
speech_sink_setup

start_xvfb
start_openbox

# Orca's own record of what it did, when asked for: VORLANE_ORCA_LOGS=FOLDER.
debug=()
if [[ -n ${VORLANE_ORCA_LOGS:-} ]]; then
    debug=(--debug --debug-file "$VORLANE_ORCA_LOGS/orca-debug.log")
fi

status=0
env "${italian[@]}" timeout 300 dbus-run-session -- bash -c '
    set -euo pipefail
    binary=$1 player=$2 here=$3
    shift 3
    source "$here/speech_sink.sh"
    announce_screen_reader
    speech_sink_start
    orca "$@" >"$work/orca.log" 2>&1 &
    own $!
    QT_QPA_PLATFORM=xcb /usr/bin/python3 "$player" "$binary" "$work/spoken"
' with_orca "$binary" "$here/play_by_ear.py" "$here" "${debug[@]}" 2>"$work/session.err" ||
    status=$?
# Read once the session is over: a filter still running when this script ends would be killed
# with everything else in its process space, and the player's complaints lost with it.
grep -v -e 'dbus-daemon' -e 'SpiRegistry' -e 'dbus-run-session' -e 'keyEventError' \
    "$work/session.err" >&2 || true
if [[ $status -ne 0 ]]; then
    echo "Orca's output:"
    cat "$work/orca.log"
fi
exit "$status"

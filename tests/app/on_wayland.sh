#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window suite on a Wayland compositor of its own: weston's headless backend, with no
# screen and no input devices, in a private runtime folder, stopped whatever the suite does.
# A missing compositor or a missing Qt plugin fails the run; neither is a reason to skip.
# Usage: on_wayland.sh TEST_BINARY [TEST_ARGUMENTS...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop.sh"
binary=$1
shift
require weston
private_runtime
socket=vorlane-$$

weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    --log="$work/weston.log" &
own $!
failure_logs+=("$work/weston.log")
poll 10 test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston opened no socket within 10 s"

# Without a seat Qt 6.4's Wayland clipboard refuses the text and keeps its copy for ever: under
# the leak checker that is Qt's leak, not the game's.
leave_leaks_to_offscreen_runs

# Qt's own compose input: Qt 6.4's Wayland text input reaches for the seat, which a compositor
# without input devices does not have, and crashes on the first key. No title bar drawn by Qt:
# weston 14 (Debian 13) at times crashes in an idle task after a window with Qt 6.8's drawn
# title bar goes, some 3 suites in 8; the suite checks the play, not the frame.
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose \
    QT_WAYLAND_DISABLE_WINDOWDECORATION=1 VORLANE_TEST_PLATFORM=wayland "$binary" "$@" || {
    status=$?
    echo "FAIL: the suite ended with $status on Wayland; the compositor's log:"
    cat "$work/weston.log"
    exit "$status"
}

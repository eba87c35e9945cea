#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game under a window manager on a screen of the given size and checks that its
# frame lies on the screen: wholly where it fits, else with its top-left corner, and with it
# the title, the menu bar and the question, in sight.
# Usage: frame_on_small_screen.sh BINARY WIDTH HEIGHT
set -euo pipefail
binary=$1 screen_width=$2 screen_height=$3
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop.sh"
require Xvfb openbox xprop xwininfo xdotool
start_xvfb "${screen_width}x${screen_height}"
start_openbox

# No platform named: the game finds the display by itself, as on a pupil's desktop.
private_runtime
env -u QT_QPA_PLATFORM "$binary" >"$work/game.log" 2>&1 &
game=$!
own "$game"
failure_logs+=("$work/game.log")
window=$(await_window "$game" 'VORLANE QUADRANGOLARE REGOLARE') || fail "no window"
sleep 1  # the manager has framed it
read -r x0 y0 x1 y1 titlebar <<<"$(frame "$window")"
echo "frame from ($x0, $y0) to ($x1, $y1) on a $screen_width x $screen_height screen"
((titlebar > 0)) || fail "openbox drew no title bar on the game's window"
fits() { (($1 <= $3)) || (($1 - $2 > $3)); }  # far edge inside, or the frame is larger
if ((x0 < 0 || y0 < 0)) || ! fits "$x1" "$x0" "$screen_width" || ! fits "$y1" "$y0" "$screen_height"; then
    fail "the frame does not lie on the screen"
fi

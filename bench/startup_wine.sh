#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows game's time from its start to its window, under Wine on a virtual X server, against
# the floor program built the same way, N times each in turn (1 by default), in a Wine prefix of
# its own made first; prints each time and the ratio of the medians.
# Usage: bench/startup_wine.sh [N] [BUILD_DIR]   (BUILD_DIR of the windows preset: tools/windows)
set -euo pipefail
runs=${1:-1}
build=${2:-build/windows}
source "$(dirname "${BASH_SOURCE[0]}")/../tests/support/desktop.sh"
require Xvfb xdotool wine wineboot wineserver
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_xvfb
at_exit 'wineserver -k'
wineboot --init >/dev/null 2>&1 && wineserver -w

# The milliseconds from start to window of program $1, titled $2.
shown_ms() {
    local start pid
    start=$(date +%s%N)
    wine "$1" >>"$work/programs.log" 2>&1 &
    pid=$!
    await_window "$pid" "$2" 60 >/dev/null || { cat "$work/programs.log" >&2 && exit 1; }
    echo $((($(date +%s%N) - start) / 1000000))
    kill "$pid" && wait "$pid" 2>/dev/null || true
    wineserver -w
}
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
for ((i = 0; i < runs; ++i)); do
    shown_ms "$build/vorlane.exe" 'VORLANE QUADRANGOLARE REGOLARE' >>"$work/game"
    shown_ms "$build/vorlane_floor.exe" 'VORLANE PAVIMENTO' >>"$work/floor"
done
game=$(median <"$work/game") floor=$(median <"$work/floor")
echo "start-up to window under Wine (ms): vorlane $(paste -sd' ' "$work/game"), floor $(paste -sd' ' "$work/floor")"
echo "median: vorlane $game ms, floor $floor ms, ratio $(awk -v g="$game" -v f="$floor" 'BEGIN {printf "%.2f", g / f}')"

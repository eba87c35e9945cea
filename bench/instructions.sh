#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts, under valgrind's callgrind, the instructions the game and the floor program execute
# from exec until their window is on screen plus 1 s of idling, N times each under one virtual
# X server, and prints the median of each and the ratio. Unlike a time, the count does not
# change with the load of a shared machine.
# Usage: bench/instructions.sh [N] [BUILD_DIR] [KEEP_DIR]   (a release build)
# KEEP_DIR, when given, keeps the last run's callgrind.game and callgrind.floor for
# callgrind_annotate.
set -euo pipefail
runs=${1:-3}
build=${2:-build/release}
keep=${3:-}
source "$(dirname "${BASH_SOURCE[0]}")/../tests/support/desktop.sh"
require Xvfb xdotool valgrind
game=$build/app/vorlane
floor=$build/bench/vorlane_floor
start_xvfb
private_runtime
export QT_QPA_PLATFORM=xcb

# One run of $1 (window title $2) under callgrind, written to $3; prints the instruction count.
count() {
    local binary=$1 title=$2 out=$3 pid
    valgrind --tool=callgrind --callgrind-out-file="$out" "$binary" >>"$work/programs.log" 2>&1 &
    pid=$!
    await_window "$pid" "$title" 300 >/dev/null || { cat "$work/programs.log" >&2 && exit 1; }
    sleep 1
    # Callgrind writes its counts when the program it runs ends, by a signal too.
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk '$1 == "summary:" || $1 == "totals:" {print $2; exit}' "$out"
}

for ((run = 1; run <= runs; ++run)); do
    count "$game" 'VORLANE QUADRANGOLARE REGOLARE' "$work/callgrind.game" >>"$work/game"
    count "$floor" 'VORLANE PAVIMENTO' "$work/callgrind.floor" >>"$work/floor"
done
[[ -n $keep ]] && cp "$work/callgrind.game" "$work/callgrind.floor" "$keep/"

median() { sort -n "$1" | awk '{v[NR] = $1} END {
    print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
range() { sort -n "$1" | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%.1f-%.1f", lo / 1e6, hi / 1e6}'; }
gm=$(median "$work/game")
fm=$(median "$work/floor")
printf '%-34s %20s %20s %7s\n' "$runs runs each" "vorlane median [range]" "floor median [range]" "ratio"
printf '%-34s %20s %20s %7s\n' "instructions to shown + 1 s (M)" \
    "$(awk -v v="$gm" 'BEGIN {printf "%.1f", v / 1e6}') [$(range "$work/game")]" \
    "$(awk -v v="$fm" 'BEGIN {printf "%.1f", v / 1e6}') [$(range "$work/floor")]" \
    "$(awk -v g="$gm" -v f="$fm" 'BEGIN {printf "%.2f", g / f}')"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game and the floor program each N times under one virtual X server and reports,
# side by side, the median and range of: the time from the process's start to its window on
# screen (the game poses its first problem before the window maps), warm and with the
# program's files evicted from the page cache; the CPU time used to start and settle, up to 2 s
# after the window showed; resident memory (VmRSS, VmHWM) then; the CPU time and the wakeups
# in the next 10 s of idling, with the window focused and the timer running.
# Usage: bench/startup.sh [N] [BUILD_DIR]   (a release build: cmake --preset release && ...)
# With a settings portal that must first be started: tests/app/on_openbox.sh
# tests/app/with_portal.sh bench/startup.sh [N] [BUILD_DIR]
set -euo pipefail
runs=${1:-10}
build=${2:-build/release}
source "$(dirname "${BASH_SOURCE[0]}")/../tests/support/desktop.sh"
require Xvfb xdotool
game=$build/app/vorlane
floor=$build/bench/vorlane_floor
start_xvfb
private_runtime
export QT_QPA_PLATFORM=xcb
ticks=$(getconf CLK_TCK)

# Under tests/app/with_portal.sh every program starts before the desktop's settings portal,
# which starts on demand, as on a desktop that has not yet started it.
fresh_portal() { [[ -z ${VORLANE_STOP_PORTAL:-} ]] || "$VORLANE_STOP_PORTAL"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# The window of process $1 titled $2, once it shows.
shown() { await_window "$1" "$2" 30 || { cat "$work/programs.log" >&2 && exit 1; }; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The same time to the nanosecond, over every thread: the ticks are too coarse for an idle window.
cpu_ns() { cat "/proc/$1/task/"*/schedstat | awk '{sum += $1} END {print sum}'; }
# Every time a thread of the process was switched out: a wakeup each, once it runs again.
switches() { cat "/proc/$1/task/"*/status |
    awk '$1 ~ /ctxt_switches:$/ {sum += $2} END {print sum}'; }
status_kib() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }

# One warm run: prints "startup_ms rss_kib hwm_kib cpu_ms cpu_us settle_ms wakeups", and
# keeps in $3 the files the program has mapped, for the cold runs to evict.
measure() {
    local binary=$1 title=$2 files=$3 start pid shown window
    fresh_portal
    start=$(now_ms)
    "$binary" >>"$work/programs.log" 2>&1 &
    pid=$!
    window=$(shown "$pid" "$title")
    shown=$(now_ms)
    # Without a window manager nothing gives the window the focus, and the answer box's
    # cursor would not blink.
    xdotool windowfocus "$window"
    sleep 2
    local rss hwm settle before after before_ns after_ns before_switches after_switches
    rss=$(status_kib "$pid" VmRSS)
    hwm=$(status_kib "$pid" VmHWM)
    awk '$6 ~ /^\// {print $6}' "/proc/$pid/maps" | sort -u >"$files"
    before=$(cpu_ticks "$pid")
    before_ns=$(cpu_ns "$pid")
    before_switches=$(switches "$pid")
    sleep 10
    after=$(cpu_ticks "$pid")
    after_ns=$(cpu_ns "$pid")
    after_switches=$(switches "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((shown - start)) $rss $hwm $(((after - before) * 1000 / ticks))" \
        "$(((after_ns - before_ns) / 1000)) $((before_ns / 1000000))" \
        "$((after_switches - before_switches))"
}

# One cold run: the files both programs map (the binaries, Qt, its plugins, the fonts and
# fontconfig's caches) are evicted from the page cache first; prints the start-up in ms. Pages
# that another process on the machine keeps mapped stay, for both programs alike.
cold_start() {
    local binary=$1 title=$2 start pid shown
    sort -u "$work/files.game" "$work/files.floor" | xargs vmtouch -q -e
    fresh_portal
    start=$(now_ms)
    "$binary" >>"$work/programs.log" 2>&1 &
    pid=$!
    shown "$pid" "$title" >/dev/null
    shown=$(now_ms)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((shown - start))"
}

game_title='VORLANE QUADRANGOLARE REGOLARE'
floor_title='VORLANE PAVIMENTO'
for ((run = 1; run <= runs; ++run)); do
    measure "$game" "$game_title" "$work/files.game" >>"$work/game"
    measure "$floor" "$floor_title" "$work/files.floor" >>"$work/floor"
    cold_start "$game" "$game_title" >>"$work/game.cold"
    cold_start "$floor" "$floor_title" >>"$work/floor.cold"
done

# Median and range of column $2 of file $1.
summary() { cut -d' ' -f"$2" "$1" | sort -n | awk '{v[NR] = $1} END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%s %s %s", m, v[1], v[NR]}'; }

# One line of the table: the name, then the files and the column to summarise.
row() {
    local gm glo ghi fm flo fhi ratio
    read -r gm glo ghi <<<"$(summary "$2" "$4")"
    read -r fm flo fhi <<<"$(summary "$3" "$4")"
    ratio=$(awk -v g="$gm" -v f="$fm" 'BEGIN {print (f > 0 ? sprintf("%.2f", g / f) : "-")}')
    printf '%-30s %24s %24s %7s %9s\n' "$1" "$gm [$glo-$ghi]" "$fm [$flo-$fhi]" "$ratio" \
        "$(awk -v g="$gm" -v f="$fm" 'BEGIN {print g - f}')"
}

printf '%-30s %24s %24s %7s %9s\n' "$runs runs each" "vorlane median [range]" \
    "floor median [range]" "ratio" "vorlane-floor"
row "start-up to window (ms)" "$work/game" "$work/floor" 1
row "cold start-up to window (ms)" "$work/game.cold" "$work/floor.cold" 1
row "CPU to start and settle (ms)" "$work/game" "$work/floor" 6
row "VmRSS after 2 s (KiB)" "$work/game" "$work/floor" 2
row "VmHWM after 2 s (KiB)" "$work/game" "$work/floor" 3
row "CPU in 10 s idle (ms)" "$work/game" "$work/floor" 4
row "the same, schedstat (us)" "$work/game" "$work/floor" 5
row "wakeups in 10 s idle" "$work/game" "$work/floor" 7

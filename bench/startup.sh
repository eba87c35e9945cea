#!/usr/bin/env bash
# Starts the game and the floor program each N times under one virtual X server and reports,
# side by side, the median and range of: the time from the process's start to its window on
# screen (the game poses its first problem before the window maps); resident memory (VmRSS,
# VmHWM) after 2 s; CPU time used in 10 s of idling with the timer running.
# Usage: bench/startup.sh [N] [BUILD_DIR]   (a release build: cmake --preset release && ...)
set -euo pipefail
runs=${1:-10}
build=${2:-build/release}
game=$build/app/vorlane
floor=$build/bench/vorlane_floor
work=$(mktemp -d)
trap 'kill "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# Without -noreset the server resets when the last client leaves, and the next program started
# in that moment fails to connect.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
ticks=$(getconf CLK_TCK)

now_ms() { echo $(($(date +%s%N) / 1000000)); }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The same time to the nanosecond, over every thread: the ticks are too coarse for an idle window.
cpu_ns() { cat "/proc/$1/task/"*/schedstat | awk '{sum += $1} END {print sum}'; }
status_kib() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }

# One run: prints "startup_ms rss_kib hwm_kib cpu_ms cpu_us".
measure() {
    local binary=$1 title=$2 start pid shown
    start=$(now_ms)
    "$binary" >>"$work/programs.log" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        # Another program's test may end a server it did not start; say so rather than blame
        # the program under test.
        kill -0 "$server" 2>/dev/null || { echo "the X server on $DISPLAY stopped" >&2; exit 1; }
        kill -0 "$pid" 2>/dev/null && (($(now_ms) - start < 30000)) ||
            { echo "$binary showed no window" >&2; cat "$work/programs.log" >&2; exit 1; }
        sleep 0.02
    done
    shown=$(now_ms)
    sleep 2
    local rss hwm before after before_ns after_ns
    rss=$(status_kib "$pid" VmRSS)
    hwm=$(status_kib "$pid" VmHWM)
    before=$(cpu_ticks "$pid")
    before_ns=$(cpu_ns "$pid")
    sleep 10
    after=$(cpu_ticks "$pid")
    after_ns=$(cpu_ns "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((shown - start)) $rss $hwm $(((after - before) * 1000 / ticks))" \
        "$(((after_ns - before_ns) / 1000))"
}

for ((run = 1; run <= runs; ++run)); do
    measure "$game" '^VORLANE QUADRANGOLARE REGOLARE$' >>"$work/game"
    measure "$floor" '^VORLANE PAVIMENTO$' >>"$work/floor"
done

# Median and range of column $2 of file $1.
summary() { cut -d' ' -f"$2" "$1" | sort -n | awk '{v[NR] = $1} END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%s %s %s", m, v[1], v[NR]}'; }

printf '%-26s %24s %24s %7s %9s\n' "$runs runs each" "vorlane median [range]" "floor median [range]" \
    "ratio" "vorlane-floor"
column=1
for what in "start-up to window (ms)" "VmRSS after 2 s (KiB)" "VmHWM after 2 s (KiB)" \
            "CPU in 10 s idle (ms)" "the same, schedstat (us)"; do
    read -r gm glo ghi <<<"$(summary "$work/game" $column)"
    read -r fm flo fhi <<<"$(summary "$work/floor" $column)"
    ratio=$(awk -v g="$gm" -v f="$fm" 'BEGIN {print (f > 0 ? sprintf("%.2f", g / f) : "-")}')
    printf '%-26s %24s %24s %7s %9s\n' "$what" "$gm [$glo-$ghi]" "$fm [$flo-$fhi]" "$ratio" \
        "$(awk -v g="$gm" -v f="$fm" 'BEGIN {print g - f}')"
    column=$((column + 1))
done

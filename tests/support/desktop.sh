# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by every script that puts the game on a desktop of its own: the tests' harnesses and
# the benchmarks. It makes a scratch folder, $work, and at exit, however the script ends, stops
# every process it was given (own) and removes the folder. A script that re-runs itself in a new
# session hands its folder on in VORLANE_DESKTOP_WORK; the inner run shares it and leaves its
# removal to the outer one.
[[ -z ${desktop_sourced:-} ]] || return 0
desktop_sourced=1

if [[ -n ${VORLANE_DESKTOP_WORK:-} ]]; then
    work=$VORLANE_DESKTOP_WORK desktop_shared=1
else
    work=$(mktemp -d) desktop_shared=
fi
desktop_pids=()
desktop_exits=()

own() { desktop_pids+=("$@"); }
at_exit() { desktop_exits+=("$1"); }
end_desktop() {
    local command i
    for command in "${desktop_exits[@]}"; do eval "$command" || true; done
    # The last started first: a window manager before its X server. Each is waited for, so that
    # none is still leaving when the next scenario starts.
    for ((i = ${#desktop_pids[@]} - 1; i >= 0; --i)); do
        kill "${desktop_pids[i]}" 2>/dev/null || continue
        poll 5 ended "${desktop_pids[i]}" ||
            { echo "note: $(ps -o args= "${desktop_pids[i]}") did not end" >&2 && kill -KILL "${desktop_pids[i]}"; }
        wait "${desktop_pids[i]}" 2>/dev/null || true
    done
    # The desktop portal that Qt wakes may leave its document mount in a runtime folder: what
    # cannot be removed stays behind without changing the verdict.
    [[ -n $desktop_shared ]] || rm -rf "$work" 2>/dev/null || echo "note: $work was not all removed" >&2
}
trap end_desktop EXIT

# Logs that a failure shows after its reason, each named; a script adds its own.
failure_logs=()
fail() {
    echo "FAIL: $*"
    local log
    for log in "${failure_logs[@]}"; do
        [[ -s $log ]] && echo "--- ${log#"$work"/}:" && cat "$log"
    done
    exit 1
}

# Each TOOL a command or a file; fails naming every one that is missing. None is a reason to skip.
require() {
    local tool missing=()
    for tool; do [[ -e $tool ]] || command -v "$tool" >/dev/null || missing+=("$tool"); done
    ((${#missing[@]} == 0)) || fail "missing: ${missing[*]}"
}

# Runs COMMAND every tenth of a second until it succeeds, SECONDS at most.
poll() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}
ended() { ! kill -0 "$1" 2>/dev/null; }

# A folder of NAME (runtime by default) that only the user may enter, as XDG_RUNTIME_DIR.
private_runtime() {
    mkdir -m 700 "$work/${1:-runtime}"
    export XDG_RUNTIME_DIR=$work/${1:-runtime}
}

# An X server on a free display, WIDTHxHEIGHT (1024x768 by default), as DISPLAY. Without -noreset
# it resets when its last client leaves, closing a client that is connecting in that moment: the
# next program then "could not connect to display".
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xserver=$!
    own "$xserver"
    poll 30 eval '[[ -s $work/display ]] || ended "$xserver"'
    [[ -s $work/display ]] || { failure_logs+=("$work/xvfb.log") && fail "Xvfb did not start"; }
    export DISPLAY=:$(<"$work/display")
}

# openbox with its own default settings, not a user's, once it manages the screen.
start_openbox() {
    openbox --config-file /etc/xdg/openbox/rc.xml >"$work/openbox.log" 2>&1 &
    local manager=$!
    own "$manager"
    poll 10 managed || { failure_logs+=("$work/openbox.log") && fail "openbox did not start"; }
    kill -0 "$manager" 2>/dev/null || { failure_logs+=("$work/openbox.log") && fail "openbox ended"; }
}
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Prints the id of the visible window titled TITLE of process PID once it shows, SECONDS (20 by
# default) at most; says why it gives up, and never blames the program for a server that ended.
await_window() {
    local pid=$1 title=$2 limit=${3:-20} found
    local deadline=$((SECONDS + limit))
    while :; do
        # Newer mutter draws each frame as a window of another program that bears the same title.
        found=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$title\$" 2>/dev/null |
            head -n 1 || true)
        [[ -z $found ]] || { echo "$found" && return 0; }
        [[ -z ${xserver:-} ]] || kill -0 "$xserver" 2>/dev/null ||
            { echo "the X server on $DISPLAY stopped" >&2 && return 1; }
        kill -0 "$pid" 2>/dev/null || { echo "it ended before \"$title\" showed" >&2 && return 1; }
        ((SECONDS < deadline)) || { echo "no window \"$title\" within $limit s" >&2 && return 1; }
        sleep 0.02
    done
}

# Where window ID and the frame around it lie: "left top right bottom" on the screen, then the
# title bar's height. Without a window manager there is no frame, and the bar is 0.
frame() {
    local left right top bottom x y w h
    read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | tr -c '0-9\n' ' ')"
    eval "$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {print "x=" $2+0}
        /Absolute upper-left Y/ {print "y=" $2+0} /Width/ {print "w=" $2+0} /Height/ {print "h=" $2+0}')"
    echo "$((x - left)) $((y - top)) $((x + w + right)) $((y + h + bottom)) $((top))"
}

# How many pixels of COLOUR (hex, "FFFF00") lie in GEOMETRY (WxH+X+Y) of window ID, or of the
# whole screen for "root".
count_colour() {
    import -window "$1" "$work/shot.png"
    convert "$work/shot.png" -crop "$2" txt:- | grep -ci "#$3" || true
}

# For what runs on a real desktop, where a library the game does not own keeps blocks until the
# end: the leak checker is switched off, and the offscreen runs of the same suites check the
# game's own leaks. A later flag wins, so the caller's other checks stay on.
leave_leaks_to_offscreen_runs() {
    [[ -z ${ASAN_OPTIONS:-} ]] || export ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0
}

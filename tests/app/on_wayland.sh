#!/usr/bin/env bash
# Runs a window suite on a Wayland compositor of its own: weston's headless backend, with no
# screen and no input devices, in a private runtime folder, stopped whatever the suite does.
# A missing compositor or a missing Qt plugin fails the run; neither is a reason to skip.
# Usage: on_wayland.sh TEST_BINARY [TEST_ARGUMENTS...]
set -euo pipefail
binary=$1
shift
command -v weston >/dev/null || { echo "FAIL: weston is not installed"; exit 1; }

work=$(mktemp -d)
trap 'kill "${compositor:-}" 2>/dev/null && wait "$compositor" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
socket=vorlane-$$

weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    --log="$work/weston.log" &
compositor=$!
for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/$socket ]] && break; sleep 0.1; done
[[ -S $XDG_RUNTIME_DIR/$socket ]] || {
    echo "FAIL: weston opened no socket within 10 s"
    cat "$work/weston.log"
    exit 1
}

# Without a seat Qt 6.4's Wayland clipboard refuses the text and keeps its copy for ever: under
# the leak checker that is Qt's leak, not the game's, which the offscreen run of the same suite
# checks. A later flag wins, so the caller's other checks stay on.
if [[ -n ${ASAN_OPTIONS:-} ]]; then
    export ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0
fi

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

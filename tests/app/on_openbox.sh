#!/usr/bin/env bash
# Runs a window suite in an X server of its own under openbox, the window manager that draws
# the windows' title bars; both end with the suite. A missing tool fails the run.
# Usage: on_openbox.sh TEST_BINARY [TEST_ARGUMENTS...]
set -euo pipefail
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done

work=$(mktemp -d)
trap 'kill "${manager:-}" "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")
mkdir -m 700 "$work/runtime" "$work/config"
# A suite run under a desktop's settings names their folder in VORLANE_TEST_CONFIG.
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=${VORLANE_TEST_CONFIG:-$work/config}

# openbox with its own default settings, not a user's.
openbox --config-file /etc/xdg/openbox/rc.xml >"$work/openbox.log" 2>&1 &
manager=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
    { echo "FAIL: openbox did not start"; cat "$work/openbox.log"; exit 1; }

# On a real X server Qt 6.8's xcb plugin and Mesa's GLX keep blocks until the program ends,
# which the leak checker counts at exit (Debian 13); the offscreen runs of the same suites check
# the game's own leaks. A later flag wins, so the caller's other checks stay on.
if [[ -n ${ASAN_OPTIONS:-} ]]; then
    export ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0
fi

QT_QPA_PLATFORM=xcb "$@"

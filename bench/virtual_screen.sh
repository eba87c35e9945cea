# Sourced by the start-up benchmarks, with $build set: names the two programs ($game, $floor),
# makes a scratch folder $work, starts one Xvfb on a free display and points the programs at it
# (xcb platform, a private 0700 XDG_RUNTIME_DIR); the server and the folder go at exit.
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

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Waits until a window titled $2 (a regular expression) is on screen for process $1, started
# at $3 (now_ms); gives up after $4 ms.
await_window() {
    local pid=$1 title=$2 start=$3 limit=$4
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        # Another program's test may end a server it did not start; say so rather than blame
        # the program under test.
        kill -0 "$server" 2>/dev/null || { echo "the X server on $DISPLAY stopped" >&2; exit 1; }
        kill -0 "$pid" 2>/dev/null && (($(now_ms) - start < limit)) ||
            { echo "$title showed no window" >&2; cat "$work/programs.log" >&2; exit 1; }
        sleep 0.02
    done
}

#!/usr/bin/env bash
# Starts the game under a window manager on a screen of the given size and checks that its
# frame lies on the screen: wholly where it fits, else with its top-left corner, and with it
# the title, the menu bar and the question, in sight.
# Usage: frame_on_small_screen.sh BINARY WIDTH HEIGHT
set -euo pipefail
binary=$1 screen_width=$2 screen_height=$3
work=$(mktemp -d)
trap 'kill "${game:-}" "${manager:-}" "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
openbox >"$work/openbox.log" 2>&1 &
manager=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK | grep -q '#' && break; sleep 0.1; done

# No platform named: the game finds the display by itself, as on a pupil's desktop.
mkdir -m 700 "$work/runtime"
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" "$binary" >"$work/game.log" 2>&1 &
game=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^VORLANE QUADRANGOLARE REGOLARE$' |
         head -n 1 || true)
[[ -n $window ]] || { echo "FAIL: no window within 20 s"; cat "$work/game.log"; exit 1; }
sleep 1  # the manager has framed it
read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | tr -c '0-9\n' ' ' |
                                     sed 's/^ *//')"
eval "$(xwininfo -id "$window" | awk -F: '/Absolute upper-left X/ {print "x=" $2+0}
    /Absolute upper-left Y/ {print "y=" $2+0} /Width/ {print "w=" $2+0} /Height/ {print "h=" $2+0}')"
x0=$((x - left)) y0=$((y - top)) x1=$((x + w + right)) y1=$((y + h + bottom))
echo "frame from ($x0, $y0) to ($x1, $y1) on a $screen_width x $screen_height screen"
fits() { (($1 <= $3)) || (($1 - $2 > $3)); }  # far edge inside, or the frame is larger
if ((x0 < 0 || y0 < 0)) || ! fits "$x1" "$x0" "$screen_width" || ! fits "$y1" "$y0" "$screen_height"; then
    echo "FAIL: the frame does not lie on the screen"
    exit 1
fi

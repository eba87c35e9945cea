#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game in a real X server, waits for its window by its title, takes a screenshot and
# checks on the pixels that the window shows its background, its pictures and its answer box
# where the layout puts them, and that Delete deletes in the answer box.
# Usage: window_on_screen.sh BINARY [SCREENSHOT.png]
set -euo pipefail
binary=$1
shot=${2:-}
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop.sh"
require Xvfb xdotool import convert
start_xvfb

private_runtime
QT_QPA_PLATFORM=xcb "$binary" >"$work/game.log" 2>&1 &
game=$!
own "$game"
failure_logs+=("$work/game.log")
window=$(await_window "$game" 'VORLANE QUADRANGOLARE REGOLARE') || fail "no window"
sleep 1  # the first paint
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
import -window root "$work/screen.png"

pixel() { convert "$work/screen.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
failures=0
expect() {  # what x y colour...
    local got
    got=$(pixel "$2" "$3")
    for colour in "${@:4}"; do [[ $got == "$colour" ]] && return 0; done
    echo "FAIL: $1 at ($2, $3) is #$got, not #${4}"
    failures=$((failures + 1))
}

# The client area starts below the menu bar: the first row of the background.
top=$Y
while [[ $(pixel $((X + 5)) "$top") != FFFF80 && $top -lt $((Y + 60)) ]]; do top=$((top + 1)); done
left=$X
menu=$((top - Y))
echo "window $WIDTH x $HEIGHT at ($X, $Y); menu bar $menu high, client area from y = $top"
if [[ $menu -le 0 || $WIDTH -ne 794 || $((HEIGHT - menu)) -ne 568 ]]; then
    echo "FAIL: the client area is $WIDTH x $((HEIGHT - menu)) below the menu bar, not 794 x 568"
    failures=$((failures + 1))
fi

expect "the background at a free spot" $((left + 20)) $((top + 300)) FFFF80
expect "the background right of the exit button" $((left + 640)) $((top + 540)) FFFF80
expect "the answer box" $((left + 600)) $((top + 60)) 0000FF
expect "the pyramid's left face" $((left + 64 + 90)) $((top + 40 + 250)) 00CCFE
expect "the pyramid's inner triangle" $((left + 64 + 235)) $((top + 40 + 240)) FE00FE FF00FF
expect "the pyramid's background corner" $((left + 64 + 5)) $((top + 40 + 5)) FFFF80
expect "the triangle picture" $((left + 551 + 10)) $((top + 160 + 150)) FE00FE FF00FF
expect "the score backdrop" $((left + 657 + 20)) $((top + 80 + 60)) FFFFFF

blues=$(convert "$work/screen.png" -crop "429x336+$((left + 64))+$((top + 40))" -unique-colors txt:- |
        grep -ciE '#(00CCFE|00FEFE|00E5FE|0080FE|0066FE)' || true)
[[ $blues -ge 4 ]] || { echo "FAIL: only $blues of the pyramid's blues"; failures=$((failures + 1)); }

# Delete in the answer box, whose key X11 sends with the text "\x7f": 123, Home and three
# Deletes leave the box empty. The typed digits are solid yellow, the cursor a thin line.
digits() {
    sleep 0.5
    count_colour root "200x83+$((left + 587))+$top" FFFF00
}
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool mousemove $((X + 300)) $((Y + 520)) type --delay 80 "123"
typed=$(digits)
xdotool key --delay 80 Home Delete Delete Delete
deleted=$(digits)
echo "yellow pixels in the answer box: $typed with 123 typed, $deleted after Home and Delete"
if [[ $typed -lt 1000 || $deleted -gt 200 ]]; then
    echo "FAIL: Delete does not empty the answer box"
    failures=$((failures + 1))
fi

if [[ -n $shot ]]; then
    # A game in play: an answer typed and judged.
    xdotool type --delay 80 "12"
    xdotool key Return
    sleep 0.5
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${WIDTH}x$((top - Y + 568))+$X+$Y" +repage "$shot"
fi
kill -0 "$game" || { echo "FAIL: the game has ended"; failures=$((failures + 1)); }
[[ $failures -eq 0 ]] && echo "the window is on screen as designed"
exit $failures

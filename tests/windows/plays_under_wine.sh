#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows game under Wine, on an X server with openbox: its window at the design's size, a
# problem posed, a wrong answer judged in red and kept in the pupil's record in %APPDATA%, the
# calculator started minimised and left running when the game ends, and the exit question
# answered, which ends the game with status 0.
# Usage: plays_under_wine.sh VORLANE_EXE STAND_IN_CALC_EXE   (WINEPREFIX names a ready prefix)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop.sh"
require Xvfb openbox xdotool import convert wine
start_xvfb
start_openbox
drive=$WINEPREFIX/drive_c
cp "$2" "$drive/windows/system32/calc.exe"
rm -rf "$drive/calc-started.txt" "$drive"/users/*/AppData/Roaming/vorlane
at_exit 'pkill -f "system32.calc\.exe"'

wine "$1" --registro >"$work/game.log" 2>&1 &
game=$!
own "$game"
failure_logs+=("$work/game.log")
window=$(await_window "$game" 'VORLANE QUADRANGOLARE REGOLARE' 60) || fail "no window"
sleep 1  # the first paint
read -r X Y WIDTH HEIGHT < <(xwininfo -id "$window" | awk -F: '/Absolute upper-left [XY]/ ||
    /Width/ || /Height/ {printf "%d ", $2} END {print ""}')
import -window root "$work/screen.png"
pixel() { convert "$work/screen.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
top=$Y
while [[ $(pixel $((X + 5)) "$top") != FFFF80 && $top -lt $((Y + 60)) ]]; do top=$((top + 1)); done
((top > Y && WIDTH == 794 && HEIGHT - (top - Y) == 568)) ||
    fail "the client area is $WIDTH x $((HEIGHT - top + Y)) below a menu bar of $((top - Y)), not 794 x 568"

# The title, what is asked, stands on the background; the verdict's place is still bare.
bare=$(count_colour root "560x30+$X+$((top + 10))" FFFF80)
((bare < 560 * 30 - 300)) || fail "no problem is posed: $bare of the title's pixels are bare"
verdict() { count_colour root "500x40+$((X + 8))+$((top + 52))" FF0000; }
(($(verdict) == 0)) || fail "a verdict shows before any answer"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 80 1
xdotool key Return
sleep 0.5
red=$(verdict)
((red > 100)) || fail "1 is judged without a red verdict: $red red pixels"
record=$(find "$drive/users" -path '*/AppData/Roaming/vorlane/registro.csv')
[[ $(grep -c ';1;errata;' "${record:-/dev/null}") == 1 ]] || fail "no answer kept in %APPDATA%"

# The box titled $1, answered with keys.
box() {
    await_window "$game" "$1" 10 >/dev/null || fail "no box \"$1\""
    xdotool key --delay 100 "${@:2}"
}
# Alt alone takes the keyboard to the menu bar's first entry; round to its last, "Calcolatrice".
xdotool key alt
sleep 0.3
xdotool key Left Return
poll 10 test -s "$drive/calc-started.txt" || fail "the calculator did not start"
shown=$(tr -d '\r' <"$drive/calc-started.txt")
[[ $shown == "show 2" ]] || fail "the calculator was not asked to start minimised: $shown"

# The calculator took the focus: the pupil clicks the game's background to come back to it.
xdotool mousemove $((X + 20)) $((top + 300)) click 1
sleep 0.3
xdotool key alt+x
box 'Uscire dal programma' shift+Tab space
box Vorlane Return  # the farewell
poll 10 ended "$game" || fail "the game did not end after the farewell"
wait "$game" || fail "the game ended with status $?"
pgrep -f 'system32.calc\.exe' >/dev/null || fail "the calculator ended with the game"
echo PASS

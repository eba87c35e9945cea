#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's own voice through the real speech stack: Qt's speech library over
# speech-dispatcher, whose generic module writes each utterance to a file with the time it was
# said. There every utterance lasts three seconds, so that one cut off by the next is told from
# one waited for. The game is played on an X server of its own, each time on a session bus of
# its own: once aloud, once to the farewell; then with a screen reader announced, with a
# speech-dispatcher that has no Italian voice, with none and with a wedged one, when it must
# play on silently and say why once; last without --voce, when it must not load the speech library.
# Usage: with_voice.sh BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/speech_sink.sh"
lasts=3
failure_logs+=("$spoken" "$work/game.err")

# The text of utterance N, once it has been said.
heard() {
    for _ in $(seq 100); do
        (($(wc -l <"$spoken") >= $1)) && break
        sleep 0.1
    done
    (($(wc -l <"$spoken") >= $1)) || fail "utterance $1 was never said"
    sed -n "$1p" "$spoken" | cut -f2-
}
said_at() { sed -n "$1p" "$spoken" | cut -f1; }

# The game with the options given, --voce when none are.
start_game() {
    "$binary" "${@:---voce}" 2>"$work/game.err" &
    game=$!
    own "$game"
    window=$(await_window "$game" 'VORLANE QUADRANGOLARE REGOLARE') || fail "the window never showed"
    # Without a window manager nothing else gives the window the keyboard.
    xdotool windowfocus --sync "$window"
}

play_aloud() {
    start_game
    local problem verdict
    problem=$(heard 1)
    [[ $problem =~ \?\ Dati\ .+\ centimetri.*\.$ ]] || fail "the first problem is not what was said"
    xdotool key F5
    [[ $(heard 2) == "$problem" ]] || fail "F5 did not read the problem again"
    local line=2
    for answered in 1 2 3; do
        xdotool type 0
        xdotool key Return
        line=$((line + 1))
        verdict=$(heard $line)
        [[ $verdict =~ ^Sbagliato!\ La\ risposta\ giusta\ è\ [1-9][0-9]*\.\ Risposte\ esatte\ 0,\ errate\ $answered,\ totali\ $answered\.$ ]] ||
            fail "verdict $answered: $verdict"
        ((answered < 3)) || break
        # Enter again while the verdict is still being said.
        local pressed
        pressed=$(date +%s.%N)
        xdotool key Return
        line=$((line + 1))
        [[ $(heard $line) =~ \?\ Dati\ .+\.$ ]] || fail "problem $((answered + 1)) was not said"
        awk -v p="$pressed" -v v="$(said_at $((line - 1)))" -v s="$(said_at $line)" \
            -v lasts=$lasts 'BEGIN {
                printf "Enter to the next problem: %.3f s\n", s - p
                exit !(s - v < lasts)
            }' || fail "the next problem waited for the verdict to end"
    done
    # The problem heard to its end, the answer typed a moment later, then Enter, Enter at once to
    # a speech-dispatcher busy for a moment: the verdict, begun or not, gives way to the problem.
    xdotool key Return
    line=$((line + 1))
    poll 5 grep -qF "$(heard $line)" "$whole" || fail "the problem was cut off"
    xdotool sleep 0.5 type 0
    pressed=$(date +%s.%N)
    kill -STOP "$speechd"
    xdotool key Return Return sleep 0.3
    kill -CONT "$speechd"
    [[ $(heard $((line + 1))) =~ ^Sbagliato ]] && line=$((line + 1))
    line=$((line + 1))
    [[ $(heard $line) =~ \?\ Dati\ .+\.$ ]] || fail "after Enter, Enter no problem was said"
    awk -v p="$pressed" -v s="$(said_at $line)" -v lasts=$lasts 'BEGIN {
        printf "Enter, Enter to the next problem: %.3f s\n", s - p; exit !(s - p < lasts) }' ||
        fail "after Enter, Enter the next problem waited for the verdict to end"
    xdotool key alt+x
    line=$((line + 1))
    [[ $(heard $line) == "Vuoi veramente lasciarmi  ?" ]] || fail "the exit question was not said"
    xdotool key Escape
    sleep 1
    # Five problems, one of them again, three or four verdicts and the question; nothing twice.
    (($(wc -l <"$spoken") == line)) || fail "more was said than the game was asked"
    (($(cut -f2- "$spoken" | grep -c '? Dati ') == 6)) || fail "a problem was said twice"
    # A fifth of the way from the normal rate, 0, to the slowest, -100.
    awk -F'\t' '$2 != -20 { exit 1 }' "$whole" || fail "rates said: $(cut -f2 "$whole" | sort -u)"
    [[ ! -s $work/game.err ]] || fail "the game complained"
}

# Plays without a voice: the window goes on answering, nothing is said, and one line says why.
play_silently() {
    start_game
    xdotool type 0
    xdotool key Return Return F5
    xdotool type 0
    xdotool key Return
    # libspeechd gives up on an absent speech-dispatcher only after some seconds; the window
    # does not wait for it.
    poll 15 test -s "$work/game.err" || true
    sleep 1
    [[ ! -s $spoken ]] || fail "the game spoke"
    # The window still answers at once: Alt+X opens the exit question.
    xdotool key alt+x
    await_window "$game" 'Uscire dal programma' 2 >/dev/null || fail "the window no longer answers"
    [[ ! -s $spoken ]] || fail "the game spoke"
    (($(wc -l <"$work/game.err") == 1)) && grep -q "$1" "$work/game.err" ||
        fail "the game did not say once why it is silent"
}

# Sì to the exit question and OK as soon as the farewell shows: the game ends within SECONDS.
leave() {
    xdotool windowfocus --sync "$(await_window "$game" 'Uscire dal programma' 5)" key Tab space
    xdotool windowfocus --sync "$(await_window "$game" vorlane 5)" key Return
    ok=$(date +%s.%N)
    poll "$1" ended "$game" || fail "the game lived on $1 s after the farewell"
    awk -v ok="$ok" -v gone="$(date +%s.%N)" 'BEGIN { printf "OK to the end: %.3f s\n", gone - ok }'
}
play_to_the_end() {
    start_game
    heard 1 >/dev/null
    xdotool key alt+x
    leave 3
    grep -q $'\tCiao a presto $' "$whole" || fail "the farewell was cut off"
    awk '/Ciao/ { t[++n] = $1 } END { print "farewell:", t[2] - t[1], "s" }' "$spoken" "$whole"
}
play_beside_a_screen_reader() {
    announce_screen_reader
    play_silently 'lettore di schermo'
}
play_without_an_italian_voice() { play_silently 'voce italiana'; }
play_without_speech_dispatcher() {
    export SPEECHD_ADDRESS=unix_socket:$work/nowhere.sock
    play_silently 'speech-dispatcher non risponde'
}
play_beside_a_wedged_one() {
    local socket=$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock
    /usr/bin/python3 -c 'import os, socket, sys, time; os.mkdir(os.path.dirname(sys.argv[1]))
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(); time.sleep(600)' "$socket" &
    own $!
    poll 10 test -S "$socket" || fail "the stand-in never listened"
    play_silently 'speech-dispatcher non risponde'
    leave 3
    (($(wc -l <"$work/game.err") == 1)) || fail "the game complained at the end"
}

# Without --voce the speech library is never loaded, even as the game plays.
play_without_the_option() {
    start_game -platform xcb
    xdotool type 0
    xdotool key Return Return
    sleep 1
    ! grep -i -e texttospeech -e vorlane_speech -e libspeechd "/proc/$game/maps" ||
        fail "the game without --voce loaded the speech library"
    [[ ! -s $spoken ]] || fail "the game spoke"
}

if [[ -n $desktop_shared ]]; then
    [[ $2 =~ without_speech|wedged ]] || speech_sink_start
    export QT_QPA_PLATFORM=xcb
    "$2"
    exit 0
fi

require Xvfb dbus-run-session dbus-send speech-dispatcher xdotool awk /usr/bin/python3 \
    /usr/lib/speech-dispatcher-modules/sd_generic
compgen -G "/usr/lib/*/qt6/plugins/texttospeech/libqtexttospeech_speechd.so" >/dev/null ||
    fail "Qt's speech-dispatcher plugin is missing"
start_xvfb

for play in play_aloud play_to_the_end play_beside_a_screen_reader play_without_an_italian_voice \
    play_without_speech_dispatcher play_beside_a_wedged_one play_without_the_option; do
    private_runtime "runtime-$play"
    # A home of each play's own: the accessibility bus keeps a screen reader's wish in the
    # desktop's settings.
    export HOME=$work/home-$play
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share \
        XDG_CACHE_HOME=$HOME/.cache
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
    if [[ $play == play_without_an_italian_voice ]]; then
        speech_sink_setup "$lasts" de
    elif [[ $play == play_to_the_end ]]; then
        speech_sink_setup 1
    else
        speech_sink_setup "$lasts"
    fi
    VORLANE_DESKTOP_WORK=$work timeout 120 dbus-run-session -- "$0" "$binary" "$play" \
        2>"$work/session.err" || { failure_logs=("$work/session.err") && fail "$play"; }
    echo "$play: passed"
done

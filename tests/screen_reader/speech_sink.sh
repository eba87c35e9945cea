# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that listen to what is said, Orca's and the game's own voice alike.
# speech-dispatcher's one output module is the generic module, whose command writes the text:
# each utterance is appended to "$work/spoken" with the time it was said, as plain text even
# when the speaker sends markup, so no synthesiser and no sound card are needed; if it is not
# cut off, to "$work/whole" with the time it ended and its rate (-100 to 100).
# Newer Orca asks for "it-it", which the module does not list: without the fallback it would
# recode that text to Latin-1.
# speech_sink_setup [SECONDS] [LANGUAGE]: the configuration in the desktop's folder; each
# utterance lasts SECONDS (0 by default), so that a test can tell an utterance cut off from one
# waited for; the one voice speaks LANGUAGE (Italian by default).
# speech_sink_start: speech-dispatcher on the session bus's runtime folder, once it listens; it
# ends with the script, as $speechd.
# announce_screen_reader: on the session bus, what a screen reader switches on; Qt watches both
# and starts talking.
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop.sh"
spoken=$work/spoken whole=$work/whole

speech_sink_setup() {
    local seconds=${1:-0} language=${2:-it}
    rm -rf "$work/speech"
    mkdir -p "$work/speech/modules"
    cat >"$work/voice" <<VOICE
#!/bin/sh
text=\$(printf '%s' "\$1" | sed -e 's/<[^>]*>//g' -e 's/&lt;/</g; s/&gt;/>/g' \\
    -e "s/&quot;/\"/g; s/&apos;/'/g; s/&amp;/\&/g")
printf '%s\t%s\n' "\$(date +%s.%N)" "\$text" >>"$spoken"
sleep $seconds
printf '%s\t%s\t%s\n' "\$(date +%s.%N)" "\$2" "\$text" >>"$whole"
VOICE
    chmod +x "$work/voice"
    cat >"$work/speech/speechd.conf" <<CONF
AddModule "file" "sd_generic" "file.conf"
DefaultModule "file"
DefaultLanguage "$language"
LogDir "$work/speech"
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
    cat >"$work/speech/modules/file.conf" <<CONF
GenericExecuteSynth "$work/voice \'\$DATA\' \'\$RATE\'"
AddVoice "$language" "MALE1" "$language"
GenericLanguage "$language" "$language" "utf-8"
GenericRecodeFallback "utf-8"
CONF
    # An utterance that lasts is written whole: the module would say its sentences one by one.
    if [[ $seconds != 0 ]]; then
        echo 'GenericDelimiters "|"' >>"$work/speech/modules/file.conf"
    fi
    : >"$spoken" >"$whole"
}

speech_sink_start() {
    speech-dispatcher --run-single --timeout 0 --config-dir "$work/speech" \
        >"$work/speechd.log" 2>&1 &
    speechd=$!
    own $!
    poll 30 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ||
        fail "speech-dispatcher did not start"
}

announce_screen_reader() {
    local property
    for property in IsEnabled ScreenReaderEnabled; do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.freedesktop.DBus.Properties.Set \
            string:org.a11y.Status string:$property variant:boolean:true >/dev/null
    done
}

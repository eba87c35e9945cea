# Sourced by the tests that listen to what is said, Orca's and the game's own voice alike.
# speech-dispatcher's one output module is the generic module, whose command writes the text:
# each utterance is appended to "$work/spoken" with the time it was said, as plain text even
# when the speaker sends markup, so no synthesiser and no sound card are needed.
# Newer Orca asks for "it-it", which the module does not list: without the fallback it would
# recode that text to Latin-1.
# speech_sink_setup WORK [SECONDS] [LANGUAGE]: the configuration; each utterance lasts SECONDS
# (0 by default), so that a test can tell an utterance cut off from one waited for; the one
# voice speaks LANGUAGE (Italian by default).
# speech_sink_start WORK: speech-dispatcher on the session bus's runtime folder, once it listens.

speech_sink_setup() {
    local work=$1 seconds=${2:-0} language=${3:-it}
    spoken=$work/spoken
    mkdir -p "$work/speech/modules"
    cat >"$work/voice" <<VOICE
#!/bin/sh
text=\$(printf '%s' "\$1" | sed -e 's/<[^>]*>//g' -e 's/&lt;/</g; s/&gt;/>/g' \\
    -e "s/&quot;/\"/g; s/&apos;/'/g; s/&amp;/\&/g")
printf '%s\t%s\n' "\$(date +%s.%N)" "\$text" >>"$spoken"
exec sleep $seconds
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
GenericExecuteSynth "$work/voice \'\$DATA\'"
AddVoice "$language" "MALE1" "$language"
GenericLanguage "$language" "$language" "utf-8"
GenericRecodeFallback "utf-8"
CONF
    # An utterance that lasts is written whole: the module would say its sentences one by one.
    if [[ $seconds != 0 ]]; then
        echo 'GenericDelimiters "|"' >>"$work/speech/modules/file.conf"
    fi
    touch "$spoken"
}

speech_sink_start() {
    local work=$1
    speech-dispatcher --run-single --timeout 0 --config-dir "$work/speech" \
        >"$work/speechd.log" 2>&1 &
    local socket=$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock
    for _ in $(seq 300); do [[ -S $socket ]] && break; sleep 0.1; done
    [[ -S $socket ]] || { echo "FAIL: speech-dispatcher did not start"; return 1; }
}

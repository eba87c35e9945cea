// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speaker.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>

#include <cstdio>
#include <thread>

namespace vorlane {

namespace {

// A fifth of the way from speech-dispatcher's normal rate to its slowest: with espeak-ng, 152
// words a minute instead of 170, which a child follows without it dragging.
constexpr double kChildRate = -0.2;

}  // namespace

void SpeechState::giveUp(const char* why) {
    if (!givenUp_.exchange(true)) {
        std::fprintf(stderr, "vorlane: %s; si gioca in silenzio.\n", why);
    }
}

Speaker::Speaker(std::shared_ptr<SpeechState> state) : state_(std::move(state)) {}

void Speaker::say(const QString& text, int asked) {
    if (!started_) {
        started_ = true;
        start();
    }
    // Once given up the voice stays silent, even if speech-dispatcher answers at last.
    if (speech_ != nullptr && !state_->givenUp()) {
        speech_->stop();
        // A word asked while speech-dispatcher kept this one waiting makes it stale. Said now,
        // it could be just starting as the next one stops it, which speech-dispatcher may miss,
        // and the next would wait for it to end.
        if (asked == state_->asked) {
            speech_->say(text);
        }
    }
    state_->answered = asked;
}

void Speaker::finish(std::chrono::steady_clock::time_point end) {
    if (speech_ != nullptr) {
        std::this_thread::sleep_until(end);
        speech_->stop();
        delete speech_;
        speech_ = nullptr;
    }
    QThread::currentThread()->quit();
}

void Speaker::start() {
    auto* speech = new QTextToSpeech(QStringLiteral("speechd"), this);
    if (speech->state() != QTextToSpeech::Ready) {
        state_->giveUp(
            "speech-dispatcher non risponde o non ha una voce italiana (c'è nel pacchetto "
            "speech-dispatcher-espeak-ng)");
        return;
    }
    for (const QLocale& locale : speech->availableLocales()) {
        if (locale.language() == QLocale::Italian) {
            speech->setLocale(locale);
            speech->setRate(kChildRate);
            speech_ = speech;
            return;
        }
    }
    state_->giveUp(
        "speech-dispatcher non ha una voce italiana (c'è nel pacchetto "
        "speech-dispatcher-espeak-ng)");
}

}  // namespace vorlane

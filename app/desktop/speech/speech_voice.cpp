// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>

#include <cstdio>

#include "speech_module.h"

namespace vorlane {

namespace {

// A fifth of the way from speech-dispatcher's normal rate to its slowest: with espeak-ng, 152
// words a minute instead of 170, which a child follows without it dragging.
constexpr double kChildRate = -0.2;

void giveUp(const char* why) {
    std::fprintf(stderr, "vorlane: %s; si gioca in silenzio.\n", why);
}

// Lives on a thread of its own: the first word starts the engine, which may have to start
// speech-dispatcher, and the window must never wait for that.
class Speaker final : public QObject {
  public:
    void say(const QString& text) {
        if (!started_) {
            started_ = true;
            start();
        }
        if (speech_ == nullptr) {
            return;
        }
        speech_->stop();
        speech_->say(text);
    }

  private:
    void start() {
        auto* speech = new QTextToSpeech(QStringLiteral("speechd"), this);
        if (speech->state() != QTextToSpeech::Ready) {
            giveUp(
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
        giveUp(
            "speech-dispatcher non ha una voce italiana (c'è nel pacchetto "
            "speech-dispatcher-espeak-ng)");
    }

    bool started_ = false;
    QTextToSpeech* speech_ = nullptr;
};

class ThreadedVoice final : public Voice {
  public:
    ThreadedVoice() {
        speaker_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, speaker_, &QObject::deleteLater);
        thread_.start();
    }
    ThreadedVoice(const ThreadedVoice&) = delete;
    ThreadedVoice& operator=(const ThreadedVoice&) = delete;
    ~ThreadedVoice() override {
        thread_.quit();
        thread_.wait();
    }

    void say(const QString& text) override {
        QMetaObject::invokeMethod(
            speaker_, [speaker = speaker_, text] { speaker->say(text); }, Qt::QueuedConnection);
    }

  private:
    QThread thread_;
    Speaker* speaker_ = new Speaker;
};

}  // namespace

}  // namespace vorlane

extern "C" Q_DECL_EXPORT vorlane::Voice* vorlane_make_voice() {
    return new vorlane::ThreadedVoice;
}

// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

#include "speaker.h"
#include "speech_module.h"

namespace vorlane {

namespace {

using Clock = std::chrono::steady_clock;

// Opening speech-dispatcher, speaking and closing each take it a few milliseconds; one that
// takes a second has stopped answering, and the game goes on without it.
constexpr std::chrono::milliseconds kAnswerWithin{1000};
constexpr char kNoAnswer[] = "speech-dispatcher non risponde";
// How often the end looks whether the speaker has caught up.
constexpr std::chrono::milliseconds kGlance{10};

// The window asks and never waits: the speaker works on its own thread, and a word it has not
// dealt with a second after it was asked silences the voice. Only the end waits, and not long.
class ThreadedVoice final : public Voice {
  public:
    ThreadedVoice() {
        speaker_->moveToThread(thread_);
        QObject::connect(thread_, &QThread::finished, speaker_, &QObject::deleteLater);
        thread_->start();
    }
    ThreadedVoice(const ThreadedVoice&) = delete;
    ThreadedVoice& operator=(const ThreadedVoice&) = delete;

    ~ThreadedVoice() override {
        // The farewell is waited for only from a speaker that answers: one still held by the
        // last word a second after it was asked would not say it either.
        while (state_->answered < state_->asked && Clock::now() < lastAsked_ + kAnswerWithin) {
            std::this_thread::sleep_for(kGlance);
        }
        if (state_->answered == state_->asked) {
            const Clock::time_point end = lastAsked_ + kLastWords;
            QMetaObject::invokeMethod(
                speaker_, [speaker = speaker_, end] { speaker->finish(end); },
                Qt::QueuedConnection);
            if (thread_->wait(QDeadlineTimer(std::max(end, Clock::now()) + kAnswerWithin))) {
                delete thread_;
                return;
            }
        }
        state_->giveUp(kNoAnswer);
        // Qt ends the program when a running thread is destroyed: the thread, the speaker and
        // the call that holds them are left to end with the process.
    }

    void say(const QString& text) override {
        if (state_->givenUp()) {
            return;
        }
        const int asked = ++state_->asked;
        lastAsked_ = Clock::now();
        QMetaObject::invokeMethod(
            speaker_, [speaker = speaker_, text, asked] { speaker->say(text, asked); },
            Qt::QueuedConnection);
        QTimer::singleShot(kAnswerWithin, &watch_, [this, asked] {
            if (state_->answered < asked) {
                state_->giveUp(kNoAnswer);
            }
        });
    }

  private:
    std::shared_ptr<SpeechState> state_ = std::make_shared<SpeechState>();
    QThread* thread_ = new QThread;
    Speaker* speaker_ = new Speaker(state_);
    // Times each word on the window's thread; its timers go with the voice.
    QObject watch_;
    Clock::time_point lastAsked_ = Clock::now();
};

}  // namespace

}  // namespace vorlane

extern "C" Q_DECL_EXPORT vorlane::Voice* vorlane_make_voice() {
    return new vorlane::ThreadedVoice;
}

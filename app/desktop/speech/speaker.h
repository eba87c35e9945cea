// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <memory>

class QTextToSpeech;

namespace vorlane {

// What the window's thread and the speech thread both know of the voice. Either may find that
// it cannot speak; the pupil's teacher reads why once, whichever found it first.
class SpeechState {
  public:
    // Writes the one line and leaves the voice silent from then on.
    void giveUp(const char* why);
    [[nodiscard]] bool givenUp() const { return givenUp_; }

    // Words are numbered as the window asks for them: the last asked, and the last the speaker
    // has dealt with, spoken or not.
    std::atomic<int> asked{0};
    std::atomic<int> answered{0};

  private:
    std::atomic<bool> givenUp_{false};
};

// Talks to speech-dispatcher, on a thread of its own: each call waits for speech-dispatcher's
// answer, the first may have to start it, and one that never answers holds the thread for ever.
class Speaker final : public QObject {
  public:
    explicit Speaker(std::shared_ptr<SpeechState> state);
    // Word number `asked`, which cuts off the one before.
    void say(const QString& text, int asked);
    // Lets the last words run until `end`, then cuts them off and lets speech-dispatcher go.
    void finish(std::chrono::steady_clock::time_point end);

  private:
    void start();

    std::shared_ptr<SpeechState> state_;
    bool started_ = false;
    QTextToSpeech* speech_ = nullptr;
};

}  // namespace vorlane

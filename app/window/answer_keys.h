// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

class QKeyEvent;

namespace vorlane {

// The character code a key press gives the answer box, or none for a key that types no
// character (arrows, Home, End, Delete, Tab), which the box handles as usual. Ctrl with a
// letter gives its control code whatever the platform puts in the event's text, so that
// Ctrl+V, Ctrl+C, Ctrl+X, Ctrl+A and Ctrl+Z are character keys like any other.
std::optional<std::int16_t> characterCode(const QKeyEvent& event);

// Watches the answer box: every character key goes to the handler first, which may cancel it
// by setting the code to 0. Text that an input method commits is held to the same rule.
class AnswerKeys : public QObject {
    Q_OBJECT

  public:
    using Handler = std::function<void(std::int16_t& charCode)>;
    AnswerKeys(Handler handler, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Handler handler_;
};

}  // namespace vorlane

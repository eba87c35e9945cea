// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answer_keys.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

#include "answer.h"

namespace vorlane {

namespace {

// X11 gives Delete the text "\x7f", though the key deletes rather than types.
bool typesNoCharacter(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete;
}

}  // namespace

std::optional<std::int16_t> characterCode(const QKeyEvent& event) {
    const int key = event.key();
    if (typesNoCharacter(key)) {
        return std::nullopt;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        return kEnter;
    }
    if (key == Qt::Key_Backspace) {
        return kBackspace;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control =
        modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<std::int16_t>(key - Qt::Key_A + 1);
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    // A key that types several characters is judged by the first one the box would refuse.
    const auto refused = std::find_if(text.begin(), text.end(), [](QChar c) {
        return answerKey(c.unicode()) != KeyAction::LetThrough;
    });
    return static_cast<std::int16_t>((refused == text.end() ? text.front() : *refused).unicode());
}

AnswerKeys::AnswerKeys(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

bool AnswerKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const std::optional<std::int16_t> code = characterCode(*static_cast<QKeyEvent*>(event));
        if (!code) {
            return false;
        }
        std::int16_t charCode = *code;
        handler_(charCode);
        return charCode == 0;
    }
    if (event->type() == QEvent::InputMethod) {
        const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
        return std::any_of(committed.begin(), committed.end(),
                           [](QChar c) { return answerKey(c.unicode()) != KeyAction::LetThrough; });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vorlane

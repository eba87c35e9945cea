// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QString;
class QWidget;

namespace vorlane {

// Whether what the game says may cut in on what a screen reader is saying: a verdict may, a new
// problem waits its turn.
enum class Urgency { Polite, Assertive };

// What a screen reader is told of what the game says.
class ScreenReaderNews {
  public:
    virtual ~ScreenReaderNews() = default;
    // Of `holder`, the control the keyboard focus is about to reach; told before the focus
    // moves there.
    virtual void tell(QWidget& holder, const QString& text, Urgency urgency) = 0;
};

// The way the Qt the game was built with can tell it.
std::unique_ptr<ScreenReaderNews> screenReaderNews();

}  // namespace vorlane

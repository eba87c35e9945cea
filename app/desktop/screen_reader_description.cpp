// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>
#include <QWidget>

#include "screen_reader_news.h"

namespace vorlane {

namespace {

// Before Qt 6.8 a program cannot hand a screen reader a sentence to speak. The news rides on the
// description of the control the focus is about to reach, which the reader speaks as the focus
// arrives; a change of a description it has already read it would not speak.
class DescriptionNews final : public ScreenReaderNews {
  public:
    void tell(QWidget& holder, const QString& text, Urgency /*urgency*/) override {
        holder.setAccessibleDescription(text);
    }
};

}  // namespace

std::unique_ptr<ScreenReaderNews> screenReaderNews() {
    return std::make_unique<DescriptionNews>();
}

}  // namespace vorlane

// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace vorlane {

// The answer box. The window's design puts its right part beyond the window's edge, where a
// sixth digit would be cut in half. When the text would pass that edge, its characters are
// narrowed just enough to keep the whole text and the caret after it in sight, and they take
// their full width again as soon as the text is short enough. Height, colours and place stay.
class AnswerBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit AnswerBox(QWidget* form);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int widthInSight();
    void fitText();
};

}  // namespace vorlane

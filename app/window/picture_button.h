// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QToolButton>

namespace vorlane {

// A button whose face is filled with its face colour inside a raised three-dimensional frame,
// sunken while pressed, under any style, with a 32 × 32 picture above its caption, one picture
// for each of its normal, pressed and disabled states. Enter or Space presses it when it has the
// focus; the arrow keys leave the focus where it is.
class PictureButton : public QToolButton {
    Q_OBJECT

  public:
    PictureButton(const QString& normal, const QString& pressed, const QString& disabled,
                  QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QIcon normal_;
    QIcon pressed_;
};

}  // namespace vorlane

// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

namespace vorlane {

// A picture shown at the screen's device pixel ratio, so it is sharp on any screen; the
// drawing is kept until the size or the ratio changes.
class Picture : public QFrame {
    Q_OBJECT

  public:
    Picture(QString svg, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString svg_;
    QImage drawn_;
};

}  // namespace vorlane

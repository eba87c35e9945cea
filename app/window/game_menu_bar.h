// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenuBar>

namespace vorlane {

// The window's menu bar. While it holds the keyboard its active title is highlighted, whatever
// the style; a key it has no use for goes back to the control that had the keyboard; and each
// press of Alt counts once, even where a screen reader's bridge hands the keys back late.
class GameMenuBar : public QMenuBar {
    Q_OBJECT

  public:
    using QMenuBar::QMenuBar;

    bool eventFilter(QObject* watched, QEvent* event) override;

  protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vorlane

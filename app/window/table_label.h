// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace vorlane {

// A label of the window's table. One that is sized to its text takes the size of every new
// caption, keeping in place the edge its text is aligned to (the centre for centred text), so
// that a right-aligned title stays against what follows it.
class TableLabel : public QLabel {
    Q_OBJECT

  public:
    TableLabel(bool sizedToText, QWidget* parent);

    // The place of the table; the anchored edge is taken from it once for all, so that
    // captions coming and going never make a centred label drift.
    void place(const QRect& rect);
    void setCaption(const QString& caption);
    // The table's size is that of the caption in the designer's fonts; ours may differ by a
    // pixel, so the caption the window first shows is fitted before it is drawn. Not at load:
    // some captions of the table are replaced before the pupil sees them, and measuring one
    // loads its font. An empty caption keeps the table's size.
    void fitFirstCaption();

  private:
    void fitToText();

    bool sizedToText_;
    bool fitted_ = false;
    int anchorTimesTwo_ = 0;  // twice the anchored x, so a centre is whole
};

}  // namespace vorlane

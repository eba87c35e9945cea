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

  private:
    void fitToText();

    bool sizedToText_;
    int anchorTimesTwo_ = 0;  // twice the anchored x, so a centre is whole
};

}  // namespace vorlane

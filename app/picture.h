#pragma once

#include <QFrame>
#include <QPixmap>
#include <QSvgRenderer>

namespace vorlane {

// A picture drawn from its SVG at the screen's device pixel ratio, so it is sharp on any
// screen; the drawing is kept until the size or the ratio changes.
class Picture : public QFrame {
    Q_OBJECT

  public:
    Picture(const QString& resource, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer renderer_;
    QPixmap drawn_;
};

}  // namespace vorlane

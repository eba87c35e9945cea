#pragma once

#include <QIcon>
#include <QToolButton>

namespace vorlane {

// A button with a face colour and a 32 × 32 picture above its caption, one picture for each
// of its normal, pressed and disabled states. Enter or Space presses it when it has the focus;
// the arrow keys leave the focus where it is.
class PictureButton : public QToolButton {
    Q_OBJECT

  public:
    PictureButton(const QString& normal, const QString& pressed, const QString& disabled,
                  QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QIcon normal_;
    QIcon pressed_;
};

}  // namespace vorlane

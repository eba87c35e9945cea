#include "box_title.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

namespace vorlane {

namespace {

// What a title bar holds beside its title: the window's icon and up to three buttons, with
// their gaps. Qt leaves 50 px for them, and openbox cuts "Uscire dal programma" in the middle.
constexpr int kTitleBarButtons = 160;

}  // namespace

void makeRoomForTitle(QMessageBox& box) {
    // Window managers draw the title in bold, mostly in the desktop's interface font.
    QFont font = QApplication::font();
    font.setBold(true);
    const int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    // The box sets its own fixed size from its layout whenever it is shown, so the room is a
    // spacer across the layout's columns.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    const QMargins margins = grid->contentsMargins();
    grid->addItem(new QSpacerItem(width - margins.left() - margins.right(), 0, QSizePolicy::Minimum,
                                  QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace vorlane

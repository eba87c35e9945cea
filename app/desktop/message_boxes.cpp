// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_boxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <map>

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

BoxLayout boxLayout(int flags) {
    BoxLayout layout;
    layout.buttons = (flags & 0xF) == kYesNo ? std::vector<int>{kYes, kNo} : std::vector<int>{kOk};
    layout.icon = flags & 0xF0;
    const auto second = static_cast<std::size_t>((flags & 0xF00) >> 8);
    layout.defaultAnswer = layout.buttons[std::min(second, layout.buttons.size() - 1)];
    return layout;
}

namespace {

class QtMessageBoxes final : public MessageBoxes {
  public:
    using MessageBoxes::show;

    explicit QtMessageBoxes(QWidget* window) : window_(window) {}

    int show(const QString& text, int flags, const QString& title) override {
        const BoxLayout layout = boxLayout(flags);
        static const std::map<int, QMessageBox::Icon> icons = {
            {0, QMessageBox::NoIcon},
            {kCritical, QMessageBox::Critical},
            {kQuestion, QMessageBox::Question},
            {kExclamation, QMessageBox::Warning},
            {kInformation, QMessageBox::Information}};
        // The button texts are set here so that they read in Italian even where Qt's own
        // translation is missing.
        static const std::map<int, std::pair<QMessageBox::StandardButton, QString>> buttons = {
            {kOk, {QMessageBox::Ok, QStringLiteral("OK")}},
            {kYes, {QMessageBox::Yes, QStringLiteral("Sì")}},
            {kNo, {QMessageBox::No, QStringLiteral("No")}}};

        const auto icon = icons.find(layout.icon);
        QMessageBox box(icon == icons.end() ? QMessageBox::NoIcon : icon->second, title, text,
                        QMessageBox::NoButton, window_);
        std::map<QAbstractButton*, int> answers;
        for (const int answer : layout.buttons) {
            const auto& [standard, caption] = buttons.at(answer);
            QPushButton* button = box.addButton(standard);
            button->setText(caption);
            answers[button] = answer;
            if (answer == layout.defaultAnswer) {
                box.setDefaultButton(button);
            }
        }
        box.setEscapeButton(
            box.button(layout.buttons.size() > 1 ? QMessageBox::No : QMessageBox::Ok));
        makeRoomForTitle(box);
        box.exec();
        const auto pressed = answers.find(box.clickedButton());
        return pressed == answers.end() ? layout.buttons.back() : pressed->second;
    }

  private:
    // Each box is attached to the game's window and centred on it, the window dimmed while it is
    // open. The active window is none as the focus comes back from an earlier box, or while
    // the pupil is in another program when the alarm rings: its box would stand alone.
    QWidget* window_;
};

}  // namespace

std::unique_ptr<MessageBoxes> desktopMessageBoxes(QWidget* window) {
    return std::make_unique<QtMessageBoxes>(window);
}

}  // namespace vorlane

// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QMessageBox>
#include <QtTest>

#include "graphical_desktop.h"
#include "message_boxes.h"

namespace {

std::vector<std::string> standard(const QStringList& list) {
    std::vector<std::string> line;
    for (const QString& argument : list) {
        line.push_back(argument.toStdString());
    }
    return line;
}

QStringList listOf(const std::vector<std::string>& line) {
    QStringList list;
    for (const std::string& argument : line) {
        list << QString::fromStdString(argument);
    }
    return list;
}

}  // namespace

// What the game asks of Qt and of the window manager before its window is shown: the platform,
// the command line that carries it, and a message box wide enough for its title.
class DesktopChoiceTest : public QObject {
    Q_OBJECT

  private slots:
    void the_platform_suits_the_desktop_data() {
        QTest::addColumn<QByteArray>("desktop");
        QTest::addColumn<QByteArray>("platform");  // the user's QT_QPA_PLATFORM
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("preferred");
        // A display on another host is taken on trust, so no X server is needed here; an empty
        // variable counts as none.
        const auto row = [](const char* name, const char* desktop, const char* platform,
                            const char* display, const char* preferred) {
            QTest::newRow(name) << QByteArray(desktop) << QByteArray(platform)
                                << QByteArray(display) << QByteArray(preferred);
        };
        row("GNOME: X, or Wayland should X turn the game away", "GNOME", "", "far.invalid:0",
            "xcb;wayland");
        row("Ubuntu's GNOME", "ubuntu:GNOME", "", "far.invalid:0", "xcb;wayland");
        row("a name that only starts like GNOME", "GNOME-Classic", "", "far.invalid:0", "");
        row("KDE: Qt's own choice", "KDE", "", "far.invalid:0", "");
        row("GNOME without X", "GNOME", "", "", "");
        row("the user's platform", "GNOME", "wayland", "far.invalid:0", "");
    }
    void the_platform_suits_the_desktop() {
        QFETCH(QByteArray, desktop);
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, preferred);
        const QByteArray headless = qgetenv("QT_QPA_PLATFORM");
        qputenv("XDG_CURRENT_DESKTOP", desktop);
        qputenv("QT_QPA_PLATFORM", platform);
        qputenv("DISPLAY", display);
        const char* chosen = vorlane::preferredPlatform();
        qputenv("QT_QPA_PLATFORM", headless);
        QCOMPARE(QByteArray(chosen), preferred);
    }

    void the_users_arguments_come_last_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QByteArray>("preferred");
        QTest::addColumn<QStringList>("line");
        QTest::newRow("nothing preferred")
            << QStringList{"vorlane", "--voce"} << QByteArray() << QStringList{"vorlane", "--voce"};
        QTest::newRow("preferred after the name")
            << QStringList{"/usr/games/vorlane", "--voce"} << QByteArray("xcb;wayland")
            << QStringList{"/usr/games/vorlane", "-platform", "xcb;wayland", "--voce"};
        // Qt takes the last -platform it reads.
        QTest::newRow("the user's platform wins")
            << QStringList{"vorlane", "-platform", "wayland"} << QByteArray("xcb;wayland")
            << QStringList{"vorlane", "-platform", "xcb;wayland", "-platform", "wayland"};
        QTest::newRow("started with no arguments at all")
            << QStringList{} << QByteArray("xcb;wayland")
            << QStringList{"vorlane", "-platform", "xcb;wayland"};
    }
    void the_users_arguments_come_last() {
        QFETCH(QStringList, given);
        QFETCH(QByteArray, preferred);
        QFETCH(QStringList, line);
        const std::vector<std::string> built = vorlane::qtCommandLine(
            standard(given), preferred.isEmpty() ? nullptr : preferred.constData());
        QCOMPARE(listOf(built), line);
    }

    void a_box_has_room_for_its_title_in_bold() {
        // Long enough that the title, not the text, sets the box's width.
        const QString title = QStringLiteral("Uscire dal programma senza finire il problema");
        QMessageBox box(QMessageBox::Question, title, QStringLiteral("Sì?"));
        vorlane::makeRoomForTitle(box);
        box.show();
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int titleWidth = QFontMetrics(bold).horizontalAdvance(title);
        // The title bar's icon and three buttons, with their gaps.
        QCOMPARE_GE(box.width() - titleWidth, 160);
    }
};

QTEST_MAIN(DesktopChoiceTest)
#include "test_desktop_choice.moc"

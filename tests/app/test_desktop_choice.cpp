#include <QApplication>
#include <QMessageBox>
#include <QtTest>

#include "box_title.h"
#include "graphical_desktop.h"

namespace {

void setVariable(const char* name, const QByteArray& value) {
    if (value.isEmpty()) {
        qunsetenv(name);
    } else {
        qputenv(name, value);
    }
}

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
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("preferred");
        // A display on another host is taken on trust, so no X server is needed here.
        const QByteArray x = "far.invalid:0";
        QTest::newRow("GNOME: X, or Wayland should X turn the game away")
            << QByteArray("GNOME") << QByteArray() << x << QByteArray("xcb;wayland");
        QTest::newRow("Ubuntu's GNOME")
            << QByteArray("ubuntu:GNOME") << QByteArray() << x << QByteArray("xcb;wayland");
        QTest::newRow("GNOME Flashback") << QByteArray("GNOME-Flashback:GNOME") << QByteArray() << x
                                         << QByteArray("xcb;wayland");
        QTest::newRow("a name that only starts like GNOME")
            << QByteArray("GNOME-Classic") << QByteArray() << x << QByteArray();
        QTest::newRow("KDE: Qt's own choice")
            << QByteArray("KDE") << QByteArray() << x << QByteArray();
        QTest::newRow("GNOME without X")
            << QByteArray("GNOME") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("the user's platform")
            << QByteArray("GNOME") << QByteArray("wayland") << x << QByteArray();
    }
    void the_platform_suits_the_desktop() {
        QFETCH(QByteArray, desktop);
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, preferred);
        const QByteArray headless = qgetenv("QT_QPA_PLATFORM");
        setVariable("XDG_CURRENT_DESKTOP", desktop);
        setVariable("QT_QPA_PLATFORM", platform);
        setVariable("DISPLAY", display);
        const char* chosen = vorlane::preferredPlatform();
        setVariable("QT_QPA_PLATFORM", headless);
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

// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include <cmath>
#include <map>

#include "desktop_contrast.h"
#include "game.h"

namespace {

// The relative luminance of a colour as WCAG 2 defines it.
double luminance(QRgb rgb) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double ratio(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text's contrast as the window draws it: the window is drawn with the control's text and
// without it; the pixels that change are the text's, their most common colour is the text's
// solid colour, and what they cover without the text is its background. A text on several
// backgrounds counts the worst that carries at least a tenth of it.
double drawnContrast(QWidget& form, QWidget& control) {
    const QVariant text = control.property("text");
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setIcon({});  // the picture moves when the caption goes
    }
    const QImage with = form.grab(control.geometry()).toImage();
    control.setProperty("text", QString());
    const QImage without = form.grab(control.geometry()).toImage();
    control.setProperty("text", text);

    std::map<QRgb, int> textColours;
    std::map<QRgb, int> backgrounds;
    int changed = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const QRgb drawn = with.pixel(x, y);
            const QRgb under = without.pixel(x, y);
            if (drawn != under) {
                ++textColours[drawn];
                ++backgrounds[under];
                ++changed;
            }
        }
    }
    if (changed == 0) {
        return 0;  // nothing drawn
    }
    const QRgb solid = std::max_element(textColours.begin(), textColours.end(), [](auto a, auto b) {
                           return a.second < b.second;
                       })->first;
    double worst = 100;
    for (const auto& [background, count] : backgrounds) {
        if (count * 10 >= changed) {
            worst = std::min(worst, ratio(solid, background));
        }
    }
    return worst;
}

// What the screen shows of the area, in the screen's coordinates.
QImage onScreen(const QWidget& widget, const QRect& area) {
    return widget.screen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The strip of the given height that the window manager draws above a window's inside, from the
// screen's pixels. Qt may keep the size of a frame it asked for before the frame was there.
QImage titleBar(QWidget& window, int height) {
    const QRect inside = window.geometry();
    return onScreen(window, {inside.x(), inside.y() - height, inside.width(), height});
}

// The title in the title bar of a window wide enough for any title: the columns that differ
// from the bar's plain background, past the window's icon and short of its buttons.
QImage wholeTitle(const QImage& bar) {
    constexpr int kPastIcon = 40;
    constexpr int kButtons = 150;
    const auto column = [&bar](int x) { return bar.copy(x, 0, 1, bar.height()); };
    const QImage plain = column(kPastIcon);
    int first = kPastIcon;
    int last = bar.width() - kButtons;
    while (first < last && column(first) == plain) {
        ++first;
    }
    while (last > first && column(last) == plain) {
        --last;
    }
    return bar.copy(first, 0, last + 1 - first, bar.height());
}

// Whether the picture holds the part at some column.
bool holds(const QImage& picture, const QImage& part) {
    for (int x = 0; x + part.width() <= picture.width(); ++x) {
        if (picture.copy(x, 0, part.width(), part.height()) == part) {
            return true;
        }
    }
    return false;
}

// The menu bar as the screen shows it.
QImage barOnScreen(QMenuBar& bar) {
    return onScreen(bar, {bar.mapToGlobal(QPoint(0, 0)), bar.size()});
}

// The titles, counted from 0, that the screen shows otherwise than at rest.
QList<int> litTitles(QMenuBar& bar, const QImage& rest) {
    const QImage now = barOnScreen(bar);
    QList<int> lit;
    const QList<QAction*> titles = bar.actions();
    for (int i = 0; i < titles.size(); ++i) {
        const QRect place = bar.actionGeometry(titles.at(i));
        if (now.copy(place) != rest.copy(place)) {
            lit << i;
        }
    }
    return lit;
}

}  // namespace

// The settings portal as a test scripts it, on a connection of its own: it holds every Read.
class HeldPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

  public:
    QList<QDBusMessage> reads;

    Q_INVOKABLE QDBusVariant Read(const QString& /*group*/, const QString& /*key*/) {
        setDelayedReply(true);
        reads << message();
        return {};
    }
};

class LooksTest : public QObject {
    Q_OBJECT

    const QFont desktopFont_ = QApplication::font();

  private slots:
    void cleanup() { QApplication::setFont(desktopFont_); }

    // Each ratio worked out apart from the game, with WCAG's formula, for the text's colour on the
    // background the table and the pictures give it; a cmd button's face is the table's colour
    // (#00FFFF, #00FF00: black on them 16.75 and 15.30). Under a dark desktop palette
    // the texts keep the default look's ratio; with high contrast, the darker shades reach
    // at least WCAG AA's mark: 4.5, or 3 for large text (24 px, or bold from 18.7 px).
    void texts_read_on_the_designs_backgrounds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("right");
        QTest::addColumn<double>("designRatio");
        QTest::addColumn<double>("highRatio");
        QTest::addColumn<double>("mark");
        // Black on the yellow, on the faces #00CCFE, #00E5FE and #00FEFE, and on the violet
        // #7F66FE of the inner triangle.
        QTest::newRow("vertex A") << "Label13" << 1 << true << 19.87 << 19.87 << 3.0;
        QTest::newRow("vertex D") << "Label16" << 1 << true << 11.07 << 11.07 << 3.0;
        QTest::newRow("height VO") << "lblNum1" << 3 << true << 13.64 << 13.64 << 3.0;
        QTest::newRow("inradius OK") << "lblNum2" << 3 << true << 16.61 << 16.61 << 3.0;
        QTest::newRow("cm of VK") << "Label2(2)" << 1 << true << 5.23 << 5.23 << 3.0;
        QTest::newRow("Exit") << "cmdExit" << 1 << true << 16.75 << 16.75 << 4.5;
        QTest::newRow("Nuovo calcolo") << "cmdNext" << 1 << true << 15.30 << 15.30 << 4.5;
        // The design's hues; their shades #006400, #8B008B and #B00000. Blue and the answer
        // box's yellow on blue stay.
        QTest::newRow("green title") << "Label5" << 1 << true << 1.30 << 7.04 << 3.0;
        QTest::newRow("blue title") << "Label5" << 3 << true << 8.13 << 8.13 << 3.0;
        QTest::newRow("wrong verdict") << "lblMessage" << 1 << false << 3.78 << 6.98 << 3.0;
        QTest::newRow("extra number") << "Label11" << 8 << true << 2.97 << 8.04 << 3.0;
        QTest::newRow("vertex O, on #00FEFE") << "Label18" << 1 << true << 2.48 << 6.72 << 3.0;
        QTest::newRow("answer") << "txtAnswer" << 1 << true << 8.00 << 8.00 << 3.0;
        // The score panel: white, and the half pyramid's faces.
        QTest::newRow("Risposte esatte") << "Label6" << 1 << true << 2.46 << 7.44 << 4.5;
        QTest::newRow("right count") << "lblScore" << 1 << true << 1.37 << 7.44 << 3.0;
        QTest::newRow("Risposte errate, on #00FEFE")
            << "Label1" << 1 << true << 3.16 << 5.84 << 4.5;
        QTest::newRow("total, on #00E5FE") << "lblScore2" << 1 << true << 2.04 << 5.52 << 3.0;
    }
    void texts_read_on_the_designs_backgrounds() {
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(bool, right);
        QFETCH(double, designRatio);
        QFETCH(double, highRatio);
        QFETCH(double, mark);
        // The run says what the desktop is meant to be; a desktop that is not what the run
        // says would make the test prove nothing.
        const bool dark = qEnvironmentVariableIsSet("VORLANE_TEST_DARK");
        QCOMPARE(luminance(QApplication::palette().color(QPalette::WindowText).rgb()) > 0.5, dark);

        Game game(scripted(drawsFor(3, 2, 0, type)));
        game.answer(right ? game.rightAnswer() : QString("1"));
        QWidget* control = game.control(qPrintable(name));
        QVERIFY(control->isVisible());
        QWidget& form = *game.window.centralWidget();
        // High contrast asked for while the game runs, and given up again.
        for (const bool high : {false, true, false}) {
            game.desk.contrast->set(high);
            const double drawn = drawnContrast(form, *control);
            qInfo("%s%s: %.2f", qPrintable(name), high ? ", high contrast" : "", drawn);
            QVERIFY2(std::abs(drawn - (high ? highRatio : designRatio)) < 0.01,
                     qPrintable(QString::number(drawn)));
            if (high) {
                QVERIFY(drawn >= mark);
            }
        }
        // The menus, on backgrounds of their own, keep the desktop's colours: those the desktop
        // gives a menu bar, which Qt 6.8's gtk3 theme sets apart from the window's.
        QMenuBar* bar = game.window.menuBar();
        QCOMPARE(bar->palette().color(QPalette::Active, QPalette::WindowText),
                 QApplication::palette(bar).color(QPalette::Active, QPalette::WindowText));
    }

    // Through the desktop's own settings portal, started by the game's first question, with GNOME's
    // switch set by gsettings: the window takes the shades asked for at start without waiting for
    // the portal, and follows a switch while the pupil types, problem, answer and score untouched.
    // The green title reads 1.30 in its own green and 7.04 in the shade, as above.
    void the_window_follows_the_desktops_high_contrast_data() {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("on at start, portal not yet running") << true;
        QTest::newRow("off at start") << false;
    }
    void the_window_follows_the_desktops_high_contrast() {
        QFETCH(bool, atStart);
        const auto setSwitch = [](bool on) {
            return QProcess::execute("gsettings", {"set", "org.gnome.desktop.a11y.interface",
                                                   "high-contrast", on ? "true" : "false"});
        };
        QCOMPARE(setSwitch(atStart), 0);
        // Two problems that ask for the green title.
        std::vector<float> draws = drawsFor(3, 2, 0, 1);
        draws.insert(draws.end(), draws.begin(), draws.end());
        Game game(scripted(draws), vorlane::portalContrast());
        QWidget& form = *game.window.centralWidget();
        QWidget& title = *game.control("Label5");
        const auto shows = [&](bool high) {
            return std::abs(drawnContrast(form, title) - (high ? 7.04 : 1.30)) < 0.01;
        };
        QTRY_VERIFY_WITH_TIMEOUT(shows(atStart), 10000);

        game.answer("1");
        game.control<QAbstractButton>("cmdNext")->click();
        QTest::keyClicks(game.answerBox(), "12");
        const auto onShow = [&game] {
            return QStringList{game.caption("Label5"),    game.caption("lblNum1"),
                               game.caption("lblNum2"),   game.caption("lblipo"),
                               game.caption("lblScore"),  game.caption("lblScore1"),
                               game.caption("lblScore2"), game.answerBox()->text()};
        };
        const QStringList before = onShow();
        QElapsedTimer since;
        since.start();
        QCOMPARE(setSwitch(!atStart), 0);
        QTRY_VERIFY_WITH_TIMEOUT(shows(!atStart), 5000);
        qInfo("switched in %lld ms", since.elapsed());
        const QStringList after = onShow();
        QCOMPARE(after, before);
        QCOMPARE(after.back(), QString("12"));
        QCOMPARE(game.focus(), game.answerBox());
    }

    // On a bus of its own, a portal that answers the start-up Reads, no wish, only after the
    // appearance key has changed to 1, higher contrast: the older answers undo nothing.
    void a_change_outlasts_the_portals_older_answers() {
        const QString path = "/org/freedesktop/portal/desktop";
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
        HeldPortal portal;
        QVERIFY(bus.registerObject(path, &portal, QDBusConnection::ExportAllInvokables));
        QVERIFY(bus.registerService("org.freedesktop.portal.Desktop"));
        const auto contrast = vorlane::portalContrast();
        QVERIFY(!contrast->high());
        QTRY_COMPARE(portal.reads.size(), 2);
        QDBusMessage change =
            QDBusMessage::createSignal(path, "org.freedesktop.portal.Settings", "SettingChanged");
        change << "org.freedesktop.appearance"
               << "contrast" << QVariant::fromValue(QDBusVariant(1U));
        QVERIFY(bus.send(change));
        QTRY_VERIFY(contrast->high());
        for (const QDBusMessage& read : portal.reads) {
            const QVariant none = read.arguments().at(1) == "contrast" ? QVariant(0U) : false;
            QVERIFY(bus.send(read.createReply(QVariant::fromValue(QDBusVariant(none)))));
        }
        QTest::qWait(300);  // for the answers to arrive
        QVERIFY(contrast->high());
    }

    void every_menu_title_stands_on_the_bar_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::newRow("GNOME's Cantarell 11") << "Cantarell" << 11;
        QTest::newRow("DejaVu Sans 14") << "DejaVu Sans" << 14;
    }
    void every_menu_title_stands_on_the_bar() {
        QFETCH(QString, family);
        QFETCH(int, points);
        QApplication::setFont(QFont(family, points));  // as a platform theme gives it
        Game game;
        QMenuBar* bar = game.window.menuBar();
        QCOMPARE(QFontInfo(bar->font()).family(), family);
        const QList<QAction*> titles = bar->actions();
        QCOMPARE(titles.size(), 6);
        for (QAction* title : titles) {
            QVERIFY2(bar->rect().contains(bar->actionGeometry(title)), qPrintable(title->text()));
        }
        const QWidget* more = bar->findChild<QWidget*>("qt_menubar_ext_button");
        QVERIFY(more == nullptr || !more->isVisible());
        qInfo("%d px to spare", bar->width() - bar->actionGeometry(titles.back()).right() - 1);
    }

    // On a real window manager: the exit box's title bar shows the same title, pixel for pixel,
    // as that of a window wide enough for any title; a title cut short shows "…" instead.
    void a_box_shows_its_whole_title() {
        const QString title = QStringLiteral("Uscire dal programma");
        QWidget wide;
        wide.setWindowTitle(title);
        wide.resize(700, 100);
        wide.show();
        QVERIFY(QTest::qWaitForWindowActive(&wide));
        QTRY_VERIFY(wide.frameGeometry().top() < wide.geometry().top());
        const int height = wide.geometry().top() - wide.frameGeometry().top();
        QImage whole;
        QTRY_VERIFY((whole = wholeTitle(titleBar(wide, height))).width() > 50);  // once painted
        QTest::qWait(300);
        whole = wholeTitle(titleBar(wide, height));
        wide.hide();

        // The window manager may take a while to paint the box's frame; a title cut short
        // never shows whole, and the box is closed all the same.
        bool shownWhole = false;
        closeNextBox(Qt::Key_Escape, [&shownWhole, &whole, height](QMessageBox& box) {
            shownWhole = QTest::qWaitFor([&] { return holds(titleBar(box, height), whole); }, 5000);
        });
        vorlane::desktopPlatform().boxes->show("Vuoi veramente lasciarmi  ?", 0x124, title);
        QVERIFY(shownWhole);
    }
    // The face as drawn: its colour, worked out from the design's, at the four corners inside the
    // frame and halfway down the left side; the frame lighter above than below while raised,
    // darker while pressed.
    void a_picture_button_has_a_solid_face_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<bool>("focused");
        QTest::newRow("Nuovo calcolo, Fusion") << "Fusion"
                                               << "cmdNext" << false << QColor(0, 255, 0) << false;
        QTest::newRow("Exit, Fusion, pressed") << "Fusion"
                                               << "cmdExit" << true << QColor(0, 255, 255) << false;
        QTest::newRow("Exit, Fusion, focused") << "Fusion"
                                               << "cmdExit" << false << QColor(0, 255, 255) << true;
        QTest::newRow("Exit, Windows") << "Windows"
                                       << "cmdExit" << false << QColor(0, 255, 255) << false;
        QTest::newRow("Nuovo calcolo, Windows, pressed")
            << "Windows"
            << "cmdNext" << true << QColor(0, 255, 0) << false;
        QTest::newRow("Exit, Windows, focused")
            << "Windows"
            << "cmdExit" << false << QColor(0, 255, 255) << true;
    }
    void a_picture_button_has_a_solid_face() {
        QFETCH(QString, style);
        QFETCH(QString, button);
        QFETCH(bool, down);
        QFETCH(QColor, face);
        QFETCH(bool, focused);
        const QString desktopStyle = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(style));
        QImage drawn;
        bool hadFocus = false;
        {
            Game game;
            auto* control = game.control<QAbstractButton>(qPrintable(button));
            control->setDown(down);
            // With Tab in the active window, as a pupil without a mouse reaches it: styles mark
            // only a focus the keyboard moved.
            if (focused && QTest::qWaitForWindowActive(&game.window)) {
                for (int tab = 0; game.focus() != control && tab < 10; ++tab) {
                    QTest::keyClick(game.focus(), Qt::Key_Tab);
                }
            }
            hadFocus = control->hasFocus();
            drawn = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        }
        QApplication::setStyle(QStyleFactory::create(desktopStyle));
        QCOMPARE(hadFocus, focused);
        // The focus mark runs 4 px in, past the 2 px frame and a 2 px gap: a solid line under
        // Fusion, every other pixel under Windows, so at least a third of its left and right
        // sides, clear of the centred picture and caption; plain face on a button without the
        // focus.
        for (const int x : {4, drawn.width() - 5}) {
            const int length = drawn.height() - 8;
            int marked = 0;
            for (int y = 4; y < 4 + length; ++y) {
                marked += QColor(drawn.pixel(x, y)) != face ? 1 : 0;
            }
            QVERIFY2(focused ? marked * 3 >= length : marked == 0,
                     qPrintable(QString("%1 of %2 px marked").arg(marked).arg(length)));
        }
        const int right = drawn.width() - 4;
        const int bottom = drawn.height() - 4;
        for (const QPoint at : {QPoint(3, 3), QPoint(right, 3), QPoint(3, bottom),
                                QPoint(right, bottom), QPoint(3, drawn.height() / 2)}) {
            QCOMPARE(QColor(drawn.pixel(at)), face);
        }
        const int top = qGray(drawn.pixel(drawn.width() / 2, 0));
        const int foot = qGray(drawn.pixel(drawn.width() / 2, drawn.height() - 1));
        QVERIFY2(down ? top < foot : top > foot,
                 qPrintable(QString("%1 above, %2 below").arg(top).arg(foot)));
    }

    // On a real window manager, with the keys and the pointer of the X server: after each step
    // the screen shows highlighted the title the keyboard is on, or none when the keyboard is
    // back in the window; what was typed ends in the answer box. The titles: three contact menus
    // (0 to 2), "Nuovo gioco" (3), "Formulario" (4), "Calcolatrice" (5).
    void the_pupil_sees_where_the_keyboard_is_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("lit");
        QTest::addColumn<QString>("typed");
        QTest::newRow("a lone Alt among the digits")
            << QStringList{"type 12", "key alt", "type 34", "key alt", "key Escape"}
            << QList<int>{-1, 0, -1, 0, -1} << "1234";
        QTest::newRow("Backspace and Delete after a stray Alt")
            << QStringList{"type 123",      "key Left", "key alt",
                           "key BackSpace", "key alt",  "key Delete"}
            << QList<int>{-1, -1, 0, -1, 0, -1} << "1";
        QTest::newRow("Enter after a stray Alt opens the lit menu")
            << QStringList{"type 12", "key alt", "key Return", "key Escape", "key Escape"}
            << QList<int>{-1, 0, 0, 0, -1} << "12";
        QTest::newRow("Escape after a menu opened with the mouse")
            << QStringList{"click 4", "key Escape", "key Left", "type 5"} << QList<int>{4, 4, 3, -1}
            << "5";
    }
    void the_pupil_sees_where_the_keyboard_is() {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, lit);
        QFETCH(QString, typed);
        QCOMPARE(QProcess::execute("xdotool", {"mousemove", "0", "0"}), 0);  // off the bar
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        QMenuBar* bar = game.window.menuBar();
        QTRY_COMPARE(game.focus(), game.answerBox());
        QTest::qWait(300);  // for the window manager's frame and the first painting
        const QImage rest = barOnScreen(*bar);
        for (int step = 0; step < steps.size(); ++step) {
            QStringList arguments = steps.at(step).split(' ');
            if (arguments.front() == "click") {
                const QRect title =
                    bar->actionGeometry(bar->actions().at(arguments.back().toInt()));
                const QPoint at = bar->mapToGlobal(title.center());
                arguments = {"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                             "1"};
            }
            QCOMPARE(QProcess::execute("xdotool", arguments), 0);
            // The title of an open menu is lit as well: the next key waits for the menu.
            QTRY_COMPARE(QApplication::activePopupWidget() != nullptr,
                         arguments.front() == "mousemove" || arguments.back() == "Return");
            const QList<int> expected = lit.at(step) < 0 ? QList<int>{} : QList<int>{lit.at(step)};
            QTRY_COMPARE(litTitles(*bar, rest), expected);
        }
        QTRY_COMPARE(game.answerBox()->text(), typed);
    }
};

VORLANE_TEST_MAIN(LooksTest)
#include "test_looks.moc"

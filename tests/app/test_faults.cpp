// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QFontInfo>
#include <QMessageBox>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>

#include "game.h"

// Each function is run by a test of its own, in the environment it needs: a missing Qt
// translation, fonts without the Liberation family, a screen at device pixel ratio 2.
class FaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void the_game_plays_without_qts_translation() {
        Game game;
        game.answer(game.rightAnswer());
        QCOMPARE(game.caption("lblMessage"), QString("Esatto.OK!!!"));
        QStringList captions;
        closeNextBox(Qt::Key_Escape, [&captions](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons()) {
                captions << button->text();
            }
        });
        QCOMPARE(vorlane::desktopPlatform().boxes->show("?", 0x124, "Uscire dal programma"),
                 int{vorlane::kNo});
        captions.sort();
        QCOMPARE(captions, (QStringList{"No", "Sì"}));
    }

    void the_game_lays_out_without_liberation() {
        QVERIFY(!QFontInfo(QFont("Arial")).family().startsWith("Liberation"));
        Game game(scripted(drawsFor(3, 2, 0, 8)));
        QWidget* title = game.control("Label5");
        QVERIFY(title->width() > 100);
        QCOMPARE(title->x() + title->width(), 8445 / 15);
        QVERIFY(game.control("Label10")->width() > 100);
        game.answer("8");
        QCOMPARE(game.caption("lblMessage"), QString("Esatto.OK!!!"));
    }

    void the_pictures_are_drawn_at_ratio_2() {
        Game game;
        QCOMPARE(game.window.devicePixelRatioF(), 2.0);
        QWidget* pyramid = game.control("Image4");
        QCOMPARE(pyramid->size(), QSize(429, 336));
        const QImage drawn = pyramid->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), QSize(858, 672));
        // Drawn from the vectors at 858 × 672, not a 429 × 336 bitmap blown up.
        QImage expected(858, 672, QImage::Format_ARGB32);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        QSvgRenderer(QStringLiteral(":/art/pyramid.svg")).render(&painter);
        painter.end();
        expected.setDevicePixelRatio(2.0);
        QCOMPARE(drawn, expected);
        const QPixmap pointer = game.window.centralWidget()->cursor().pixmap();
        QCOMPARE(pointer.devicePixelRatio(), 2.0);
        QCOMPARE(pointer.size(), QSize(64, 64));
        game.answer(game.rightAnswer());
        QCOMPARE(game.caption("lblScore"), QString("1"));
    }

    // A draw of 1, which no random source may give, leads to a ninth triple family. The game
    // stops with the error's own words rather than throw through cmdNext_Click: the run ends
    // well only on that message.
    void a_broken_random_source_stops_the_game() {
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtFatalMsg &&
                text == "no problem could be posed: a triple family runs from 1 to 8") {
                std::_Exit(0);
            }
        });
        Game game(scripted({1.0F}));
        QFAIL("the game went on");
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vorlane::prepareDesktop(app, qEnvironmentVariable("VORLANE_TEST_TRANSLATIONS"));
    FaultsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_faults.moc"

// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSysInfo>
#ifndef Q_OS_WIN
#include <QSvgRenderer>
#endif
#include <QTimer>

#include "art.h"
#include "controls.h"
#include "design_units.h"
#include "game.h"
#include "menus.h"

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The SVG drawn straight from its vectors, as it looks at `size` pixels. The game for Windows
// carries no SVG renderer: there the drawing its build made from the vectors stands in.
QImage fromVectors(const QString& svg, QSize size) {
#ifdef Q_OS_WIN
    return vorlane::predrawnArt(svg, size).value_or(QImage());
#else
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    return image;
#endif
}

// The family that draws one of the design's: its own where the desktop has it, else the free
// family of the same widths.
QString drawingFamily(const QString& design) {
    static const QMap<QString, QString> standIns = {{"Arial", "Liberation Sans"},
                                                    {"MS Sans Serif", "Liberation Sans"},
                                                    {"Times New Roman", "Liberation Serif"}};
    return QFontDatabase::families().contains(design) ? design : standIns.value(design);
}

// Whether a label sized to its caption keeps the edge its text is aligned to where the table
// puts it, or its centre, to half a pixel, when centred.
bool anchoredAt(const QWidget& label, const QRect& table) {
    const QRect at = label.geometry();
    const Qt::Alignment align = qobject_cast<const QLabel*>(&label)->alignment();
    if (align & Qt::AlignRight) {
        return at.right() == table.right();
    }
    if (align & Qt::AlignHCenter) {
        return std::abs(2 * at.x() + at.width() - 2 * table.x() - table.width()) <= 1;
    }
    return at.x() == table.x();
}

// The window as it is loaded, before it is shown and poses its first problem.
class LoadedWindow {
  public:
    vorlane::ScriptedDesktop desk;
    vorlane::Tavola window{std::move(desk.platform)};
    QWidget* control(const QString& name) { return window.findChild<QWidget*>(name); }
};

// The runs of columns [from, to) where two screenshots of the window differ between the answer
// box's top and bottom sides, from inside its left side to the window's edge.
QList<QPair<int, int>> changedColumns(const QImage& a, const QImage& b, QWidget& box) {
    const double ratio = a.devicePixelRatio();
    const QRect inside = QRect(box.mapTo(box.window(), QPoint()), box.size()).adjusted(3, 4, 0, -4);
    QList<QPair<int, int>> runs;
    for (int x = static_cast<int>(inside.left() * ratio); x < a.width(); ++x) {
        bool changed = false;
        for (int y = static_cast<int>(inside.top() * ratio); y < inside.bottom() * ratio; ++y) {
            changed = changed || a.pixel(x, y) != b.pixel(x, y);
        }
        if (changed && (runs.isEmpty() || runs.back().second != x)) {
            runs.append({x, x});
        }
        if (changed) {
            runs.back().second = x + 1;
        }
    }
    return runs;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void every_control_stands_where_the_table_puts_it() {
        LoadedWindow loaded;
        int checked = 0;
        for (const auto& spec : vorlane::ui::controls()) {
            if (spec.kind == vorlane::ui::Kind::Timer) {
                continue;
            }
            const QString name = qText(spec.name);
            QWidget* widget = loaded.control(name);
            QVERIFY2(widget != nullptr, qPrintable(name));
            const QRect table(vorlane::pixels(spec.left), vorlane::pixels(spec.top),
                              vorlane::pixels(spec.width), vorlane::pixels(spec.height));
            const QRect place = widget->geometry();
            const bool sized =
                (spec.flags & vorlane::ui::kSizedToText) != 0 && !spec.caption.empty();
            if (!sized) {
                QCOMPARE(place, table);
            } else if (spec.align == vorlane::ui::Align::Right) {
                QCOMPARE(place.x() + place.width(), table.x() + table.width());
            } else if (spec.align == vorlane::ui::Align::Centre) {
                QVERIFY2(
                    std::abs(2 * place.x() + place.width() - 2 * table.x() - table.width()) <= 1,
                    qPrintable(name));
            } else {
                QCOMPARE(place.x(), table.x());
            }
            QCOMPARE(place.y(), table.y());
            QCOMPARE(widget->isHidden(), (spec.flags & vorlane::ui::kHidden) != 0);
            QCOMPARE(widget->isEnabled(), (spec.flags & vorlane::ui::kDisabled) == 0);
            QCOMPARE(widget->toolTip(), qText(spec.tooltip));
            if (!spec.font.family.empty()) {
                // A family the desktop has, so that Qt never searches for one it lacks.
                QVERIFY(QFontDatabase::families().contains(widget->font().family()));
                const QFontInfo drawn(widget->font());
                QCOMPARE(drawn.family(), drawingFamily(qText(spec.font.family)));
                QCOMPARE(drawn.pixelSize(),
                         static_cast<int>(std::lround(spec.font.points * 4 / 3)));
                QCOMPARE(drawn.bold(), spec.font.bold);
            }
            if (spec.kind == vorlane::ui::Kind::Label) {
                QCOMPARE(qobject_cast<QLabel*>(widget)->text(), qText(spec.caption));
                QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
            }
            ++checked;
        }
        QCOMPARE(checked, 39);
        QVERIFY(loaded.window.findChild<QTimer*>("Timer1")->isActive());
        QCOMPARE(loaded.window.findChild<QTimer*>("Timer1")->interval(), 200);
    }

    // Figures worked out by hand from the design, so that a slip in the table shows.
    void spot_checks_of_the_design_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("fontPixels");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("answer box")
            << "txtAnswer" << QRect(587, 0, 289, 83) << 64 << QColor(0xFF, 0xFF, 0x00);
        QTest::newRow("new problem") << "cmdNext" << QRect(40, 493, 121, 73) << 11 << QColor();
        QTest::newRow("exit") << "cmdExit" << QRect(487, 493, 121, 73) << 11 << QColor();
        QTest::newRow("equals") << "Label4" << QRect(567, 8, 41, 25) << 32
                                << QColor(0x00, 0x00, 0xFF);
        QTest::newRow("vertex K") << "Label19" << QRect(432, 320, 33, 33) << 24
                                  << QColor(0xFF, 0x00, 0xFF);
        QTest::newRow("unit of VO") << "Label2(0)" << QRect(240, 184, 41, 41) << 24 << QColor();
        QTest::newRow("pyramid") << "Image4" << QRect(64, 40, 429, 336) << 0 << QColor();
        QTest::newRow("triangle") << "Image2" << QRect(551, 160, 87, 176) << 0 << QColor();
        QTest::newRow("score backdrop") << "Image3" << QRect(657, 80, 184, 383) << 0 << QColor();
        QTest::newRow("stopwatch") << "Image1" << QRect(536, 64, 32, 32) << 0 << QColor();
        QTest::newRow("extra number")
            << "Label11" << QRect(500, 407, 121, 33) << 27 << QColor(0xFF, 0x00, 0xFF);
        QTest::newRow("unit of VK") << "Label2(2)" << QRect(336, 184, 41, 41) << 24 << QColor();
        const QColor magenta(0xFF, 0x00, 0xFF);
        QTest::newRow("vertex O") << "Label18" << QRect(240, 320, 33, 33) << 24 << magenta;
        QTest::newRow("vertex V") << "Label17" << QRect(272, 40, 33, 33) << 24 << magenta;
        QTest::newRow("vertex A") << "Label13" << QRect(48, 368, 33, 33) << 24 << QColor();
        QTest::newRow("vertex B") << "Label14" << QRect(344, 368, 33, 33) << 24 << QColor();
        QTest::newRow("vertex C") << "Label15" << QRect(488, 272, 33, 33) << 24 << QColor();
        QTest::newRow("vertex D") << "Label16" << QRect(184, 264, 33, 33) << 24 << QColor();
        // Sized to their captions, but empty until the first problem: the table's size.
        QTest::newRow("VO on the drawing")
            << "lblNum1" << QRect(248, 216, 11, 37) << 32 << QColor();
        QTest::newRow("OK on the drawing")
            << "lblNum2" << QRect(290, 327, 11, 37) << 32 << QColor();
        QTest::newRow("VK on the drawing") << "lblipo" << QRect(344, 208, 11, 37) << 32 << QColor();
        // Sized to their captions (height 0 here): the top is the table's, and so is the edge
        // the caption is aligned to, or its centre.
        QTest::newRow("right count")
            << "lblScore" << QRect(713, 127, 29, 0) << 48 << QColor(0x00, 0xFF, 0x00);
        QTest::newRow("wrong count")
            << "lblScore1" << QRect(713, 267, 28, 0) << 48 << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("total count") << "lblScore2" << QRect(713, 400, 29, 0) << 48 << magenta;
        QTest::newRow("wrong heading")
            << "Label1" << QRect(666, 232, 120, 0) << 16 << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("h, left of the triangle")
            << "Label20" << QRect(520, 232, 15, 0) << 27 << magenta;
        QTest::newRow("a, right of it") << "Label22" << QRect(613, 232, 15, 0) << 27 << magenta;
        QTest::newRow("r, below it") << "Label21" << QRect(582, 340, 11, 0) << 27 << magenta;
    }
    void spot_checks_of_the_design() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(int, fontPixels);
        QFETCH(QColor, colour);
        LoadedWindow loaded;
        QWidget* widget = loaded.control(name);
        if (place.height() == 0) {
            QCOMPARE(widget->y(), place.y());
            QVERIFY(anchoredAt(*widget, place));
        } else {
            QCOMPARE(widget->geometry(), place);
        }
        if (fontPixels > 0) {
            QCOMPARE(widget->font().pixelSize(), fontPixels);
        }
        if (colour.isValid()) {
            const auto role =
                qobject_cast<QLineEdit*>(widget) ? QPalette::Text : QPalette::WindowText;
            QCOMPARE(widget->palette().color(role), colour);
        }
    }

    // Captions the first problem leaves alone are fitted before the window is drawn: their
    // frames hug them rather than keep the table's size.
    void the_shown_headings_and_scores_hug_their_captions() {
        Game game;
        for (const char* name : {"Label6", "Label1", "Label3", "lblScore", "lblScore2"}) {
            auto* label = game.control<QLabel>(name);
            const QFontMetrics metrics(label->font());
            QCOMPARE(label->size(),
                     QSize(metrics.horizontalAdvance(label->text()) + 4, metrics.height() + 4));
        }
    }

    void colours_of_the_window_and_the_score() {
        LoadedWindow loaded;
        QCOMPARE(loaded.window.centralWidget()->palette().color(QPalette::Window),
                 QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(loaded.control("txtAnswer")->palette().color(QPalette::Base),
                 QColor(0x00, 0x00, 0xFF));
        QCOMPARE(loaded.control("cmdNext")->palette().color(QPalette::Button),
                 QColor(0x00, 0xFF, 0x00));
        QCOMPARE(loaded.control("cmdExit")->palette().color(QPalette::Button),
                 QColor(0x00, 0xFF, 0xFF));
        QCOMPARE(loaded.control("Label6")->palette().color(QPalette::WindowText),
                 QColor(0x00, 0xC0, 0x00));
        auto* score = qobject_cast<QFrame*>(loaded.control("lblScore"));
        QCOMPARE(score->frameWidth(), 2);
        QCOMPARE(score->frameShadow(), QFrame::Sunken);
        QVERIFY(!loaded.control("lblScore")->autoFillBackground());
        QVERIFY(loaded.control("Label12")->autoFillBackground());  // opaque
    }

    void the_first_row_lies_on_top() {
        LoadedWindow loaded;
        QWidget* form = loaded.window.centralWidget();
        const QObjectList& stack = form->children();  // bottom first
        int above = static_cast<int>(stack.size());
        for (const auto& spec : vorlane::ui::controls()) {
            if (spec.kind == vorlane::ui::Kind::Timer) {
                continue;
            }
            const auto at = static_cast<int>(stack.indexOf(loaded.control(qText(spec.name))));
            QVERIFY2(at < above, qPrintable(qText(spec.name)));
            above = at;
        }
    }

    void the_answer_box_takes_six_characters_however_they_come() {
        LoadedWindow loaded;
        auto* box = qobject_cast<QLineEdit*>(loaded.control("txtAnswer"));
        QCOMPARE(box->maxLength(), 6);
        box->setText("1234567");
        QCOMPARE(box->text(), QString("123456"));
        box->clear();
        box->insert("98765432");
        QCOMPARE(box->text(), QString("987654"));
    }

    // The box's own style only clips the focused frame, which the desktop style draws the same.
    void the_answer_box_looks_as_the_desktop_style_draws_it() {
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        game.answerBox()->setText("123");
        const QImage own = game.answerBox()->grab().toImage();
        game.answerBox()->setStyle(QApplication::style());
        QCOMPARE(game.answerBox()->grab().toImage(), own);
    }

    // Digits of 64 px Liberation Sans Bold advance 35.59 px, from x = 590: the box at 587, its
    // frame of 1 and Qt's inset of 2. Six at full width would put the caret at 803.5, past the
    // window's edge at 794; narrowed just enough, from 786 (92 %) to 790 (the edge less 1 + 2).
    // Windows' GDI rounds each advance to a whole 36 px: five digits end at 770.
    void the_whole_answer_is_in_sight_data() {
        const double fiveDigits = QSysInfo::productType() == "windows" ? 770.0 : 767.9;
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("caret");  // its x, give or take 2 pixels
        QTest::newRow("1") << "1" << 625.6;
        QTest::newRow("2 digits") << "12" << 661.2;
        QTest::newRow("3 digits") << "123" << 696.8;
        QTest::newRow("4 digits") << "1234" << 732.4;
        QTest::newRow("5 digits, full width") << "12345" << fiveDigits;
        QTest::newRow("6 digits") << "123456" << 788.0;
        QTest::newRow("the widest digits") << "000088" << 788.0;
        QTest::newRow("full width again") << "123456\b" << fiveDigits;
    }
    void the_whole_answer_is_in_sight() {
        QFETCH(QString, keys);
        QFETCH(double, caret);
        QApplication::setCursorFlashTime(0);  // the caret drawn all the time the box has the focus
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        QCOMPARE(game.window.centralWidget()->width(), 794);
        QLineEdit* box = game.answerBox();
        box->clearFocus();
        const QImage empty = game.window.grab().toImage();
        box->setFocus();
        QTest::keyClicks(box, keys);
        const QImage withCaret = game.window.grab().toImage();
        box->clearFocus();
        const QImage typed = game.window.grab().toImage();
        // A run for each character, the last short of the edge, and the caret after it.
        const auto glyphs = changedColumns(typed, empty, *box);
        const auto carets = changedColumns(withCaret, typed, *box);
        QCOMPARE(glyphs.size(), box->text().size());
        QCOMPARE(carets.size(), 1);
        QVERIFY(glyphs.back().second < typed.width() && carets.front().second < typed.width());
        const double caretAt = carets.front().first / typed.devicePixelRatio();
        QVERIFY2(std::abs(caretAt - caret) <= 2, qPrintable(QString::number(caretAt)));
    }

    void the_menus_read_as_designed() {
        LoadedWindow loaded;
        QMenuBar* bar = loaded.window.menuBar();
        const QList<QAction*> top = bar->actions();
        const auto menus = vorlane::ui::menus();
        QCOMPARE(top.size(), static_cast<qsizetype>(menus.size()));
        QStringList names;
        for (QAction* action : top) {
            names << (action->menu() ? action->menu()->objectName() : action->objectName());
        }
        QCOMPARE(names, (QStringList{"sito", "Ciao", "posta", "new", "fcs", "calc"}));
        QCOMPARE(top[3]->text(), QString("Nuovo gioco"));
        QCOMPARE(top[5]->text(), QString("Calcolatrice"));
        auto* formulas = bar->findChild<QMenu*>("fcs");
        QCOMPARE(formulas->title(), QString("Formulario"));
        QCOMPARE(formulas->actions().size(), 20);
        QCOMPARE(formulas->actions().front()->objectName(), QString("nomen"));
        QCOMPARE(formulas->actions().back()->text(),
                 QString("Per calcolare le radici quadrate con la calcolatrice scientifica "
                         "cliccare su    inv   e  su   x^2  "));
        QCOMPARE(bar->findChild<QAction*>("per")->text(), QString("Per contattare gli autori "));
        QVERIFY(bar->findChild<QAction*>("Tmer") != nullptr);
        for (QAction* action : formulas->actions()) {
            QVERIFY(!action->isCheckable());
            QVERIFY(action->shortcut().isEmpty());
        }
    }

    void a_formula_changes_nothing() {
        Game game;
        const QString title = game.caption("Label5");
        const int answer = game.window.state().correctAnswer;
        game.trigger("VBB");
        game.trigger("per");
        QCOMPARE(game.caption("Label5"), title);
        QCOMPARE(game.window.state().correctAnswer, answer);
        QVERIFY(game.desk.boxes->shown.empty());
    }

    void pointers_over_the_window_buttons_and_box() {
        LoadedWindow loaded;
        QWidget* form = loaded.window.centralWidget();
        QCOMPARE(form->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(loaded.control("Image4")->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(loaded.control("Label5")->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(loaded.control("cmdNext")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(loaded.control("cmdExit")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(loaded.control("txtAnswer")->cursor().shape(), Qt::IBeamCursor);
    }

    void the_new_problem_button_changes_face_when_pressed() {
        LoadedWindow loaded;
        auto* next = qobject_cast<QAbstractButton*>(loaded.control("cmdNext"));
        next->setEnabled(true);
        const qint64 normal = next->icon().cacheKey();
        next->setDown(true);
        emit next->pressed();
        const qint64 pressed = next->icon().cacheKey();
        emit next->released();
        QVERIFY(pressed != normal);
        QCOMPARE(next->icon().cacheKey(), normal);
        const QImage enabledFace = next->icon().pixmap(32, 32, QIcon::Normal).toImage();
        const QImage disabledFace = next->icon().pixmap(32, 32, QIcon::Disabled).toImage();
        QVERIFY(enabledFace != disabledFace);
    }

    // The pictures a screen of ratio 1 shows, at their sizes in the window, each pixel as the
    // vectors draw it.
    void the_pictures_come_drawn_data() {
        QTest::addColumn<QString>("svg");
        QTest::addColumn<QSize>("size");
        QTest::newRow("pyramid") << ":/art/pyramid.svg" << QSize(429, 336);
        QTest::newRow("triangle") << ":/art/triangle.svg" << QSize(87, 176);
        QTest::newRow("half pyramid, inside its border")
            << ":/art/half_pyramid.svg" << QSize(180, 379);
        for (const char* svg :
             {"stopwatch", "smile", "straight_mouth", "laugh", "no_entry", "pointer", "icon"}) {
            QTest::newRow(svg) << QString(":/art/%1.svg").arg(svg) << QSize(32, 32);
        }
        for (const int side : {16, 64, 128}) {
            QTest::addRow("icon at %d", side) << ":/art/icon.svg" << QSize(side, side);
        }
    }
    void the_pictures_come_drawn() {
        QFETCH(QString, svg);
        QFETCH(QSize, size);
        const std::optional<QImage> drawn = vorlane::predrawnArt(svg, size);
        QVERIFY(drawn.has_value());
        QCOMPARE(*drawn, fromVectors(svg, size));
    }

    void the_window_shows_the_pictures_as_drawn() {
        LoadedWindow loaded;
        loaded.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&loaded.window));
        QCOMPARE(loaded.control("Image3")->grab(QRect(2, 2, 180, 379)).toImage(),
                 fromVectors(":/art/half_pyramid.svg", QSize(180, 379)));
        auto* next = qobject_cast<QAbstractButton*>(loaded.control("cmdNext"));
        QCOMPARE(next->icon().pixmap(32, 32).toImage(), fromVectors(":/art/smile.svg", {32, 32}));
        QCOMPARE(next->icon().pixmap(32, 32, QIcon::Disabled).toImage(),
                 fromVectors(":/art/laugh.svg", {32, 32}));
        QCOMPARE(QApplication::windowIcon().pixmap(128, 128).toImage(),
                 fromVectors(":/art/icon.svg", {128, 128}));
        QCOMPARE(loaded.window.centralWidget()->cursor().pixmap().toImage(),
                 fromVectors(":/art/pointer.svg", {32, 32}));
    }

    void controls_without_text_have_italian_names_for_screen_readers() {
        LoadedWindow loaded;
        for (const char* name : {"txtAnswer", "Image1", "Image2", "Image3", "Image4"}) {
            QWidget* widget = loaded.control(name);
            QVERIFY2(!widget->accessibleName().isEmpty(), name);
            QVERIFY2(!widget->accessibleDescription().isEmpty(), name);
        }
        QCOMPARE(loaded.control("Image4")->accessibleName(), QString("Piramide"));
    }

    void buttons_show_their_picture_above_the_caption() {
        LoadedWindow loaded;
        auto* next = qobject_cast<QAbstractButton*>(loaded.control("cmdNext"));
        QCOMPARE(next->text(), QString("&Nuovo calcolo"));
        QCOMPARE(next->iconSize(), QSize(32, 32));
        QVERIFY(!next->icon().isNull());
        QCOMPARE(qobject_cast<QAbstractButton*>(loaded.control("cmdExit"))->text(),
                 QString("E&xit"));
        QVERIFY(!loaded.window.windowIcon().isNull());
    }
};

VORLANE_TEST_MAIN(LayoutTest)
#include "test_layout.moc"

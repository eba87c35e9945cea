// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

#include "desktop_setup.h"
#include "scripted_platform.h"
#include "scripted_random.h"
#include "table_label.h"
#include "tavola.h"

// A game in the offscreen window, on a scripted desktop.
class Game {
  public:
    // A random source of the test's own, or one seeded from the scripted clock; the desktop's
    // wish for high contrast.
    explicit Game(std::unique_ptr<vorlane::RandomSource> random = {}, bool highContrast = false)
        : desk(std::move(random)), window(withContrast(desk, highContrast)) {
        window.show();
    }

    // The desktop's wish for high contrast as the given service tells it.
    Game(std::unique_ptr<vorlane::RandomSource> random,
         std::unique_ptr<vorlane::DesktopContrast> contrast)
        : desk(std::move(random)), window(withContrast(desk, std::move(contrast))) {
        window.show();
    }

    template <typename T = QWidget>
    T* control(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    QString caption(const char* name) { return control<QLabel>(name)->text(); }
    QLineEdit* answerBox() { return control<QLineEdit>("txtAnswer"); }
    QWidget* focus() { return window.focusWidget(); }

    // Types the text key by key into the answer box, then Enter.
    void answer(const QString& typed) {
        QTest::keyClicks(answerBox(), typed);
        QTest::keyClick(answerBox(), Qt::Key_Return);
    }
    QString rightAnswer() { return QString::number(window.state().correctAnswer); }

    // Chooses the menu entry of that name.
    void trigger(const char* entry) {
        window.menuBar()->findChild<QAction*>(QString::fromLatin1(entry))->trigger();
    }
    // "Nuovo gioco", and then Qt deletes what it scheduled, such as the replaced menu bar.
    void reload() {
        trigger("new");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int liveObjects() { return static_cast<int>(window.findChildren<QObject*>().size()); }

    vorlane::ScriptedDesktop desk;
    vorlane::Tavola window;

  private:
    static vorlane::Platform withContrast(vorlane::ScriptedDesktop& desk, bool highContrast) {
        desk.contrast->set(highContrast);
        return std::move(desk.platform);
    }
    static vorlane::Platform withContrast(vorlane::ScriptedDesktop& desk,
                                          std::unique_ptr<vorlane::DesktopContrast> contrast) {
        desk.contrast = nullptr;
        desk.platform.contrast = std::move(contrast);
        return std::move(desk.platform);
    }
};

// The draws that pose one given problem: the size n (3 to 6), the family (1 to 8), the k draw
// (0 to 4; families 1 and 7 draw none) and the type (1 to 21).
inline std::vector<float> drawsFor(int n, int family, int kIndex, int type) {
    const auto at = [](int index, int count) {
        return (static_cast<float>(index) + 0.5F) / static_cast<float>(count);
    };
    std::vector<float> draws = {at(n, 7), at(family - 1, 8)};
    if (family != 1 && family != 7) {
        draws.push_back(at(kIndex, 5));
    }
    draws.push_back(at(type - 1, 21));
    return draws;
}

inline std::unique_ptr<vorlane::RandomSource> scripted(std::vector<float> draws) {
    return std::make_unique<vorlane::ScriptedRandom>(std::move(draws));
}

// The next modal box, once open, is shown to `look` and then closed with the key, as the pupil
// would; a box that is not there fails the test.
inline void closeNextBox(Qt::Key key, std::function<void(QMessageBox&)> look = {}) {
    QTimer::singleShot(0, [key, look = std::move(look)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        if (look) {
            look(*box);
        }
        QTest::keyClick(box, key);
    });
}

// A run that names a platform in VORLANE_TEST_PLATFORM fails on any other, so that a suite meant
// for Wayland cannot pass on the wrong one.
inline bool onAskedPlatform() {
    const QString asked = qEnvironmentVariable("VORLANE_TEST_PLATFORM");
    if (asked.isEmpty() || QGuiApplication::platformName() == asked) {
        return true;
    }
    qCritical("running on %s, not %s", qPrintable(QGuiApplication::platformName()),
              qPrintable(asked));
    return false;
}

// Qt's Italian texts and the fonts must be ready before the first widget.
#define VORLANE_TEST_MAIN(TestObject)           \
    int main(int argc, char* argv[]) {          \
        QApplication app(argc, argv);           \
        if (!onAskedPlatform()) {               \
            return 1;                           \
        }                                       \
        vorlane::prepareDesktop(app);           \
        TestObject test;                        \
        return QTest::qExec(&test, argc, argv); \
    }

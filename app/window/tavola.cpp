// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tavola.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <exception>

#include "answer.h"
#include "answer_keys.h"
#include "controls.h"
#include "default_look.h"
#include "design_units.h"
#include "form_builder.h"
#include "form_controls.h"
#include "game_menu_bar.h"
#include "menu_builder.h"
#include "picture_button.h"
#include "problem.h"
#include "pupil_pointer.h"
#include "table_label.h"
#include "text_shades.h"
#include "utf8_text.h"

namespace vorlane {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Where the desktop may have one, in the order a school's Linux desktop most likely has it.
const QStringList kCalculators = {QStringLiteral("calc.exe"),   QStringLiteral("gnome-calculator"),
                                  QStringLiteral("kcalc"),      QStringLiteral("mate-calc"),
                                  QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"),
                                  QStringLiteral("xcalc")};

// Centred on the free part of the screen; on a screen too small for the window its top-left
// corner stays inside, so that the title, the menu bar and the question are in sight. The
// frame is known only once the window is shown, so the window's own size centres it: every
// load then puts it back at the same place.
QPoint windowPlace(const QRect& area, const QSize& window) {
    const QPoint centred = area.center() - QRect(QPoint(), window).center();
    return {std::max(centred.x(), area.left()), std::max(centred.y(), area.top())};
}

// The engine throws only where the program itself is wrong, such as a random source that draws
// 1; no exception may leave a slot, so the game stops with the error's own words.
Problem posed(WindowState& state, RandomSource& random, const ProblemChoice& choice) {
    try {
        return poseProblem(state, random, choice);
    } catch (const std::exception& error) {
        qFatal("no problem could be posed: %s", error.what());
    }
}

// Reads the problem again.
const QKeySequence kSayAgain(Qt::Key_F5);

}  // namespace

// The clock tick's view of the desktop.
class PlatformTickServices final : public TickServices {
  public:
    explicit PlatformTickServices(Platform& platform) : platform_(platform) {}

    TimeOfDay timeOfDay() override { return platform_.clock->timeOfDay(); }
    void beep() override { platform_.beeper->beep(); }
    void alarmBox(const std::string& text, const std::string& title) override {
        platform_.boxes->show(fromUtf8(text), kOkOnly, fromUtf8(title));
    }

  private:
    Platform& platform_;
};

// The desktop's message boxes lie on the window, which they can be handed only once its
// QMainWindow exists: in the members' initialisers, not in a call to the other constructor.
Tavola::Tavola(const GameOptions& options)
    : platform_(desktopPlatform(this, options)),
      tickServices_(std::make_unique<PlatformTickServices>(platform_)) {
    open();
}

Tavola::Tavola(Platform platform)
    : platform_(std::move(platform)),
      tickServices_(std::make_unique<PlatformTickServices>(platform_)) {
    open();
}

Tavola::~Tavola() = default;

void Tavola::open() {
    if (!platform_.random) {
        platform_.random = std::make_unique<MixingRandom>(
            [clock = platform_.clock.get()] { return clock->ticks(); });
    }
    load();
    if (platform_.voice) {
        // A key of the window's own, taken before any control sees it: no control or menu uses
        // it, and the answer box's key rule never hears of it.
        auto* again = new QShortcut(kSayAgain, this);
        connect(again, &QShortcut::activated, this, [this] { say(problemSpoken_); });
    }
    // The texts change shade at once; the problem, the answer being typed and the score stay.
    platform_.contrast->follow([this](bool high) { showShades(*centralWidget(), high); });
}

void Tavola::say(const QString& text, QWidget* holder, Urgency urgency) {
    if (holder != nullptr && platform_.screenReader) {
        platform_.screenReader->tell(*holder, text, urgency);
    }
    if (platform_.voice) {
        platform_.voice->say(text);
    }
}

void Tavola::load() {
    auto* form = new QWidget;
    // The design's texts stand on its own backgrounds, so where it takes the desktop's text and
    // face colours it gets those of the default look, whatever the desktop's palette: a dark
    // palette's white would vanish on the yellow. The menus and the message boxes, on
    // backgrounds of their own, keep the desktop's.
    QPalette palette = defaultLook();
    palette.setColor(QPalette::Window, qtColour(ui::kBackground));
    form->setPalette(palette);
    form->setAutoFillBackground(true);
    form->setCursor(pupilPointer(devicePixelRatioF()));
    buildControls(*form);
    showShades(*form, platform_.contrast->high());
    setCentralWidget(form);
    controls_ = std::make_unique<Controls>(findControls(*form));

    // The old menu bar may be the one whose entry is being handled: Qt deletes it once that
    // is over.
    auto* bar = new GameMenuBar;
    buildMenus(*bar);
    setMenuBar(bar);

    setWindowTitle(QString(ui::kCaptionBlanks, QLatin1Char(' ')) + uiText(ui::kTitle));
    setWindowState(Qt::WindowNoState);
    const QSize client(pixels(ui::kClientWidth), pixels(ui::kClientHeight));
    resize(client.width(), client.height() + bar->sizeHint().height());
    move(windowPlace(screen()->availableGeometry(), size()));

    alarmClock_ = {};
    bindEvents();
    Form_Load();
    activationPending_ = true;
}

void Tavola::unload() {
    hide();
    // The unloaded form's window goes back to the window system. Qt counts a window that is
    // hidden and at once shown again as still holding the keyboard, while its widgets count it
    // as inactive: the new box would take keys but have no caret, and a screen reader would hear
    // of no focus. A new native window is activated by the window manager like any other.
    if (QWindow* native = windowHandle()) {
        native->destroy();
    }
    controls_.reset();
    delete takeCentralWidget();
}

void Tavola::bindEvents() {
    Controls& c = *controls_;
    connect(c.Timer1, &QTimer::timeout, this, &Tavola::Timer1_Timer);
    connect(c.cmdNext, &QToolButton::clicked, this, &Tavola::cmdNext_Click);
    connect(c.cmdExit, &QToolButton::clicked, this, &Tavola::cmdExit_Click);
    c.txtAnswer->installEventFilter(new AnswerKeys(
        [this](std::int16_t& charCode) { txtAnswer_KeyPress(charCode); }, c.txtAnswer));
    auto* bar = menuBar();
    connect(bar->findChild<QAction*>(QStringLiteral("new")), &QAction::triggered, this,
            &Tavola::new_Click);
    connect(bar->findChild<QAction*>(QStringLiteral("calc")), &QAction::triggered, this,
            &Tavola::calc_Click);
}

void Tavola::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Form_Resize();
    if (activationPending_) {
        activationPending_ = false;
        Form_Activate();
        // With the first problem posed, the captions the pupil will see are known.
        for (auto* label : centralWidget()->findChildren<TableLabel*>()) {
            label->fitFirstCaption();
        }
    }
}

void Tavola::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Tavola::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

void Tavola::Form_Load() {
    formLoad(state_);
}

void Tavola::Form_Resize() {
    if ((windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) == 0) {
        setWindowTitle(uiText(ui::kTitle));
    }
}

void Tavola::Form_Activate() {
    cmdNext_Click();
}

void Tavola::cmdNext_Click() {
    Controls& c = *controls_;
    // Unlike clear(), setText() forgets the undo history: "Annulla" cannot bring back the
    // answers to earlier problems.
    c.txtAnswer->setText({});
    c.lblMessage->setCaption({});
    for (TableLabel* unit : c.units) {
        unit->show();
    }
    c.Label10->setCaption({});
    c.Label11->setCaption({});

    const Problem problem = posed(state_, *platform_.random, platform_.problems);
    asked_ = AnsweredProblem{};
    asked_.type = state_.problemType;
    asked_.title = problem.title;
    asked_.data = dataShown(problem);
    asked_.rightAnswer = problem.correctAnswer;
    askedAt_ = platform_.clock->timeOfDay();
    c.Label9->setCaption(fromUtf8(problem.familyCaption));
    for (std::size_t i = 0; i < kMeasures; ++i) {
        c.measures[i]->setCaption(fromUtf8(problem.measureCaptions[i]));
    }
    c.Label12->setCaption(fromUtf8(problem.typeCaption));

    for (std::size_t i = 0; i < kMeasures; ++i) {
        c.measures[i]->setVisible(problem.measureShown[i]);
        if (!problem.measureShown[i]) {
            c.units[i]->hide();
        }
    }
    setDesignColour(*c.Label5, problem.titleColour);
    showShade(*c.Label5, platform_.contrast->high());
    c.Label5->setCaption(fromUtf8(problem.title));
    if (!problem.sentence.empty()) {
        c.Label10->setCaption(fromUtf8(problem.sentence));
        c.Label11->setCaption(fromUtf8(problem.extraDigits));
    }
    for (std::size_t i = 0; i < kMeasures; ++i) {
        c.letters[i]->setCaption(fromUtf8(problem.figureLetters[i]));
    }
    // Before cmdNext is disabled: that alone moves the focus into the box.
    problemSpoken_ = fromUtf8(problem.spoken);
    say(problemSpoken_, c.txtAnswer, Urgency::Polite);

    c.cmdNext->setEnabled(false);
    c.txtAnswer->setFocus();
}

void Tavola::txtAnswer_KeyPress(std::int16_t& charCode) {
    switch (answerKey(charCode)) {
        case KeyAction::LetThrough:
            return;
        case KeyAction::Cancel:
            charCode = 0;
            return;
        case KeyAction::Judge:
            break;
    }
    Controls& c = *controls_;
    const Verdict verdict = judge(state_, c.txtAnswer->text().toStdString());
    setDesignColour(*c.lblMessage, verdict.colour);
    showShade(*c.lblMessage, platform_.contrast->high());
    c.lblMessage->setCaption(fromUtf8(verdict.message));
    if (verdict.wrongCaption) {
        c.lblScore1->setCaption(fromUtf8(*verdict.wrongCaption));
    }
    c.lblScore->setCaption(fromUtf8(verdict.rightCaption));
    c.lblScore2->setCaption(fromUtf8(verdict.totalCaption));
    keepInRecord(verdict);
    // A screen reader says nothing when a label changes: it hears of the verdict from the
    // button that the focus moves to.
    say(fromUtf8(verdict.spoken), c.cmdNext, Urgency::Assertive);
    c.cmdNext->setEnabled(true);
    c.cmdNext->setFocus();
}

// Written before the next problem can be posed; a record that cannot be written is said once,
// and the game goes on without it.
void Tavola::keepInRecord(const Verdict& verdict) {
    if (!platform_.record) {
        return;
    }
    constexpr std::int32_t kDay = 86400;  // seconds
    AnsweredProblem answer = asked_;
    answer.typed = controls_->txtAnswer->text().toStdString();
    answer.right = verdict.right;
    answer.seconds =
        ((platform_.clock->timeOfDay().secondsSinceMidnight - askedAt_.secondsSinceMidnight) %
             kDay +
         kDay) %
        kDay;
    answer.rightCount = verdict.rightCaption;
    answer.wrongCount = digits(state_.wrongCount);
    answer.totalCount = verdict.totalCaption;
    if (!platform_.record->keep(answer) && !recordFailureShown_) {
        recordFailureShown_ = true;
        platform_.boxes->show(
            QStringLiteral("Il registro non si può scrivere: avvisa l'insegnante."),
            kOkOnly | kInformation);
    }
}

void Tavola::cmdExit_Click() {
    const QString question = QStringLiteral("Vuoi veramente lasciarmi  ?");
    say(question);
    const int answer = platform_.boxes->show(question, kYesNo | kQuestion | kSecondIsDefault,
                                             QStringLiteral("Uscire dal programma"));
    if (answer == kNo) {
        return;
    }
    const QString farewell = QStringLiteral("Ciao a presto ");
    say(farewell);
    platform_.boxes->show(farewell, kOkOnly);
    controls_->Timer1->stop();
    hide();
    platform_.end->endProgram();
}

void Tavola::new_Click() {
    unload();
    load();
    show();
}

void Tavola::calc_Click() {
    // One calculator at a time: presses on a slow desktop would pile up calculators.
    if (platform_.starter->running()) {
        platform_.boxes->show(
            QStringLiteral("La calcolatrice è già aperta: cercala tra le finestre del desktop."),
            kOkOnly | kInformation);
        return;
    }
    bool found = false;
    for (const QString& name : kCalculators) {
        const QString path = platform_.starter->find(name);
        if (path.isEmpty()) {
            continue;
        }
        found = true;
        if (platform_.starter->start(path)) {
            return;
        }
    }
    if (found) {
        platform_.boxes->show(
            QStringLiteral("La calcolatrice non è partita: chiedi all'insegnante."),
            kOkOnly | kExclamation);
        return;
    }
    platform_.boxes->show(
        QStringLiteral("Non trovo una calcolatrice su questo computer: chiedi all'insegnante."),
        kOkOnly | kInformation);
}

void Tavola::Timer1_Timer() {
    clockTick(controls_->lblTime->text().toStdString(), state_.alarmTime, alarmClock_,
              *tickServices_);
}

}  // namespace vorlane

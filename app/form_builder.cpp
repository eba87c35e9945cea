#include "form_builder.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "menus.h"
#include "picture.h"
#include "picture_button.h"
#include "table_label.h"

namespace vorlane {

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Qt::Alignment alignmentOf(ui::Align align) {
    switch (align) {
        case ui::Align::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case ui::Align::Centre:
            return Qt::AlignHCenter | Qt::AlignTop;
        case ui::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void setColour(QWidget& widget, QPalette::ColorRole role, const std::optional<Rgb>& rgb) {
    if (rgb) {
        QPalette palette = widget.palette();
        palette.setColor(role, qtColour(*rgb));
        widget.setPalette(palette);
    }
}

QWidget* labelFor(const ui::ControlSpec& spec, QWidget& form) {
    auto* label = new TableLabel((spec.flags & ui::kSizedToText) != 0, &form);
    label->setAlignment(alignmentOf(spec.align));
    label->setText(text(spec.caption));
    setColour(*label, QPalette::WindowText, spec.textColour);
    if ((spec.flags & ui::kTransparent) == 0) {
        // An opaque label is filled with the desktop's face colour.
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Button));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    if ((spec.flags & ui::kSingleBorder) != 0) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(2);
    }
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget* pictureFor(const ui::ControlSpec& spec, QWidget& form) {
    auto* picture = new Picture(text(spec.art[0]), &form);
    if ((spec.flags & ui::kSingleBorder) != 0) {
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
    }
    return picture;
}

QWidget* buttonFor(const ui::ControlSpec& spec, QWidget& form) {
    QAbstractButton* button = nullptr;
    if (spec.art[0].empty()) {
        button = new QPushButton(&form);
    } else {
        button = new PictureButton(text(spec.art[0]), text(spec.art[1]), text(spec.art[2]), &form);
    }
    button->setText(text(spec.caption));
    setColour(*button, QPalette::Button, spec.background);
    return button;
}

QWidget* textBoxFor(const ui::ControlSpec& spec, QWidget& form) {
    auto* box = new QLineEdit(&form);
    box->setMaxLength(spec.limit);
    setColour(*box, QPalette::Text, spec.textColour);
    setColour(*box, QPalette::Base, spec.background);
    return box;
}

QWidget* widgetFor(const ui::ControlSpec& spec, QWidget& form) {
    switch (spec.kind) {
        case ui::Kind::Label:
            return labelFor(spec, form);
        case ui::Kind::Picture:
            return pictureFor(spec, form);
        case ui::Kind::Button:
            return buttonFor(spec, form);
        case ui::Kind::TextBox:
            return textBoxFor(spec, form);
        case ui::Kind::Timer:
            break;
    }
    throw std::logic_error("a timer is no widget");
}

void addTimer(const ui::ControlSpec& spec, QWidget& form) {
    auto* timer = new QTimer(&form);
    timer->setObjectName(text(spec.name));
    timer->setInterval(spec.limit);
    timer->start();
}

void addWidget(const ui::ControlSpec& spec, QWidget& form) {
    QWidget* widget = widgetFor(spec, form);
    widget->setObjectName(text(spec.name));
    if (!spec.font.family.empty()) {
        widget->setFont(tableFont(spec.font));
    }
    const QRect place(pixels(spec.left), pixels(spec.top), pixels(spec.width), pixels(spec.height));
    if (auto* label = qobject_cast<TableLabel*>(widget)) {
        label->place(place);  // after the font, which a label sized to its text fits
    } else {
        widget->setGeometry(place);
    }
    widget->setToolTip(text(spec.tooltip));
    if (!spec.accessibleName.empty()) {
        widget->setAccessibleName(text(spec.accessibleName));
    }
    widget->setAccessibleDescription(text(spec.description));
    widget->setEnabled((spec.flags & ui::kDisabled) == 0);
    widget->setVisible((spec.flags & ui::kHidden) == 0);
}

template <typename T>
T* named(QWidget& form, const char* name) {
    auto* found = form.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (found == nullptr) {
        throw std::logic_error(std::string("the form has no control ") + name);
    }
    return found;
}

}  // namespace

int pixels(ui::Twips twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QFont tableFont(const ui::FontSpec& spec) {
    QFont font(text(spec.family));
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 4.0 / 3.0)));
    font.setBold(spec.bold);
    return font;
}

QColor qtColour(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

void buildControls(QWidget& form) {
    const auto table = ui::controls();
    std::for_each(table.rbegin(), table.rend(), [&form](const ui::ControlSpec& spec) {
        if (spec.kind == ui::Kind::Timer) {
            addTimer(spec, form);
        } else {
            addWidget(spec, form);
        }
    });
    std::map<int, QWidget*> byTabIndex;
    for (const ui::ControlSpec& spec : table) {
        if (spec.kind == ui::Kind::Button || spec.kind == ui::Kind::TextBox) {
            byTabIndex[spec.tabIndex] = named<QWidget>(form, spec.name.data());
        }
    }
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : byTabIndex) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void buildMenus(QMenuBar& bar) {
    for (const ui::MenuSpec& spec : ui::menus()) {
        if (spec.entries.empty()) {
            QAction* command = bar.addAction(text(spec.caption));
            command->setObjectName(text(spec.name));
            continue;
        }
        QMenu* menu = bar.addMenu(text(spec.caption));
        menu->setObjectName(text(spec.name));
        for (const ui::MenuEntry& entry : spec.entries) {
            menu->addAction(text(entry.caption))->setObjectName(text(entry.name));
        }
    }
}

Controls findControls(QWidget& form) {
    Controls c;
    c.Timer1 = form.findChild<QTimer*>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
    c.txtAnswer = named<QLineEdit>(form, "txtAnswer");
    c.cmdNext = named<PictureButton>(form, "cmdNext");
    c.cmdExit = named<PictureButton>(form, "cmdExit");
    c.lblMessage = named<TableLabel>(form, "lblMessage");
    c.Label5 = named<TableLabel>(form, "Label5");
    c.Label9 = named<TableLabel>(form, "Label9");
    c.Label10 = named<TableLabel>(form, "Label10");
    c.Label11 = named<TableLabel>(form, "Label11");
    c.Label12 = named<TableLabel>(form, "Label12");
    c.lblTime = named<TableLabel>(form, "lblTime");
    c.lblScore = named<TableLabel>(form, "lblScore");
    c.lblScore1 = named<TableLabel>(form, "lblScore1");
    c.lblScore2 = named<TableLabel>(form, "lblScore2");
    c.measures = {named<TableLabel>(form, "lblNum1"), named<TableLabel>(form, "lblNum2"),
                  named<TableLabel>(form, "lblipo")};
    c.units = {named<TableLabel>(form, "Label2(0)"), named<TableLabel>(form, "Label2(1)"),
               named<TableLabel>(form, "Label2(2)")};
    c.letters = {named<TableLabel>(form, "Label20"), named<TableLabel>(form, "Label21"),
                 named<TableLabel>(form, "Label22")};
    if (c.Timer1 == nullptr) {
        throw std::logic_error("the form has no timer");
    }
    return c;
}

}  // namespace vorlane

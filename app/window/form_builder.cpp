// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_builder.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QTimer>

#include <algorithm>
#include <map>

#include "answer_box.h"
#include "controls.h"
#include "design_units.h"
#include "picture.h"
#include "picture_button.h"
#include "table_label.h"
#include "text_shades.h"
#include "utf8_text.h"

namespace vorlane {

namespace {

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
    label->setText(uiText(spec.caption));
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
    auto* picture = new Picture(uiText(spec.art[0]), &form);
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
        button =
            new PictureButton(uiText(spec.art[0]), uiText(spec.art[1]), uiText(spec.art[2]), &form);
    }
    button->setText(uiText(spec.caption));
    setColour(*button, QPalette::Button, spec.background);
    return button;
}

// The application's style, but for the text box's frame, stroked inside a clip of the painter's
// own that hides none of it: the box's rectangle. With that clip the raster engine writes the
// stroke's pixels itself, the same pixels; without it the stroke goes to its span fillers, and at
// every blink of the tall cursor, whose repaint crosses the frame's left edge, those split the
// work over the GUI thread pool, waking two threads while the game waits for an answer.
class TextBoxStyle : public QProxyStyle {
  public:
    TextBoxStyle() : QProxyStyle(QApplication::style()->name()) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameLineEdit) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setClipRect(option->rect, Qt::IntersectClip);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->restore();
    }
};

QWidget* textBoxFor(const ui::ControlSpec& spec, QWidget& form) {
    auto* box = new AnswerBox(&form);
    auto* style = new TextBoxStyle;
    box->setStyle(style);
    style->setParent(box);
    box->setMaxLength(spec.limit);
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
    qFatal("the timer %.*s is no widget", static_cast<int>(spec.name.size()), spec.name.data());
}

void addTimer(const ui::ControlSpec& spec, QWidget& form) {
    auto* timer = new QTimer(&form);
    timer->setObjectName(uiText(spec.name));
    timer->setInterval(spec.limit);
    timer->start();
}

QWidget* addWidget(const ui::ControlSpec& spec, QWidget& form) {
    QWidget* widget = widgetFor(spec, form);
    widget->setObjectName(uiText(spec.name));
    if (spec.textColour) {
        setDesignColour(*widget, *spec.textColour);
    }
    if (!spec.font.family.empty()) {
        widget->setFont(tableFont(spec.font));
    }
    const QRect place(pixels(spec.left), pixels(spec.top), pixels(spec.width), pixels(spec.height));
    if (auto* label = qobject_cast<TableLabel*>(widget)) {
        label->place(place);
    } else {
        widget->setGeometry(place);
    }
    widget->setToolTip(uiText(spec.tooltip));
    if (!spec.accessibleName.empty()) {
        widget->setAccessibleName(uiText(spec.accessibleName));
    }
    widget->setAccessibleDescription(uiText(spec.description));
    widget->setEnabled((spec.flags & ui::kDisabled) == 0);
    widget->setVisible((spec.flags & ui::kHidden) == 0);
    return widget;
}

}  // namespace

void buildControls(QWidget& form) {
    const auto table = ui::controls();
    std::map<int, QWidget*> byTabIndex;
    std::for_each(table.rbegin(), table.rend(), [&](const ui::ControlSpec& spec) {
        if (spec.kind == ui::Kind::Timer) {
            addTimer(spec, form);
            return;
        }
        QWidget* widget = addWidget(spec, form);
        if (spec.kind == ui::Kind::Button || spec.kind == ui::Kind::TextBox) {
            byTabIndex[spec.tabIndex] = widget;
        }
    });
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : byTabIndex) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

}  // namespace vorlane

// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_controls.h"

#include <QLineEdit>
#include <QTimer>

#include "picture_button.h"
#include "table_label.h"

namespace vorlane {

namespace {

template <typename T>
T* named(QWidget& form, const char* name) {
    auto* found = form.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (found == nullptr) {
        qFatal("the form has no control %s", name);
    }
    return found;
}

}  // namespace

Controls findControls(QWidget& form) {
    Controls c;
    c.Timer1 = named<QTimer>(form, "Timer1");
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
    return c;
}

}  // namespace vorlane

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design_conversions.h"
#include "form_design.h"

#include "evaluation/evaluation.h"

#include <QRect>
#include <QWidget>

#include <span>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

// Turns the design table into live widgets. Every control gets its design name as
// its objectName, so that a person's tools, and the tests, see it by that name.
namespace zorvel {

// The controls the window works with, typed, as the builder made them.
struct FormControls {
    QLineEdit* peso;
    QLineEdit* altezza;
    QPushButton* command1;
    QLabel* label3; // the index
    QLabel* minP;
    QLabel* maxP;
    QLabel* dp;
    QLabel* sp;
    QLabel* poi;
    QLabel* adesso;
    QLabel* segue;
    QLabel* tipoT;
    QLabel* image1;
    QWidget* line1; // the marker

    QLineEdit& box(Box which) const { return *(which == Box::weight ? peso : altezza); }
};

// Creates the controls of `design` inside `form` (or inside their frame), sized in
// logical pixels, stacked as the table orders them, with the tab order of their tab
// indices and the captions of the text boxes as their buddies. A design that lacks
// one of the controls the window works with, or a container, ends the program as it
// starts, in every build, naming the control.
FormControls buildForm(QWidget& form, std::span<const ControlDesign> design);

// Ends the program, naming the control of the design that the form lacks.
[[noreturn]] void missingControl(const char* typeName, std::string_view name);

// The control of a built form with this design name, of the type its use needs; a
// form without it ends the program as it starts, naming the control.
template <typename Widget>
Widget& builtControl(const QWidget& form, std::string_view name) {
    auto* widget = form.findChild<Widget*>(toQString(name));
    if (!widget) {
        missingControl(Widget::staticMetaObject.className(), name);
    }
    return *widget;
}

// The control's box in logical pixels, relative to its container.
QRect pixelRect(const ControlDesign& control);

} // namespace zorvel

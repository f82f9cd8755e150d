// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_design.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
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
    auto* widget = form.findChild<Widget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!widget) {
        missingControl(Widget::staticMetaObject.className(), name);
    }
    return *widget;
}

// The control's box in logical pixels, relative to its container.
QRect pixelRect(const ControlDesign& control);

// Twips to logical pixels, to the nearest pixel.
int twipsToPixels(int twips);

// 0x00BBGGRR to a colour.
QColor toQColor(Colour colour);

// The window's palette: its system colours, whatever the desktop's theme.
QPalette designPalette(std::span<const SystemColourDesign> colours);

// A UTF-8 text of the design or the evaluation for a widget.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The designed face where it is installed, otherwise the fallback, at the designed
// size and weight.
QFont designFont(FontDesign font);

} // namespace zorvel

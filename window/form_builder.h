// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_design.h"

#include "evaluation/evaluation.h"

#include <QRect>

#include <span>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

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
// indices and the captions of the text boxes as their buddies, and hands back those
// the window works with. A design that lacks one of them, or a container, ends the
// program as it starts, in every build, naming the control.
FormControls buildForm(QWidget& form, std::span<const ControlDesign> design);

// The control's box in logical pixels, relative to its container.
QRect pixelRect(const ControlDesign& control);

} // namespace zorvel

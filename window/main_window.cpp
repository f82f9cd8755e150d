// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "design_conversions.h"
#include "form_builder.h"
#include "form_design.h"
#include "hover_hints.h"
#include "pasted_text.h"
#include "window_look.h"
#include "window_policy.h"

#include "assets/application_icon.h"
#include "evaluation/evaluation.h"

#include <QLineEdit>
#include <QPushButton>

namespace zorvel {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), policy_(new WindowPolicy(*this)),
      failureMessage_(new FailureMessageBox(*this, [this] { returnToBoxToCorrect(); })) {
    useDesignedLook(*this);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(form1Design.title));
    setWindowIcon(applicationIcon());
    setFont(designFont(form1Design.font));
    setFixedSize(twipsToPixels(form1Design.clientWidth), twipsToPixels(form1Design.clientHeight));

    controls_ = buildForm(*this, form1Controls());
    display_.emplace(*this, controls_);
    hints_ = new ClassHints(controls_);
    connect(controls_.command1, &QPushButton::clicked, this, &MainWindow::calcola);
    trimPastedText(*controls_.peso);
    trimPastedText(*controls_.altezza);
    // The window stays on top so that it can be read while the user works in another
    // one: its hints must come up then too.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    controls_.peso->setFocus();
    keepWindowLook(*this);
}

void MainWindow::calcola() {
    const Press press =
        runCalculation(controls_.peso->text().toStdString(), controls_.altezza->text().toStdString(), *display_);
    if (press.categoria) {
        hints_->setCategoria(press.categoria);
    }
    if (press.failure) {
        reportFailure(*press.failure);
    }
}

void MainWindow::reportFailure(Failure failure) {
    const std::optional<Box> box = boxToCorrect(failure);
    boxToCorrect_ = box ? &controls_.box(*box) : nullptr;
    failureMessage_->show(failure);
}

// Back to the window, with what needs correcting selected so that typing replaces it.
void MainWindow::returnToBoxToCorrect() {
    policy_->takeKeyboardBack();
    if (boxToCorrect_) {
        boxToCorrect_->setFocus(Qt::OtherFocusReason);
        // All of it, from the end back to the beginning, which the box then shows.
        // The box holds at most its maxLength, an int.
        const auto length = static_cast<int>(boxToCorrect_->text().size());
        boxToCorrect_->setSelection(length, -length);
    }
}

} // namespace zorvel

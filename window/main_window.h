// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "failure_messages.h"
#include "form_display.h"

#include "evaluation/failure.h"

#include <QWidget>

#include <optional>

class QLineEdit;

namespace zorvel {

class ClassHints;
class WindowPolicy;

// Form1: the one window. A press on "Calcola" runs the calculation over the window's
// controls, which show each result as soon as it is known.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

private:
    // The "Calcola" command. A failure is shown to the user in a message and leaves
    // the earlier writes in place.
    void calcola();
    void reportFailure(Failure failure);
    void returnToBoxToCorrect();

    WindowPolicy* policy_;
    // Held here alone; the display and the hints work on them too.
    FormControls controls_{};
    std::optional<FormDisplay> display_;
    ClassHints* hints_ = nullptr;
    FailureMessageBox* failureMessage_;
    QLineEdit* boxToCorrect_ = nullptr;
};

} // namespace zorvel

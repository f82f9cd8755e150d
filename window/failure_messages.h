// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/evaluation.h"
#include "evaluation/failure.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMessageBox;
class QWidget;

namespace zorvel {

// One Italian sentence that names the box at fault and says what to type there.
QString failureMessage(Failure failure);

// The box whose text puts the failure right, for the keyboard to go back to; none
// where only pressing Calcola again helps.
std::optional<Box> boxToCorrect(Failure failure);

// The one message box of `window` for every failure, made at the first one, not at
// start-up, which it would slow by milliseconds, and shown again each time: a new box
// per failure costs memory that Qt never gives back. It is shown without waiting for
// it to close, so that the click that failed returns at once, and calls `closed` as
// it closes.
class FailureMessageBox : public QObject {
public:
    FailureMessageBox(QWidget& window, std::function<void()> closed);

    void show(Failure failure);

private:
    void forgetFocusChanges();

    QWidget& window_;
    std::function<void()> closed_;
    QMessageBox* box_ = nullptr;
};

} // namespace zorvel

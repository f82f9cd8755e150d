// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failure_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QWindow>

#include <algorithm>
#include <array>
#include <utility>

namespace zorvel {
namespace {

struct FailureText {
    Input input;
    Problem problem;
    std::optional<Box> boxToCorrect;
    const char* text; // UTF-8
};

constexpr auto weight = Box::weight;
constexpr auto height = Box::height;

// Too large a height cannot be typed into a 16-bit integer; too large an index comes
// from a height far too small for the weight. The bounds under the colour bar are
// always written by the press that places the marker by them, and every index has a
// class: should either ever fail, the press can only be repeated, from the weight.
constexpr std::array<FailureText, 12> failureTexts{{
    {Input::weight, Problem::notANumber, weight,
     "Il peso deve essere un numero di chilogrammi, per esempio 70 o 70,5."},
    {Input::weight, Problem::notPositive, weight, "Il peso deve essere maggiore di zero, per esempio 70 o 70,5."},
    {Input::weight, Problem::tooLarge, weight, "Il peso è troppo grande: scrivi i chilogrammi, per esempio 70 o 70,5."},
    {Input::height, Problem::notANumber, height,
     "L'altezza deve essere un numero, per esempio 175 (centimetri) o 1,75 (metri)."},
    {Input::height, Problem::outOfRange, height,
     "L'altezza è troppo grande: scrivi i centimetri, per esempio 175, o i metri, per esempio 1,75."},
    {Input::height, Problem::notPositive, height,
     "L'altezza deve essere maggiore di zero, per esempio 175 (centimetri) o 1,75 (metri)."},
    {Input::height, Problem::tooLarge, height,
     "L'altezza è troppo piccola per questo peso: scrivi i centimetri, per esempio 175, o i metri, per esempio 1,75."},
    {Input::leftBound, Problem::notANumber, weight,
     "Il limite sinistro della scala non è un numero: scrivi il peso e l'altezza e premi di nuovo Calcola."},
    {Input::rightBound, Problem::notANumber, weight,
     "Il limite destro della scala non è un numero: scrivi il peso e l'altezza e premi di nuovo Calcola."},
    {Input::rightBound, Problem::outOfRange, weight,
     "Il limite destro della scala è uguale al sinistro o troppo lontano: scrivi il peso e l'altezza e premi di "
     "nuovo Calcola."},
    {Input::classPicture, Problem::missing, {}, "La figura della classe non si può caricare: premi di nuovo Calcola."},
    {Input::weightClass, Problem::missing, weight,
     "La classe di questo indice manca nella tabella: scrivi il peso e l'altezza e premi di nuovo Calcola."},
}};

// For a failure the table does not know.
constexpr FailureText unknownFailure{{}, {}, weight, "Il calcolo non è riuscito: premi di nuovo Calcola."};

const FailureText& rowOf(Failure failure) {
    const auto found = std::ranges::find_if(failureTexts, [failure](const FailureText& entry) {
        return entry.input == failure.input && entry.problem == failure.problem;
    });
    return found != failureTexts.end() ? *found : unknownFailure;
}

} // namespace

QString failureMessage(Failure failure) { return QString::fromUtf8(rowOf(failure).text); }

std::optional<Box> boxToCorrect(Failure failure) { return rowOf(failure).boxToCorrect; }

FailureMessageBox::FailureMessageBox(QWidget& window, std::function<void()> closed)
    : QObject(&window), window_(window), closed_(std::move(closed)) {}

void FailureMessageBox::show(Failure failure) {
    if (!box_) {
        box_ = new QMessageBox(QMessageBox::Warning, window_.windowTitle(), QString(), QMessageBox::Ok, &window_);
        box_->setObjectName(QStringLiteral("failureMessage"));
        box_->setWindowModality(Qt::ApplicationModal);
        connect(box_, &QDialog::finished, this, [this] {
            forgetFocusChanges();
            closed_();
        });
    }
    box_->setText(failureMessage(failure));
    box_->show();
}

// Closing the box tears down its native window, and Qt then forgets that it was the
// focused window without undoing the link it made, on activating it, from the window's
// focus changes to the application. Each showing adds a link, so the box reused for
// every failure would gather one per failure, about 100 bytes each, never freed. The
// box is closing: its focus changes concern no one now.
// Seen with Qt 6.4; it can go when `soak_benchmark 20000 bad` stays flat without it.
void FailureMessageBox::forgetFocusChanges() {
    if (QWindow* boxWindow = box_->windowHandle()) {
        disconnect(boxWindow, &QWindow::focusObjectChanged, qApp, nullptr);
    }
}

} // namespace zorvel

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_display.h"

#include "evaluation/failure.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;

namespace zorvel {

// Form1: the one window. A press on "Calcola" runs the calculation over the window's
// controls, which show each result as soon as it is known.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The "Calcola" command. A failure is shown to the user in a modal message and
    // leaves the earlier writes in place.
    void calcola();
    int categoria() const { return display_->categoria(); }
    void updateToolTip(QWidget& box);
    void reportFailure(Failure failure);
    void showFailureMessage(const QString& message, QLineEdit* boxToCorrect);
    void returnToBoxToCorrect();
    void centreOnScreen(QMargins frame);
    void centreInAnnouncedFrame();

    QLineEdit* peso_;
    QLineEdit* altezza_;
    QPushButton* command1_;
    QLabel* poi_;
    QLabel* adesso_;
    QLabel* segue_;
    QLabel* tipoT_;
    std::optional<FormDisplay> display_;
    // One box for every failure, shown again each time: a new box per failure
    // costs memory that Qt never gives back.
    QMessageBox* failureMessage_ = nullptr;
    QLineEdit* boxToCorrect_ = nullptr;
    bool centredInFrame_ = false;
};

} // namespace zorvel

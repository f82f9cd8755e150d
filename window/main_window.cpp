// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "failure_messages.h"
#include "form_builder.h"
#include "form_design.h"
#include "pasted_text.h"
#include "platform.h"
#include "result_colours.h"
#include "tool_tip_look.h"

#include "assets/application_icon.h"
#include "evaluation/evaluation.h"
#include "evaluation/weight_classes.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

namespace zorvel {
namespace {

// A frame the window manager announces is used only when it could be one: a frame
// with a negative side, or one larger than the screen, is a transient reading.
// Part of the frame centring below, and goes with it.
bool isPlausibleFrame(QMargins frame, QSize client, QSize screen) {
    return frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
           client.width() + frame.left() + frame.right() <= screen.width() &&
           client.height() + frame.top() + frame.bottom() <= screen.height();
}

constexpr Qt::WindowFlags fixedDialogFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                             Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint;

// The states the window never keeps: it undoes them as soon as a window manager puts
// it in one.
constexpr Qt::WindowStates refusedStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, fixedDialogFrame) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(form1Design.title));
    setWindowIcon(applicationIcon());
    setFont(designFont(form1Design.font));
    setPalette(designPalette(form1SystemColours()));
    setFixedSize(twipsToPixels(form1Design.clientWidth), twipsToPixels(form1Design.clientHeight));

    const FormControls controls = buildForm(*this, form1Controls());
    peso_ = controls.peso;
    altezza_ = controls.altezza;
    command1_ = controls.command1;
    poi_ = controls.poi;
    adesso_ = controls.adesso;
    segue_ = controls.segue;
    tipoT_ = controls.tipoT;
    display_.emplace(*this, controls);
    keepResultColours(*this);

    connect(command1_, &QPushButton::clicked, this, &MainWindow::calcola);
    trimPastedText(*peso_);
    trimPastedText(*altezza_);
    for (QLabel* box : {poi_, adesso_, segue_}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }
    // The window stays on top so that it can be read while the user works in another
    // one: its hints must come up then too.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    showToolTipsInLook(*this, palette(), font());
    peso_->setFocus();
    watchAnnouncedFrame(*this, [this] { centreInAnnouncedFrame(); });
}

void MainWindow::calcola() {
    if (const auto failure = runCalculation(peso_->text().toStdString(), altezza_->text().toStdString(), *display_)) {
        reportFailure(*failure);
    }
}

// Shown without waiting for it to close, so that the click that failed returns at
// once. A failure of the scale's bounds is mended by calculating again from the weight.
void MainWindow::reportFailure(Failure failure) {
    switch (failure.input) {
    case Input::height:
        boxToCorrect_ = altezza_;
        break;
    case Input::classPicture:
        boxToCorrect_ = nullptr;
        break;
    default:
        boxToCorrect_ = peso_;
    }
    // Made at the first failure, not at start-up, which it would slow by milliseconds.
    if (!failureMessage_) {
        failureMessage_ = new QMessageBox(QMessageBox::Warning, windowTitle(), QString(), QMessageBox::Ok, this);
        failureMessage_->setObjectName(QStringLiteral("failureMessage"));
        failureMessage_->setWindowModality(Qt::ApplicationModal);
        connect(failureMessage_, &QDialog::finished, this, &MainWindow::returnToBoxToCorrect);
    }
    failureMessage_->setText(failureMessage(failure));
    failureMessage_->show();
}

// Back to the window, with what needs correcting selected so that typing replaces it.
// Some window managers give the keyboard back to no window, or to another program's,
// when the message closes, so the window asks for it.
void MainWindow::returnToBoxToCorrect() {
    // Closing the message tears down its native window, and Qt then forgets that it
    // was the focused window without undoing the link it made, on activating it, from
    // the window's focus changes to the application. Each showing adds a link, so the
    // box reused for every failure would gather one per failure, about 100 bytes each,
    // never freed. The message is closing: its focus changes concern no one now.
    // Seen with Qt 6.4; it can go when `soak_benchmark 20000 bad` stays flat without it.
    if (QWindow* messageWindow = failureMessage_->windowHandle()) {
        disconnect(messageWindow, &QWindow::focusObjectChanged, qApp, nullptr);
    }
    askToBeActive(*this);
    if (boxToCorrect_) {
        boxToCorrect_->setFocus(Qt::OtherFocusReason);
        // All of it, from the end back to the beginning, which the box then shows.
        boxToCorrect_->setSelection(boxToCorrect_->text().size(), -boxToCorrect_->text().size());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        updateToolTip(*static_cast<QWidget*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

// poi and segue name the neighbours of the current class, adesso the class itself;
// before any class is selected poi and segue keep the tips they have.
void MainWindow::updateToolTip(QWidget& box) {
    if (&box == adesso_) {
        box.setToolTip(tipoT_->text());
        return;
    }
    if (categoria() <= 0) {
        return;
    }
    const int neighbour = &box == poi_ ? categoria() - 1 : categoria() + 1;
    if (const auto name = nameOf(neighbour)) {
        box.setToolTip(toQString(*name));
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        keepOnTopWithoutTaskbarButton(*this);
        // By the client area until the window manager announces its frame.
        centredInFrame_ = false;
        centreOnScreen(QMargins());
        centreInAnnouncedFrame();
    }
    QWidget::showEvent(event);
}

// Minimised, the window would have no task-bar button to come back from. Window
// managers (openbox, KWin) still minimise it when asked by a key, a menu or another
// program, although it offers no button for it; needed while it skips the task bar.
// Maximised or full screen, as another program can ask, its fixed form would sit in a
// corner of a window as large as the screen.
void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::StyleChange) {
        keepResultColours(*this);
    }
    if (event->type() == QEvent::WindowStateChange && (windowState() & refusedStates)) {
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~refusedStates); });
    }
    QWidget::changeEvent(event);
}

// Return presses the focused button, as Space does; in a text box it does nothing.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && focusWidget() == command1_ && !event->isAutoRepeat()) {
        command1_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The frame is unknown until the window manager has taken the window in. Centre the
// framed window once, from the first real frame it announces: later changes of the
// frame must not pull back a window the user has moved, and a frame without sides
// needs no correction. X11 window managers that frame a window after it maps need it
// (openbox, KWin); it can go when the desktop test of centred starts passes without it.
void MainWindow::centreInAnnouncedFrame() {
    if (centredInFrame_ || !isVisible()) {
        return;
    }
    const std::optional<QMargins> frame = announcedFrame(*this);
    if (!frame || frame->isNull() || !isPlausibleFrame(*frame, size(), screen()->availableGeometry().size())) {
        return;
    }
    centreOnScreen(*frame);
    centredInFrame_ = true;
}

void MainWindow::centreOnScreen(QMargins frame) {
    QRect framed = rect().marginsAdded(frame);
    framed.moveCenter(screen()->availableGeometry().center());
    // Place the client area, not the frame: move() would add the frame size Qt has
    // stored, which can be a transient reading.
    setGeometry(QRect(framed.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

} // namespace zorvel

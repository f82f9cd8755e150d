// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_policy.h"

#include "platform.h"

#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace zorvel {
namespace {

// A frame the window manager announces is used only when it could be one: a frame
// with a negative side, or one larger than the screen, is a transient reading.
bool isPlausibleFrame(QMargins frame, QSize client, QSize screen) {
    return frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
           client.width() + frame.left() + frame.right() <= screen.width() &&
           client.height() + frame.top() + frame.bottom() <= screen.height();
}

constexpr Qt::WindowFlags fixedDialogFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                             Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint;

// Minimised, the window would have no task-bar button to come back from. Window
// managers (openbox, KWin) still minimise it when asked by a key, a menu or another
// program, although it offers no button for it; needed while it skips the task bar.
// Maximised or full screen, as another program can ask, its fixed form would sit in a
// corner of a window as large as the screen.
constexpr Qt::WindowStates refusedStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

WindowPolicy::WindowPolicy(QWidget& window) : QObject(&window), window_(window) {
    window.setWindowFlags(fixedDialogFrame);
    window.installEventFilter(this);
    watchAnnouncedFrame(window, [this] { centreInAnnouncedFrame(); });
}

// Before the window's own handling of the event: the states must be on the window
// before it is mapped.
bool WindowPolicy::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        keepOnTopWithoutTaskbarButton(window_);
        // By the client area until the window manager announces its frame.
        centredInFrame_ = false;
        centreOnScreen(QMargins());
        centreInAnnouncedFrame();
    }
    if (event->type() == QEvent::WindowStateChange && (window_.windowState() & refusedStates)) {
        QTimer::singleShot(0, this, [this] { window_.setWindowState(window_.windowState() & ~refusedStates); });
    }
    return false;
}

void WindowPolicy::takeKeyboardBack() { askToBeActive(window_); }

// The frame is unknown until the window manager has taken the window in. Centre the
// framed window once, from the first real frame it announces: later changes of the
// frame must not pull back a window the user has moved, and a frame without sides
// needs no correction. X11 window managers that frame a window after it maps need it
// (openbox, KWin); it can go when the desktop test of centred starts passes without it.
void WindowPolicy::centreInAnnouncedFrame() {
    if (centredInFrame_ || !window_.isVisible()) {
        return;
    }
    const std::optional<QMargins> frame = announcedFrame(window_);
    if (!frame || frame->isNull() ||
        !isPlausibleFrame(*frame, window_.size(), window_.screen()->availableGeometry().size())) {
        return;
    }
    centreOnScreen(*frame);
    centredInFrame_ = true;
}

void WindowPolicy::centreOnScreen(QMargins frame) {
    QRect framed = window_.rect().marginsAdded(frame);
    framed.moveCenter(window_.screen()->availableGeometry().center());
    // Place the client area, not the frame: move() would add the frame size Qt has
    // stored, which can be a transient reading.
    window_.setGeometry(QRect(framed.topLeft() + QPoint(frame.left(), frame.top()), window_.size()));
}

} // namespace zorvel

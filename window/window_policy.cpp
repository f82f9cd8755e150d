// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_policy.h"

#include "platform.h"

#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <optional>
#include <utility>

namespace zorvel {
namespace {

// A frame the window manager announces is used only when it could be one and has
// sides: a frame with a negative side, or one larger than the screen, is a transient
// reading, and one without sides (full screen) needs no correction.
bool isUsableFrame(QMargins frame, const QWidget& window) {
    const QSize client = window.size();
    const QSize screen = window.screen()->availableGeometry().size();
    return !frame.isNull() && frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
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
    refuseBeforeChange(window, [this](QRect clientArea) { return refuses(clientArea); });
}

// Where the window system asks beforehand: any size but the window's own, and the
// client area in the screen's corner with the frame beyond it, which is how a full
// screen comes where the window system tells no state.
bool WindowPolicy::refuses(QRect clientArea) const {
    const std::optional<QMargins> frame = announcedFrame(window_);
    const bool fullScreen = frame && (frame->left() > 0 || frame->top() > 0) &&
                            clientArea.topLeft() == window_.screen()->geometry().topLeft();
    return clientArea.size() != window_.minimumSize() || fullScreen;
}

// Before the window's own handling of the event: the states must be on the window
// before it is mapped.
bool WindowPolicy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.windowHandle() && event->type() == QEvent::Expose) {
        centreInAnnouncedFrame();
    }
    if (watched != &window_) {
        return false;
    }
    if (event->type() == QEvent::Move) {
        centreInAnnouncedFrame();
    }
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        keepOnTopWithoutTaskbarButton(window_);
        window_.windowHandle()->installEventFilter(this);
        // Placed by its frame before it is mapped where the frame can be known then;
        // elsewhere by the client area, with the frame centred by the window manager.
        centredBy_.reset();
        const std::optional<QMargins> frame = announcedFrame(window_);
        if (frame && isUsableFrame(*frame, window_)) {
            centreOnScreen(*frame);
        } else {
            centreOnScreen(QMargins());
            letWindowManagerGo_ = centreFrameAtMapping(window_);
        }
    }
    // Sent as show() ends, once Qt has mapped the window.
    if (event->type() == QEvent::ShowToParent && letWindowManagerGo_) {
        std::exchange(letWindowManagerGo_, nullptr)();
    }
    if (event->type() == QEvent::WindowStateChange && (window_.windowState() & refusedStates)) {
        QTimer::singleShot(0, this, [this] { window_.setWindowState(window_.windowState() & ~refusedStates); });
    }
    // Window managers that let another program resize a window (fluxbox, IceWM) do so
    // whatever its size hints say; its fixed form would sit in a corner. Checked again
    // once the events at hand are handled: a window manager that makes the window full
    // screen may resize it before it tells the state, and undoing the state brings the
    // size back anyway.
    const auto resizedFromOutside = [this] {
        return !(window_.windowState() & refusedStates) && window_.minimumSize() == window_.maximumSize() &&
               window_.size() != window_.minimumSize();
    };
    if (event->type() == QEvent::Resize && resizedFromOutside()) {
        QTimer::singleShot(0, this, [this, resizedFromOutside] {
            if (resizedFromOutside()) {
                resizeInPlace(window_, window_.minimumSize());
            }
        });
    }
    return false;
}

void WindowPolicy::takeKeyboardBack() { askToBeActive(window_); }

// The frame the window manager announces once it has taken the window in. Where it
// differs from the one the window was centred by (one told before mapping, or none),
// the window is centred by it, unless someone has moved the window since: a window the
// user has moved stays where it was put. A window manager that centres the frame
// itself rounds its centre either way, so a window within a pixel of its place stays.
void WindowPolicy::centreInAnnouncedFrame() {
    if (!window_.windowHandle() || !window_.windowHandle()->isExposed()) {
        return;
    }
    const std::optional<QMargins> frame = announcedFrame(window_);
    if (!frame || !isUsableFrame(*frame, window_) || frame == centredBy_ ||
        (centredBy_ && window_.geometry() != placed_)) {
        return;
    }
    const QPoint shift =
        clientPositionCentredIn(*frame) - clientAreaOnScreen(window_).value_or(window_.geometry().topLeft());
    if (std::abs(shift.x()) > 1 || std::abs(shift.y()) > 1) {
        centreOnScreen(*frame);
    }
    centredBy_ = frame;
    placed_ = window_.geometry();
}

void WindowPolicy::centreOnScreen(QMargins frame) {
    // Place the client area, not the frame: move() would add the frame size Qt has
    // stored, which can be a transient reading.
    window_.setGeometry(QRect(clientPositionCentredIn(frame), window_.size()));
    if (!frame.isNull()) {
        centredBy_ = frame;
    }
    placed_ = window_.geometry();
}

QPoint WindowPolicy::clientPositionCentredIn(QMargins frame) const {
    QRect framed = window_.rect().marginsAdded(frame);
    framed.moveCenter(window_.screen()->availableGeometry().center());
    return framed.topLeft() + QPoint(frame.left(), frame.top());
}

} // namespace zorvel

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window-system glue of the Windows build (platform_x11.cpp is that of X11 and
// Wayland, platform_plain.cpp that of a Qt without X11).
#include "platform.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <windows.h>

namespace zorvel {
namespace {

bool onWindowsPlatform() { return QGuiApplication::platformName() == QLatin1String("windows"); }

// Windows gives a top-level window a task-bar button unless another window owns it,
// and decides when the window first appears. This hidden window owns Form1: as its
// transient parent, Qt hands it to Windows as the owner every time it shows the
// window, before the window appears (Qt would undo an owner set behind its back).
// The window keeps its caption, icon and dialog frame; a tool window's style would
// lose them. Qt counts a window with a transient parent as a secondary one, whose
// closing ends no program, so Form1 leaves its owner as it closes.
class TaskbarOwner : public QWindow {
public:
    static QString name() { return QStringLiteral("zorvelTaskbarOwner"); }

    explicit TaskbarOwner(QWidget& window) {
        setObjectName(name());
        QObject::setParent(&window);
        create();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            static_cast<QWindow*>(watched)->setTransientParent(nullptr);
        }
        return QWindow::eventFilter(watched, event);
    }
};

} // namespace

void preferX11(int, char*[]) {
    // Windows has one platform. Wine, and an X server run for WSL or Cygwin, set
    // DISPLAY: it is not for this program.
}

void keepOnTopWithoutTaskbarButton(QWidget& window) {
    // On the offscreen platform of the tests there is no Windows window to tell.
    if (!onWindowsPlatform()) {
        return;
    }
    const auto nativeWindow = reinterpret_cast<HWND>(window.winId());
    QWindow* handle = window.windowHandle();
    auto* owner = window.findChild<QWindow*>(TaskbarOwner::name(), Qt::FindDirectChildrenOnly);
    if (!owner) {
        owner = new TaskbarOwner(window);
        handle->installEventFilter(owner);
    }
    handle->setTransientParent(owner);
    // HWND_TOPMOST without moving or resizing, as the window loads.
    SetWindowPos(nativeWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void askToBeActive(QWidget& window) { window.activateWindow(); }

std::optional<QMargins> announcedFrame(const QWidget& window) {
    // The system works the frame out from the window's styles, before it is shown too.
    if (const QWindow* handle = window.windowHandle()) {
        return handle->frameMargins();
    }
    return std::nullopt;
}

void watchAnnouncedFrame(QWidget&, std::function<void()>) {
    // The frame is known before the window shows and does not change after.
}

} // namespace zorvel

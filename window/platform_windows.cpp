// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window-system glue of the Windows build (platform_x11.cpp is that of X11 and
// Wayland, platform_plain.cpp that of a Qt without X11).
#include "platform.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <windows.h>

#include <dwmapi.h>

namespace zorvel {
namespace {

bool onWindowsPlatform() { return QGuiApplication::platformName() == QLatin1String("windows"); }

// Wine's X11 driver (Wine 8) leaves the window to the X window manager, which minimises
// and resizes windows without asking Windows, and tells the program of it only in part.
bool underWine() {
    static const bool wine = [] {
        const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version");
    }();
    return wine;
}

HWND nativeWindow(const QWidget& window) { return reinterpret_cast<HWND>(window.internalWinId()); }

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

// Under Wine, what the X window manager does to the window reaches Windows while Wine
// handles the X event, and Wine passes back to X nothing that Windows makes of it. A
// full screen (wmctrl -b add,fullscreen) comes as a move that puts the client area in
// the screen's corner and its frame beyond it; a new size from a window manager that
// ignores the fixed size as a resize. The window refuses both where it stands and
// then, outside the X event, tells Wine its own place again, which sends X the size,
// the position and the states (full screen dropped, above kept) that Windows holds.
class FixedPlaceKeeper : public QObject, public QAbstractNativeEventFilter {
public:
    explicit FixedPlaceKeeper(QWidget& window) : QObject(&window), window_(window) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~FixedPlaceKeeper() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* windowsMessage = static_cast<const MSG*>(message);
        if (eventType != "windows_generic_MSG" || windowsMessage->message != WM_WINDOWPOSCHANGING ||
            windowsMessage->hwnd != nativeWindow(window_)) {
            return false;
        }
        auto* change = reinterpret_cast<WINDOWPOS*>(windowsMessage->lParam);
        if (isRefused(windowsMessage->hwnd, *change)) {
            change->flags |= SWP_NOSIZE | SWP_NOMOVE;
            QTimer::singleShot(0, this, [this] {
                SetWindowPos(nativeWindow(window_), HWND_TOPMOST, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            });
        }
        return false;
    }

private:
    static bool isRefused(HWND handle, const WINDOWPOS& change) {
        // Windows' own minimise and restore, which the window undoes as Qt tells it.
        constexpr UINT stateChange = 0x8000; // SWP_STATECHANGED
        RECT now{};
        POINT clientOrigin{0, 0};
        if ((change.flags & stateChange) || !GetWindowRect(handle, &now) || !ClientToScreen(handle, &clientOrigin)) {
            return false;
        }
        const bool resized =
            !(change.flags & SWP_NOSIZE) && (change.cx != now.right - now.left || change.cy != now.bottom - now.top);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        const POINT frameOffset{clientOrigin.x - now.left, clientOrigin.y - now.top};
        const bool intoCorner = !(change.flags & SWP_NOMOVE) && (frameOffset.x > 0 || frameOffset.y > 0) &&
                                GetMonitorInfoW(MonitorFromWindow(handle, MONITOR_DEFAULTTONEAREST), &monitor) &&
                                change.x + frameOffset.x == monitor.rcMonitor.left &&
                                change.y + frameOffset.y == monitor.rcMonitor.top;
        return resized || intoCorner;
    }

    QWidget& window_;
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
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    QWindow* qtWindow = window.windowHandle();
    auto* owner = window.findChild<QWindow*>(TaskbarOwner::name(), Qt::FindDirectChildrenOnly);
    if (!owner) {
        owner = new TaskbarOwner(window);
        qtWindow->installEventFilter(owner);
        if (underWine()) {
            new FixedPlaceKeeper(window);
        }
    }
    qtWindow->setTransientParent(owner);
    if (underWine()) {
        // Wine tells Windows of a minimise by the X window manager only for a window
        // that can be minimised; openbox and KWin minimise any window when asked. The
        // window then undoes it, as it undoes every minimise. Wine draws no button of
        // its own: the window manager's frame is the one shown.
        SetWindowLongPtrW(handle, GWL_STYLE, GetWindowLongPtrW(handle, GWL_STYLE) | WS_MINIMIZEBOX);
    }
    // HWND_TOPMOST without moving or resizing, as the window loads.
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void askToBeActive(QWidget& window) {
    window.activateWindow();
    if (!onWindowsPlatform() || !underWine()) {
        return;
    }
    // Under Wine (8) only the X window manager gives a window the keyboard: Windows'
    // activation does not reach X. As a message closes, openbox hands the keyboard to
    // the window that had it last, another program's when the user went there while
    // the message was open, though Windows activates the window. A window mapped anew
    // gets the keyboard: the window is unmapped and mapped again where it stands.
    const HWND handle = nativeWindow(window);
    SetWindowPos(handle, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
}

std::optional<QMargins> announcedFrame(const QWidget& window) {
    // The frame Windows works out from the window's styles and DPI, known before the
    // window is shown too. Qt's frameMargins() takes off borders that Windows 10 keeps
    // invisible, by its system metrics, where there are none (Wine): a frame with
    // negative sides. The invisible borders are those DWM tells, where it tells any.
    const HWND handle = nativeWindow(window);
    RECT outer{};
    RECT client{};
    POINT clientOrigin{0, 0};
    if (!onWindowsPlatform() || !handle || !GetWindowRect(handle, &outer) || !GetClientRect(handle, &client) ||
        !ClientToScreen(handle, &clientOrigin)) {
        return std::nullopt;
    }
    RECT visible{};
    if (SUCCEEDED(DwmGetWindowAttribute(handle, DWMWA_EXTENDED_FRAME_BOUNDS, &visible, sizeof visible)) &&
        visible.left >= outer.left && visible.top >= outer.top && visible.right <= outer.right &&
        visible.bottom <= outer.bottom && visible.left <= clientOrigin.x && visible.top <= clientOrigin.y &&
        visible.right >= clientOrigin.x + client.right && visible.bottom >= clientOrigin.y + client.bottom) {
        outer = visible;
    }
    const QMargins frame(clientOrigin.x - outer.left, clientOrigin.y - outer.top,
                         outer.right - (clientOrigin.x + client.right),
                         outer.bottom - (clientOrigin.y + client.bottom));
    // Windows counts the screen's pixels, the window Qt's logical ones.
    return frame / window.devicePixelRatioF();
}

void watchAnnouncedFrame(QWidget&, std::function<void()>) {
    // The frame is known before the window shows and does not change after.
}

} // namespace zorvel

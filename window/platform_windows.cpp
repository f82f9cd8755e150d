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

#include <optional>
#include <utility>

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
// ignores the fixed size as a resize. What the window refuses it refuses where it
// stands and then, outside the X event, tells Wine its own place again, which sends X
// the size, the position and the states (full screen dropped, above kept) that
// Windows holds.
class BeforeChangeRefuser : public QObject, public QAbstractNativeEventFilter {
public:
    BeforeChangeRefuser(QWidget& window, std::function<bool(QRect)> refused)
        : QObject(&window), window_(window), refused_(std::move(refused)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~BeforeChangeRefuser() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* windowsMessage = static_cast<const MSG*>(message);
        if (eventType != "windows_generic_MSG" || windowsMessage->message != WM_WINDOWPOSCHANGING ||
            windowsMessage->hwnd != nativeWindow(window_)) {
            return false;
        }
        auto* change = reinterpret_cast<WINDOWPOS*>(windowsMessage->lParam);
        const std::optional<QRect> clientArea = proposedClientArea(*change);
        if (clientArea && refused_(*clientArea)) {
            change->flags |= SWP_NOSIZE | SWP_NOMOVE;
            QTimer::singleShot(0, this, [this] {
                SetWindowPos(nativeWindow(window_), HWND_TOPMOST, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            });
        }
        return false;
    }

private:
    // The client area the change would give the window, in Qt's logical pixels; nothing
    // for a change of the stacking alone, and for Windows' own minimise and restore,
    // which the window undoes as Qt tells it.
    std::optional<QRect> proposedClientArea(const WINDOWPOS& change) const {
        constexpr UINT stateChange = 0x8000; // SWP_STATECHANGED
        const HWND handle = nativeWindow(window_);
        RECT now{};
        RECT client{};
        POINT clientOrigin{0, 0};
        if ((change.flags & stateChange) || ((change.flags & SWP_NOMOVE) && (change.flags & SWP_NOSIZE)) ||
            !GetWindowRect(handle, &now) || !GetClientRect(handle, &client) || !ClientToScreen(handle, &clientOrigin)) {
            return std::nullopt;
        }
        const QPoint frameOffset(clientOrigin.x - now.left, clientOrigin.y - now.top);
        const QSize frameSize(now.right - now.left - client.right, now.bottom - now.top - client.bottom);
        const QPoint outerPlace = (change.flags & SWP_NOMOVE) ? QPoint(now.left, now.top) : QPoint(change.x, change.y);
        const QSize outerSize = (change.flags & SWP_NOSIZE) ? QSize(now.right - now.left, now.bottom - now.top)
                                                            : QSize(change.cx, change.cy);
        // Windows counts the screen's pixels, the window Qt's logical ones.
        const qreal ratio = window_.devicePixelRatioF();
        return QRect((outerPlace + frameOffset) / ratio, (outerSize - frameSize) / ratio);
    }

    QWidget& window_;
    std::function<bool(QRect)> refused_;
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

void refuseBeforeChange(QWidget& window, std::function<bool(QRect)> refused) {
    // Windows itself keeps a fixed dialog frame at its size and tells Qt every change.
    if (onWindowsPlatform() && underWine()) {
        new BeforeChangeRefuser(window, std::move(refused));
    }
}

void watchAnnouncedFrame(QWidget&, std::function<void()>) {
    // The frame is known before the window shows and does not change after.
}

} // namespace zorvel

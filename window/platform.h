// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <QtGui/qtguiglobal.h>

#include <functional>
#include <optional>

// What the window system has to be told so that the window stays above the others and
// keeps out of the task bar, and what it tells about the frame it draws.
namespace zorvel {

// Where the user has not chosen a platform (QT_QPA_PLATFORM, -platform), prefers X11
// (XWayland on a Wayland desktop) and falls back to Wayland where WAYLAND_DISPLAY names
// one: Wayland lets no client keep itself on top. Call before the application object exists. Only the X11 and
// Wayland build prefers: the Windows build has one platform.
void preferX11(int argc, char* argv[]);

// Asks, before the window is mapped, for it to stay above all windows that are not
// themselves topmost and, on X11, to have no task-bar button. Window managers drop
// these states when a window is hidden, so call it before every show.
void keepOnTopWithoutTaskbarButton(QWidget& window);

// Asks for `window` to become the active window, stamped with the time of now. For
// the moment a message of the program closes: the window manager may then hand the
// keyboard to no window or to another program's, and on X11 it judges the request by
// a time that Qt only updates on events the program itself receives. On X11 the
// request goes out from the event loop, one round trip to the server later; without
// a window manager to ask, the window takes the keyboard itself.
void askToBeActive(QWidget& window);

// The frame around the window as the window system announces it: on X11 the window
// manager's _NET_FRAME_EXTENTS, on Windows the system's frame. Before an X11 window is
// mapped, the window manager is asked for the frame it will draw, and its answer
// waited for up to half a second. Nothing while none has been announced, or
// where the platform tells nothing (Wayland).
std::optional<QMargins> announcedFrame(const QWidget& window);

// Has the window manager centre `window`'s frame where the centre of its client area
// stands, as it maps the window: for a window about to be shown (call it from the show
// event) whose frame cannot be known before. On X11 the window manager waits from the
// call until the function returned is called, which must be as soon as Qt has mapped
// the window: as show() ends (the ShowToParent event); should it not be, the window
// manager is let go as the event loop runs again. Only X11 needs it: Windows tells the
// frame at once, and a Wayland compositor places the window itself.
#if QT_CONFIG(xcb)
[[nodiscard]] std::function<void()> centreFrameAtMapping(QWidget& window);
#else
inline std::function<void()> centreFrameAtMapping(QWidget&) {
    return [] {};
}
#endif

// Gives `window` the size `size` and leaves where it stands to the window manager, which
// may be moving it at the same moment (back out of full screen): Qt's own resize asks
// for the place Qt last knew as well.
#if QT_CONFIG(xcb)
void resizeInPlace(QWidget& window, QSize size);
#else
inline void resizeInPlace(QWidget& window, QSize size) { window.resize(size); }
#endif

// Where the window's client area stands on the screen as the X server has it now: Qt
// learns of a move by the window manager an event later. Nothing where Qt's own
// geometry is all there is to know.
#if QT_CONFIG(xcb)
std::optional<QPoint> clientAreaOnScreen(const QWidget& window);
#else
inline std::optional<QPoint> clientAreaOnScreen(const QWidget&) { return std::nullopt; }
#endif

// Where the window system makes a change of the window's place or size from outside
// without telling Qt all of it (Wine's X11 driver), asks `refused` about each such
// change before it is made, with the client area it would give the window in Qt's
// logical pixels, and keeps the window where and as large as it is when the answer
// is yes. Elsewhere Qt tells of every change, which the window policy then undoes,
// and nothing is asked.
#ifdef Q_OS_WIN
void refuseBeforeChange(QWidget& window, std::function<bool(QRect clientArea)> refused);
#else
inline void refuseBeforeChange(QWidget&, std::function<bool(QRect)>) {}
#endif

// Calls `changed`, from the event loop, each time the window manager announces a new
// frame for `window`; it stops when `window` is destroyed.
void watchAnnouncedFrame(QWidget& window, std::function<void()> changed);

} // namespace zorvel

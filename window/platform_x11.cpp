// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window-system glue where Qt can run on X11: the X11 window manager is asked
// directly; under Wayland, which the same Qt may run on, it asks nothing more than Qt
// does (platform_plain.cpp is the glue of a Qt without X11, platform_windows.cpp that
// of Windows).
#include "platform.h"

#include <QAbstractNativeEventFilter>
#include <QAccessible>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace zorvel {
namespace {

// xcb hands its replies to the caller, who frees them with free().
struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, FreeDeleter>;

enum class Atom {
    netWmState,
    netWmStateAbove,
    netWmStateSkipTaskbar,
    netFrameExtents,
    netActiveWindow,
    netSupported,
    netRequestFrameExtents,
    serverTime
};

constexpr std::array atomNames{
    "_NET_WM_STATE",
    "_NET_WM_STATE_ABOVE",
    "_NET_WM_STATE_SKIP_TASKBAR",
    "_NET_FRAME_EXTENTS",
    "_NET_ACTIVE_WINDOW",
    "_NET_SUPPORTED",
    "_NET_REQUEST_FRAME_EXTENTS",
    // A property of the window's own, for the server's time of now.
    "_ZORVEL_SERVER_TIME",
};

// The atoms are interned together, in one round trip, the first time one is needed;
// they stay what they are while the program's one connection lasts.
xcb_atom_t atom(xcb_connection_t* connection, Atom which) {
    static const auto atoms = [connection] {
        std::array<xcb_intern_atom_cookie_t, atomNames.size()> cookies{};
        for (std::size_t i = 0; i < atomNames.size(); ++i) {
            cookies[i] =
                xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(atomNames[i])), atomNames[i]);
        }
        std::array<xcb_atom_t, atomNames.size()> interned{};
        for (std::size_t i = 0; i < atomNames.size(); ++i) {
            const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr));
            interned[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        }
        return interned;
    }();
    return atoms[static_cast<std::size_t>(which)];
}

std::vector<xcb_atom_t> readAtoms(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024);
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    std::vector<xcb_atom_t> atoms;
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        atoms.assign(values, values + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t));
    }
    return atoms;
}

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
}

// Left, right, top, bottom, as the window manager sets them; nothing while it has not.
std::optional<QMargins> readFrameExtents(xcb_connection_t* connection, xcb_window_t window) {
    const auto cookie =
        xcb_get_property(connection, 0, window, atom(connection, Atom::netFrameExtents), XCB_ATOM_CARDINAL, 0, 4);
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32 || reply->type != XCB_ATOM_CARDINAL ||
        xcb_get_property_value_length(reply.get()) != static_cast<int>(4 * sizeof(std::uint32_t))) {
        return std::nullopt;
    }
    std::array<std::uint32_t, 4> extents{};
    std::memcpy(extents.data(), xcb_get_property_value(reply.get()), sizeof extents);
    // Each is a CARDINAL; one beyond int cannot be a frame and reads as negative, so
    // the caller's plausibility check throws it out.
    return QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]), static_cast<int>(extents[1]),
                    static_cast<int>(extents[3]));
}

// The frame the window manager has announced for `window`, in Qt's logical pixels.
std::optional<QMargins> logicalFrame(xcb_connection_t* connection, const QWidget& window) {
    // The window manager counts the screen's pixels, the window Qt's logical ones.
    const std::optional<QMargins> frame =
        readFrameExtents(connection, static_cast<xcb_window_t>(window.internalWinId()));
    return frame ? std::optional(*frame / window.devicePixelRatioF()) : std::nullopt;
}

bool isSupportedByWindowManager(xcb_connection_t* connection, xcb_window_t root, Atom request) {
    const std::vector<xcb_atom_t> supported = readAtoms(connection, root, atom(connection, Atom::netSupported));
    return std::ranges::find(supported, atom(connection, request)) != supported.end();
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window) {
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    return tree ? tree->root : xcb_window_t{XCB_NONE};
}

// Sends the window manager, which listens on the root window, a request about `window`.
void sendToWindowManager(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, Atom request,
                         const std::array<std::uint32_t, 3>& data = {}) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(connection, request);
    std::ranges::copy(data, message.data.data32);
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// Asks the window manager for the frame it will draw around `window`, not mapped yet,
// and waits for the answer, a property of the window set as the window manager gets
// to the request: within milliseconds when it is idle. Nothing is on the screen yet,
// so the wait shows nothing. Fluxbox offers the request but answers it only for the
// windows it already manages, so the wait is kept short: half a second, which openbox
// on two fully loaded cores (load 20) needed up to 344 ms of, where 200 ms let 1 start
// in 200 fall back to a centre gravity that openbox places 20 pixels too low.
std::optional<QMargins> askForFrame(xcb_connection_t* connection, const QWidget& window) {
    const auto nativeWindow = static_cast<xcb_window_t>(window.internalWinId());
    const xcb_window_t root = rootOf(connection, nativeWindow);
    if (!isSupportedByWindowManager(connection, root, Atom::netRequestFrameExtents)) {
        return std::nullopt;
    }
    sendToWindowManager(connection, root, nativeWindow, Atom::netRequestFrameExtents);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (std::chrono::steady_clock::now() < deadline) {
        if (const std::optional<QMargins> frame = logicalFrame(connection, window)) {
            return frame;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::nullopt;
}

// WM_NORMAL_HINTS: 18 numbers, the flags first, the gravity last.
constexpr std::size_t sizeHintsLength = 18;
constexpr std::uint32_t gravityGiven = 1U << 9;

void giveCentreGravity(xcb_connection_t* connection, xcb_window_t window) {
    const auto cookie =
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, sizeHintsLength);
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    std::array<std::uint32_t, sizeHintsLength> hints{};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != static_cast<int>(sizeof hints)) {
        return;
    }
    std::memcpy(hints.data(), xcb_get_property_value(reply.get()), sizeof hints);
    hints.front() |= gravityGiven;
    hints.back() = XCB_GRAVITY_CENTER;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32,
                        sizeHintsLength, hints.data());
}

// The change of `property` on `window` that an event Qt is about to handle tells of, if
// it is one.
std::optional<xcb_timestamp_t> propertyChangeTime(const QByteArray& eventType, const void* message, xcb_window_t window,
                                                  xcb_atom_t property) {
    if (eventType != "xcb_generic_event_t" ||
        (static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
        return std::nullopt;
    }
    const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
    if (window == XCB_NONE || notify->window != window || notify->atom != property) {
        return std::nullopt;
    }
    return notify->time;
}

// Qt notes a new _NET_FRAME_EXTENTS only for its next frameMargins() call and tells
// no one (Qt 6.4); this tells the window. It can go once Qt announces frame changes.
class FrameExtentsWatcher : public QObject, public QAbstractNativeEventFilter {
public:
    FrameExtentsWatcher(QWidget& window, xcb_atom_t property, std::function<void()> changed)
        : QObject(&window), window_(window), property_(property), changed_(std::move(changed)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~FrameExtentsWatcher() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (propertyChangeTime(eventType, message, static_cast<xcb_window_t>(window_.internalWinId()), property_)) {
            // Outside the native event handler, once Qt has seen the event too.
            QTimer::singleShot(0, this, changed_);
        }
        return false;
    }

private:
    QWidget& window_;
    xcb_atom_t property_;
    std::function<void()> changed_;
};

// What Qt's activateWindow() sends, stamped with the X server's time of now rather
// than with that of the last event the program saw: when the user closed a message by
// its title bar, that click went to the window manager, not to the program. Openbox
// needs it (with activateWindow() alone the keyboard does not come back after that
// close; KWin does without); it can go when the desktop test of the keyboard after a
// message passes under openbox with activateWindow() alone.
//
// Only events carry the server's time. A zero-length append to a property of the
// window's own has the server send the window a PropertyNotify stamped with it, on
// Qt's own connection; the request goes out as that event comes in.
class ActivationRequest : public QObject, public QAbstractNativeEventFilter {
public:
    ActivationRequest(QWidget& window, xcb_connection_t* connection)
        : QObject(&window), window_(window), connection_(connection),
          nativeWindow_(static_cast<xcb_window_t>(window.internalWinId())),
          property_(atom(connection, Atom::serverTime)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        xcb_change_property(connection_, XCB_PROP_MODE_APPEND, nativeWindow_, property_, XCB_ATOM_INTEGER, 32, 0,
                            nullptr);
        xcb_flush(connection_);
        // The event comes back within one round trip; should it not, Qt's own request.
        QTimer::singleShot(std::chrono::seconds(1), this, [this] { answer(std::nullopt); });
    }
    ~ActivationRequest() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (const auto now = propertyChangeTime(eventType, message, nativeWindow_, property_)) {
            answer(*now);
        }
        return false;
    }

private:
    void answer(std::optional<xcb_timestamp_t> now) {
        if (answered_) {
            return;
        }
        answered_ = true;
        deleteLater();
        const XcbReply<xcb_query_tree_reply_t> tree(
            now ? xcb_query_tree_reply(connection_, xcb_query_tree(connection_, nativeWindow_), nullptr) : nullptr);
        if (!tree) {
            window_.activateWindow();
            return;
        }
        // Without a window manager to ask, no one would answer the request: the
        // keyboard, which the closed message's window handed back to the root window,
        // is taken directly.
        if (!isSupportedByWindowManager(connection_, tree->root, Atom::netActiveWindow)) {
            xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, nativeWindow_, *now);
            xcb_flush(connection_);
            return;
        }
        constexpr std::uint32_t fromAnApplication = 1;
        sendToWindowManager(connection_, tree->root, nativeWindow_, Atom::netActiveWindow,
                            {fromAnApplication, *now, XCB_NONE});
    }

    QWidget& window_;
    xcb_connection_t* connection_;
    xcb_window_t nativeWindow_;
    xcb_atom_t property_;
    bool answered_ = false;
};

} // namespace

void keepOnTopWithoutTaskbarButton(QWidget& window) {
    // Qt sets _NET_WM_STATE_ABOVE itself for Qt::WindowStaysOnTopHint but has no
    // call for skipping the task bar (Qt 6.4); this can go when it has one. It merges
    // what it sets with what the unmapped window already carries, so both survive the map.
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return;
    }
    const auto nativeWindow = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t stateProperty = atom(connection, Atom::netWmState);
    std::vector<xcb_atom_t> states = readAtoms(connection, nativeWindow, stateProperty);
    for (const Atom wanted : {Atom::netWmStateAbove, Atom::netWmStateSkipTaskbar}) {
        const xcb_atom_t state = atom(connection, wanted);
        if (std::ranges::find(states, state) == states.end()) {
            states.push_back(state);
        }
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, nativeWindow, stateProperty, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}

void askToBeActive(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.internalWinId()) {
        window.activateWindow();
        return;
    }
    new ActivationRequest(window, connection);
}

std::optional<QMargins> announcedFrame(const QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.internalWinId()) {
        return std::nullopt;
    }
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, static_cast<xcb_window_t>(window.internalWinId())), nullptr));
    const std::optional<QMargins> frame = logicalFrame(connection, window);
    if (frame || !attributes || attributes->map_state != XCB_MAP_STATE_UNMAPPED) {
        return frame;
    }
    return askForFrame(connection, window);
}

// Qt writes the size hints afresh as it maps the window, with the gravity that keeps
// the client area where it was put, and the window manager reads them as it takes the
// window in. The server is held from the window's show event until Qt has mapped it
// and the centre gravity is written over Qt's, so the window manager reads only the
// centre gravity, at every start. The hold spans no turn of the event loop, where the
// accessibility bridge could wait on a program that waits on the server; the bridge
// is made before the hold for the same reason. Openbox and IceWM do not place by the
// centre gravity, but they tell the frame before the window is mapped.
std::function<void()> centreFrameAtMapping(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return [] {};
    }
    const auto nativeWindow = static_cast<xcb_window_t>(window.winId());
    QAccessible::isActive();
    xcb_grab_server(connection);
    auto released = std::make_shared<bool>(false);
    const auto letGo = [connection, nativeWindow, released] {
        if (!std::exchange(*released, true)) {
            giveCentreGravity(connection, nativeWindow);
            xcb_ungrab_server(connection);
            xcb_flush(connection);
        }
    };
    // Not tied to the window: the server must be let go whatever becomes of it.
    QTimer::singleShot(0, qApp, letGo);
    return letGo;
}

void resizeInPlace(QWidget& window, QSize size) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.internalWinId()) {
        window.resize(size);
        return;
    }
    const QSize pixels = size * window.devicePixelRatioF();
    const std::array<std::uint32_t, 2> values{static_cast<std::uint32_t>(pixels.width()),
                                              static_cast<std::uint32_t>(pixels.height())};
    xcb_configure_window(connection, static_cast<xcb_window_t>(window.internalWinId()),
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values.data());
    xcb_flush(connection);
}

std::optional<QPoint> clientAreaOnScreen(const QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    const auto nativeWindow = static_cast<xcb_window_t>(window.internalWinId());
    if (!connection || !nativeWindow) {
        return std::nullopt;
    }
    const XcbReply<xcb_translate_coordinates_reply_t> corner(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, nativeWindow, rootOf(connection, nativeWindow), 0, 0),
        nullptr));
    return corner ? std::optional(QPoint(corner->dst_x, corner->dst_y) / window.devicePixelRatioF()) : std::nullopt;
}

void watchAnnouncedFrame(QWidget& window, std::function<void()> changed) {
    if (xcb_connection_t* connection = x11Connection()) {
        new FrameExtentsWatcher(window, atom(connection, Atom::netFrameExtents), std::move(changed));
    }
}

// Needed while Wayland lets no client stay above others; it can go when Qt's Wayland
// platform honours Qt::WindowStaysOnTopHint.
void preferX11(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return;
        }
    }
    // Wayland only where a Wayland display is named: trying one that is not there
    // would have its library complain in English before the program can explain.
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "xcb;wayland");
    }
}

} // namespace zorvel

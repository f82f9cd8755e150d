// The window-system glue of X11 and Wayland (platform_windows.cpp is that of Windows).
#include "platform.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstring>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>
#endif

#include <utility>

namespace zorvel {

#if QT_CONFIG(xcb)

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

std::vector<xcb_atom_t> readAtoms(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::vector<xcb_atom_t> atoms;
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        atoms.assign(values, values + xcb_get_property_value_length(reply) / sizeof(xcb_atom_t));
    }
    std::free(reply);
    return atoms;
}

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
}

// Left, right, top, bottom, as the window manager sets them; nothing while it has not.
std::optional<QMargins> readFrameExtents(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_atom_t property = internAtom(connection, "_NET_FRAME_EXTENTS");
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::optional<QMargins> frame;
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_CARDINAL &&
        xcb_get_property_value_length(reply) == static_cast<int>(4 * sizeof(std::uint32_t))) {
        std::array<std::uint32_t, 4> extents{};
        std::memcpy(extents.data(), xcb_get_property_value(reply), sizeof extents);
        // Each is a CARDINAL; one beyond int cannot be a frame and reads as negative, so
        // the caller's plausibility check throws it out.
        frame = QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]), static_cast<int>(extents[1]),
                         static_cast<int>(extents[3]));
    }
    std::free(reply);
    return frame;
}

// The X server's time now. Only events carry it: a throwaway connection changes a
// property of a window of its own and reads the time from the notification, without
// disturbing the events of Qt's connection.
xcb_timestamp_t serverTimeNow() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    xcb_timestamp_t now = XCB_CURRENT_TIME;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber && screens.rem > 1; ++i) {
            xcb_screen_next(&screens);
        }
        const xcb_window_t window = xcb_generate_id(connection);
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(connection);
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
            const bool isNotification = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
            if (isNotification) {
                now = reinterpret_cast<const xcb_property_notify_event_t*>(event)->time;
            }
            std::free(event);
            if (isNotification) {
                break;
            }
        }
    }
    xcb_disconnect(connection);
    return now;
}

// Qt notes a new _NET_FRAME_EXTENTS only for its next frameMargins() call and tells
// no one; this tells the window.
class FrameExtentsWatcher : public QObject, public QAbstractNativeEventFilter {
public:
    FrameExtentsWatcher(QWidget& window, xcb_atom_t property, std::function<void()> changed)
        : QObject(&window), window_(window), property_(property), changed_(std::move(changed)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~FrameExtentsWatcher() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
            return false;
        }
        const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
        if (notify->atom == property_ && window_.internalWinId() &&
            notify->window == static_cast<xcb_window_t>(window_.internalWinId())) {
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

} // namespace

void keepOnTopWithoutTaskbarButton(QWidget& window) {
    // Qt sets _NET_WM_STATE_ABOVE itself for Qt::WindowStaysOnTopHint but has no
    // call for skipping the task bar. It merges what it sets with what the
    // unmapped window already carries, so both survive the map.
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return;
    }
    const auto nativeWindow = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t stateProperty = internAtom(connection, "_NET_WM_STATE");
    std::vector<xcb_atom_t> states = readAtoms(connection, nativeWindow, stateProperty);
    for (const char* name : {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR"}) {
        const xcb_atom_t state = internAtom(connection, name);
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
    // What Qt's activateWindow() sends, with the time of now rather than of the last
    // event the program saw: when the user closed the message by its title bar, that
    // click went to the window manager, which would take the older time for a request
    // made before it and refuse.
    const auto nativeWindow = static_cast<xcb_window_t>(window.internalWinId());
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, nativeWindow), nullptr);
    if (!tree) {
        window.activateWindow();
        return;
    }
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = nativeWindow;
    request.type = internAtom(connection, "_NET_ACTIVE_WINDOW");
    request.data.data32[0] = 1; // from an application
    request.data.data32[1] = serverTimeNow();
    request.data.data32[2] = XCB_NONE;
    xcb_send_event(connection, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    std::free(tree);
    xcb_flush(connection);
}

std::optional<QMargins> announcedFrame(const QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.internalWinId()) {
        return std::nullopt;
    }
    return readFrameExtents(connection, static_cast<xcb_window_t>(window.internalWinId()));
}

void watchAnnouncedFrame(QWidget& window, std::function<void()> changed) {
    if (xcb_connection_t* connection = x11Connection()) {
        new FrameExtentsWatcher(window, internAtom(connection, "_NET_FRAME_EXTENTS"), std::move(changed));
    }
}

#else

void keepOnTopWithoutTaskbarButton(QWidget&) {
    // Qt::WindowStaysOnTopHint is all this platform offers.
}

void askToBeActive(QWidget& window) { window.activateWindow(); }

std::optional<QMargins> announcedFrame(const QWidget&) {
    // A Wayland compositor tells a client nothing about where its window stands.
    return std::nullopt;
}

void watchAnnouncedFrame(QWidget&, std::function<void()>) {}

#endif

void preferX11(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return;
        }
    }
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

} // namespace zorvel

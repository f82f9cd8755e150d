#include "platform.h"

#include <QGuiApplication>
#include <QWidget>

#include <cstring>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>
#endif

namespace zorvel {

#if defined(Q_OS_WIN)

void keepOnTopWithoutTaskbarButton(QWidget& window) {
    // HWND_TOPMOST without moving or resizing. The task-bar button stays: the usual
    // cure, a hidden owner window, fights Qt's own handling of transient parents.
    SetWindowPos(reinterpret_cast<HWND>(window.winId()), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

#elif QT_CONFIG(xcb)

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

} // namespace

void keepOnTopWithoutTaskbarButton(QWidget& window) {
    // Qt sets _NET_WM_STATE_ABOVE itself for Qt::WindowStaysOnTopHint but has no
    // call for skipping the task bar. It merges what it sets with what the
    // unmapped window already carries, so both survive the map.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
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

#else

void keepOnTopWithoutTaskbarButton(QWidget&) {
    // Qt::WindowStaysOnTopHint is all this platform offers.
}

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

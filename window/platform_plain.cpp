// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window-system glue of a Qt without X11 (Wayland alone, for one): the window
// system is asked nothing beyond what Qt asks.
#include "platform.h"

#include <QWidget>

namespace zorvel {

void preferX11(int, char*[]) {
    // This Qt has no X11 to prefer.
}

void keepOnTopWithoutTaskbarButton(QWidget&) {
    // Qt::WindowStaysOnTopHint is all this platform offers.
}

void askToBeActive(QWidget& window) { window.activateWindow(); }

std::optional<QMargins> announcedFrame(const QWidget&) {
    // A Wayland compositor tells a client nothing about where its window stands.
    return std::nullopt;
}

void watchAnnouncedFrame(QWidget&, std::function<void()>) {}

} // namespace zorvel

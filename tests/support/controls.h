// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

// The control of a window with this design name; a test cannot go on without it.
template <typename Widget = QWidget>
Widget* control(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

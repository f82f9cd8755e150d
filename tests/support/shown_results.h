// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QStringList>

// What a press writes, as the window's widgets show it.
struct ShownResults {
    QString peso, altezza, label3, minP, maxP, dp, sp, tipoT;
    QColor poi, adesso, segue;
    qint64 picture = 0; // the cache key of the pixmap Image1 shows
    QRect line1;        // empty while the marker is hidden

    bool operator==(const ShownResults&) const = default;
    QStringList texts() const { return {peso, altezza, label3, minP, maxP, dp, sp, tipoT}; }
};

inline ShownResults shownResults(const QWidget& window) {
    const auto text = [&window](const char* name) { return control<QLabel>(window, name)->text(); };
    const auto colour = [&window](const char* name) {
        return control(window, name)->palette().color(QPalette::Window);
    };
    const QWidget* line1 = control(window, "Line1");
    return {control<QLineEdit>(window, "peso")->text(),
            control<QLineEdit>(window, "altezza")->text(),
            text("Label3"),
            text("minP"),
            text("MaxP"),
            text("Dp"),
            text("Sp"),
            text("tipoT"),
            colour("poi"),
            colour("adesso"),
            colour("segue"),
            control<QLabel>(window, "Image1")->pixmap().cacheKey(),
            line1->isVisible() ? line1->geometry() : QRect()};
}

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "result_colours.h"

#include <QApplication>
#include <QColor>
#include <QVariant>
#include <QWidget>

#include <array>
#include <string_view>

namespace zorvel {
namespace {

struct ResultControl {
    std::string_view name;
    // A transparent control drawn on the window's own colour, which a style sheet may
    // change: it keeps that colour behind it, so that its text reads as designed.
    bool onWindowColour;
};

constexpr std::array<ResultControl, 8> resultControls{{
    {"poi", false},
    {"adesso", false},
    {"segue", false},
    {"Line1", false},
    {"Shape1", false},
    {"Label3", false},
    {"tipoT", false},
    {"Label6", true},
}};

// The kept colours, held by the control; no background is a transparent one. A style
// sheet changes the control's palette, so they are taken once, before it can.
constexpr const char* keptText = "zorvelKeptText";
constexpr const char* keptBackground = "zorvelKeptBackground";

void restate(QWidget& control) {
    if (qApp->styleSheet().isEmpty()) {
        return;
    }
    const QColor background = control.property(keptBackground).value<QColor>();
    // By its name: a tool tip is a child of the control it names and takes the rest.
    const QString sheet = QStringLiteral("#%1 { color: %2; background-color: %3; }")
                              .arg(control.objectName(), control.property(keptText).value<QColor>().name(),
                                   background.isValid() ? background.name() : QStringLiteral("transparent"));
    if (control.styleSheet() != sheet) {
        control.setStyleSheet(sheet);
    }
}

} // namespace

void keepResultColours(QWidget& form) {
    for (const auto& [name, onWindowColour] : resultControls) {
        auto* control = form.findChild<QWidget*>(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
        if (!control->property(keptText).isValid()) {
            const QPalette& palette = control->palette();
            QColor background;
            if (control->autoFillBackground()) {
                background = palette.color(control->backgroundRole());
            } else if (onWindowColour) {
                background = form.palette().color(QPalette::Window);
            }
            control->setProperty(keptText, palette.color(control->foregroundRole()));
            control->setProperty(keptBackground, background);
        }
        restate(*control);
    }
}

void keepBackground(QWidget& control, const QColor& background) {
    control.setProperty(keptBackground, background);
    restate(control);
}

} // namespace zorvel

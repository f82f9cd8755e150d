// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_look.h"

#include "form_builder.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

#include <utility>
#include <vector>

namespace zorvel {
namespace {

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

void keepColours(QWidget& control, SheetColours sheetColours, const QWidget& window) {
    const QPalette& palette = control.palette();
    QColor background;
    if (control.autoFillBackground()) {
        background = palette.color(control.backgroundRole());
    } else if (sheetColours == SheetColours::keptOnWindow) {
        background = window.palette().color(QPalette::Window);
    }
    control.setProperty(keptText, palette.color(control.foregroundRole()));
    control.setProperty(keptBackground, background);
    restate(control);
}

// Watches the window for a new style sheet, and each of its controls for the hint
// about to show.
class LookKeeper : public QObject {
public:
    LookKeeper(QWidget& window, std::vector<QWidget*> keptControls)
        : QObject(&window), window_(window), palette_(window.palette()), font_(window.font()),
          keptControls_(std::move(keptControls)) {
        window.installEventFilter(this);
        // The hint event goes to the control under the pointer, before it shows a tip.
        for (QWidget* control : window.findChildren<QWidget*>()) {
            control->installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            if (QToolTip::palette() != palette_) {
                QToolTip::setPalette(palette_);
            }
            if (QToolTip::font() != font_) {
                QToolTip::setFont(font_);
            }
        } else if (event->type() == QEvent::StyleChange && watched == &window_) {
            for (QWidget* control : keptControls_) {
                restate(*control);
            }
        }
        return false;
    }

private:
    QWidget& window_;
    QPalette palette_;
    QFont font_;
    std::vector<QWidget*> keptControls_;
};

} // namespace

void useDesignedPalette(QWidget& window) { window.setPalette(designPalette(form1SystemColours())); }

void keepWindowLook(QWidget& window, std::span<const ControlDesign> design) {
    std::vector<QWidget*> keptControls;
    for (const ControlDesign& row : design) {
        if (row.sheetColours != SheetColours::styled) {
            QWidget& control = builtControl<QWidget>(window, row.name);
            keepColours(control, row.sheetColours, window);
            keptControls.push_back(&control);
        }
    }
    new LookKeeper(window, std::move(keptControls));
}

void keepBackground(QWidget& control, const QColor& background) {
    control.setProperty(keptBackground, background);
    restate(control);
}

} // namespace zorvel

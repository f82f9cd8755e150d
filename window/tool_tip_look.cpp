// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool_tip_look.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace zorvel {
namespace {

class ToolTipLook : public QObject {
public:
    ToolTipLook(QWidget& window, const QPalette& palette, const QFont& font)
        : QObject(&window), window_(window), palette_(palette), font_(font) {
        // The hint event goes to the control under the pointer, before it shows a tip.
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            if (QToolTip::palette() != palette_) {
                QToolTip::setPalette(palette_);
            }
            if (QToolTip::font() != font_) {
                QToolTip::setFont(font_);
            }
        }
        return false;
    }

private:
    QWidget& window_;
    QPalette palette_;
    QFont font_;
};

} // namespace

void showToolTipsInLook(QWidget& window, const QPalette& palette, const QFont& font) {
    new ToolTipLook(window, palette, font);
}

} // namespace zorvel

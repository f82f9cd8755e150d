// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shape_widget.h"

#include <QPainter>

namespace zorvel {

ShapeWidget::ShapeWidget(std::optional<QColor> fill, QWidget* parent) : QWidget(parent), fill_(fill) {
    // Only the outline and the fill are drawn; the rest stays see-through.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(fill_ ? QBrush(*fill_) : QBrush(Qt::NoBrush));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zorvel

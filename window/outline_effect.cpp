// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "outline_effect.h"

#include <QPainter>

namespace zorvel {

namespace {

constexpr qreal outlineWidth = 1;

} // namespace

OutlineEffect::OutlineEffect(QColor colour, QObject* parent) : QGraphicsEffect(parent), colour_(colour) {}

QRectF OutlineEffect::boundingRectFor(const QRectF& rect) const {
    return rect.adjusted(-outlineWidth, -outlineWidth, outlineWidth, outlineWidth);
}

void OutlineEffect::draw(QPainter* painter) {
    painter->fillRect(boundingRect(), colour_);
    drawSource(painter);
}

} // namespace zorvel

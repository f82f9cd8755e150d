// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QGraphicsEffect>

namespace zorvel {

// Draws a one-pixel outline in a fixed colour around a widget, outside its box, so
// that a dark widget stands out on a dark background while its own size, place and
// colour stay as they are.
class OutlineEffect : public QGraphicsEffect {
    Q_OBJECT

public:
    explicit OutlineEffect(QColor colour, QObject* parent = nullptr);

    QRectF boundingRectFor(const QRectF& rect) const override;

protected:
    void draw(QPainter* painter) override;

private:
    QColor colour_;
};

} // namespace zorvel

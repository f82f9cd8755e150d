// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/asset-generator/contact_sheet.h"

#include "tools/asset-generator/figure_builds.h"

#include <QPainter>

namespace zorvel::generator {

namespace {
constexpr int zoom = 2;
constexpr int gap = 12;
} // namespace

QImage contactSheet(const std::vector<QImage>& classPictures, const QImage& icon) {
    const int cellWidth = static_cast<int>(shownWidth) * zoom;
    const int cellHeight = static_cast<int>(shownHeight) * zoom;
    const int count = static_cast<int>(classPictures.size());
    const int width = gap + count * (cellWidth + gap) + icon.width() + gap;
    const int height = gap + std::max(cellHeight, icon.height()) + gap;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(200, 204, 210));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int index = 0; index < count; ++index) {
        const QRect cell(gap + index * (cellWidth + gap), gap, cellWidth, cellHeight);
        painter.drawImage(cell, classPictures[static_cast<std::size_t>(index)]);
    }
    painter.drawImage(QPoint(width - gap - icon.width(), (height - icon.height()) / 2), icon);
    return sheet;
}

} // namespace zorvel::generator

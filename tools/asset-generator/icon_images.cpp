// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/asset-generator/icon_images.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zorvel::generator {

namespace {
const QColor iconBackgroundColour(250, 250, 247);
constexpr int iconSizes[] = {48, 32, 16};
} // namespace

QImage renderScale(const QString& svgPath, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svgPath);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage onIconBackground(const QImage& transparent) {
    QImage opaque(transparent.size(), QImage::Format_RGB32);
    opaque.fill(iconBackgroundColour);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, transparent);
    return opaque;
}

std::vector<IconImage> applicationIconImages(const QString& svgPath) {
    std::vector<IconImage> images;
    for (const int size : iconSizes) {
        const QImage scale = renderScale(svgPath, size);
        // Only the largest 8-bit image lets the desktop show around the scale.
        images.push_back(indexedIconImage(size == 48 ? scale : onIconBackground(scale)));
    }
    for (const int bits : {24, 32})
        for (const int size : iconSizes)
            images.push_back(trueColourIconImage(onIconBackground(renderScale(svgPath, size)), bits));
    return images;
}

} // namespace zorvel::generator

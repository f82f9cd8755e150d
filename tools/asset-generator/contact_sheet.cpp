#include "tools/asset-generator/contact_sheet.h"

#include "tools/asset-generator/figure_builds.h"

#include <QPainter>

namespace zorvel::generator {

namespace {
constexpr int kZoom = 2;
constexpr int kGap = 12;
} // namespace

QImage contactSheet(const std::vector<QImage>& classPictures, const QImage& icon)
{
    const int cellWidth = static_cast<int>(kShownWidth) * kZoom;
    const int cellHeight = static_cast<int>(kShownHeight) * kZoom;
    const int count = static_cast<int>(classPictures.size());
    const int width = kGap + count * (cellWidth + kGap) + icon.width() + kGap;
    const int height = kGap + std::max(cellHeight, icon.height()) + kGap;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(200, 204, 210));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int index = 0; index < count; ++index) {
        const QRect cell(kGap + index * (cellWidth + kGap), kGap, cellWidth, cellHeight);
        painter.drawImage(cell, classPictures[static_cast<std::size_t>(index)]);
    }
    painter.drawImage(QPoint(width - kGap - icon.width(), (height - icon.height()) / 2), icon);
    return sheet;
}

} // namespace zorvel::generator

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/program_resources.h"

#include <QDirIterator>
#include <QResource>
#include <QString>

namespace zorvel::resources {

namespace {

// The bitmaps are stored uncompressed, so a resource is the file's bytes in the
// program's memory, which Qt's bitmap reader decodes in place.
std::optional<QImage> decodedBitmapFile(const QResource& file) {
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression)
        return std::nullopt;
    QImage image = QImage::fromData(QByteArrayView(file.data(), file.size()), "BMP");
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace

std::optional<QImage> bitmap(int id) {
    return decodedBitmapFile(QResource(QStringLiteral(":/zorvel/pictures/%1.bmp").arg(id)));
}

// The hicolor pictures, transparent around the scale, as uncompressed bitmaps.
QList<QImage> windowIconImages() {
    QList<QImage> images;
    QDirIterator bitmaps(QStringLiteral(":/zorvel/icon/window"), QDir::Files);
    while (bitmaps.hasNext()) {
        if (const std::optional<QImage> image = decodedBitmapFile(QResource(bitmaps.next())))
            images.append(*image);
    }
    return images;
}

} // namespace zorvel::resources

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/program_resources.h"

#include "assets/bitmap_format.h"

#include <QDirIterator>
#include <QResource>
#include <QString>

namespace zorvel::resources {

// The bitmaps are stored uncompressed, so a resource is the file's bytes in the
// program's memory.
std::optional<QImage> bitmap(int id) {
    const QResource file(QStringLiteral(":/zorvel/pictures/%1.bmp").arg(id));
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression)
        return std::nullopt;
    return bitmap::readBitmapFile(QByteArrayView(file.data(), file.size()));
}

// The hicolor pictures, transparent around the scale, as uncompressed bitmaps.
QList<QImage> windowIconImages() {
    QList<QImage> images;
    QDirIterator bitmaps(QStringLiteral(":/zorvel/icon/window"), QDir::Files);
    while (bitmaps.hasNext()) {
        const QResource file(bitmaps.next());
        if (file.compressionAlgorithm() != QResource::NoCompression)
            continue;
        if (const std::optional<QImage> image = bitmap::readBitmapFile(QByteArrayView(file.data(), file.size())))
            images.append(*image);
    }
    return images;
}

} // namespace zorvel::resources

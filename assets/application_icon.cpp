#include "assets/application_icon.h"

#include "assets/dib_reader.h"

#include <QDirIterator>
#include <QPixmap>
#include <QResource>

namespace zorvel {

QIcon applicationIcon() {
    QIcon icon;
#ifdef Q_OS_WIN
    // Only the true-colour images: reading them directly spares start-up the image
    // plugins.
    const QResource file(QStringLiteral(":/zorvel/icon/zorvel.ico"));
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression)
        return icon;
    for (const QImage& image : dib::readIconFileTrueColourImages(QByteArrayView(file.data(), file.size())))
        icon.addPixmap(QPixmap::fromImage(image));
#else
    // The hicolor pictures, transparent around the scale, as uncompressed bitmaps.
    QDirIterator bitmaps(QStringLiteral(":/zorvel/icon/window"), QDir::Files);
    while (bitmaps.hasNext()) {
        const QResource bitmap(bitmaps.next());
        if (bitmap.compressionAlgorithm() != QResource::NoCompression)
            continue;
        if (const std::optional<QImage> image = dib::readBitmapFile(QByteArrayView(bitmap.data(), bitmap.size())))
            icon.addPixmap(QPixmap::fromImage(*image));
    }
#endif
    return icon;
}

} // namespace zorvel

#include "assets/application_icon.h"

#include "assets/dib_reader.h"

#include <QDirIterator>
#include <QPixmap>
#include <QResource>

namespace zorvel {

QIcon applicationIcon()
{
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
    // The hicolor pictures, transparent around the scale; Qt reads PNG without a plugin.
    QDirIterator pictures(QStringLiteral(":/zorvel/icon/hicolor"), {QStringLiteral("*.png")}, QDir::Files,
                          QDirIterator::Subdirectories);
    while (pictures.hasNext())
        icon.addFile(pictures.next());
#endif
    return icon;
}

} // namespace zorvel

#include "assets/application_icon.h"

#include "assets/dib_reader.h"

#include <QPixmap>
#include <QResource>

namespace zorvel {

QIcon applicationIcon()
{
    // Only the true-colour images: they carry the icon's own transparency, and
    // reading them directly spares start-up the image plugins.
    QIcon icon;
    const QResource file(QStringLiteral(":/zorvel/icon/zorvel.ico"));
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression)
        return icon;
    for (const QImage& image : dib::readIconFileTrueColourImages(QByteArrayView(file.data(), file.size())))
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace zorvel

#include "assets/application_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace zorvel {

QIcon applicationIcon()
{
    QIcon icon;
    QImageReader reader(QStringLiteral(":/zorvel/icon/zorvel.ico"), "ico");
    for (int index = 0; index < reader.imageCount() && reader.jumpToImage(index); ++index) {
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace zorvel

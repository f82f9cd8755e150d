#include "assets/class_pictures.h"

#include <QFile>
#include <QString>

namespace zorvel {

namespace {
constexpr int kFirstPictureId = 100;
}

int classPictureId(std::optional<int> categoria)
{
    return kFirstPictureId + categoria.value_or(0);
}

std::optional<QImage> loadClassPicture(std::optional<int> categoria)
{
    const QString path = QStringLiteral(":/zorvel/pictures/%1.bmp").arg(classPictureId(categoria));
    if (!QFile::exists(path))
        return std::nullopt;
    QImage picture;
    if (!picture.load(path, "BMP"))
        return std::nullopt;
    return picture;
}

} // namespace zorvel

#include "assets/class_pictures.h"

#include "assets/dib_reader.h"

#include <QResource>
#include <QString>

namespace zorvel {

namespace {
constexpr int firstPictureId = 100;
}

int classPictureId(std::optional<int> categoria) { return firstPictureId + categoria.value_or(0); }

std::optional<QImage> loadClassPicture(std::optional<int> categoria) {
    // The bitmaps are stored uncompressed, so the resource is the file's bytes in
    // the program's memory; every call decodes a new image from them.
    const QResource bitmap(QStringLiteral(":/zorvel/pictures/%1.bmp").arg(classPictureId(categoria)));
    if (!bitmap.isValid() || bitmap.compressionAlgorithm() != QResource::NoCompression)
        return std::nullopt;
    return dib::readBitmapFile(QByteArrayView(bitmap.data(), bitmap.size()));
}

} // namespace zorvel

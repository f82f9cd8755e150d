// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/program_resources.h"

#include "assets/bitmap_format.h"

#include <QtEndian>

#include <windows.h>

namespace zorvel::resources {
namespace {

// The languages packaging/windows/zorvel.rc gives its resources: the pictures are
// Italian (1040), the icon neutral.
const WORD italian = MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN);
const WORD neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// A resource of the executable, in place: Windows maps it with the program's image.
QByteArrayView resourceBytes(LPCWSTR type, int id, WORD language) {
    HRSRC found = FindResourceExW(nullptr, type, MAKEINTRESOURCEW(id), language);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return QByteArrayView(static_cast<const char*>(bytes), SizeofResource(nullptr, found));
}

constexpr int iconGroupId = 1;
constexpr qsizetype groupHeaderSize = 6; // reserved, type 1, count
constexpr qsizetype groupEntrySize = 14; // as in an icon file, with the image's id last

// A bitmap resource is a .bmp file without its file header, the form Qt reads as "dib".
std::optional<QImage> decodedBitmap(QByteArrayView bytes) {
    QImage image = QImage::fromData(bytes, "DIB");
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace

std::optional<QImage> bitmap(int id) { return decodedBitmap(resourceBytes(RT_BITMAP, id, italian)); }

// The true-colour images of the icon group (48, 32 and 16 pixels), each under a header
// that makes Qt's reader keep its alpha.
QList<QImage> windowIconImages() {
    QList<QImage> images;
    const QByteArrayView group = resourceBytes(RT_GROUP_ICON, iconGroupId, neutral);
    if (group.size() < groupHeaderSize)
        return images;
    const int count = qFromLittleEndian<quint16>(group.data() + 4);
    for (int entry = 0; entry < count; ++entry) {
        const qsizetype at = groupHeaderSize + entry * groupEntrySize;
        if (at + groupEntrySize > group.size() || qFromLittleEndian<quint16>(group.data() + at + 6) != 32)
            continue;
        const int imageId = qFromLittleEndian<quint16>(group.data() + at + 12);
        const std::optional<QByteArray> bytes = bitmap::iconImageAsBitmap(resourceBytes(RT_ICON, imageId, neutral));
        if (const std::optional<QImage> image = bytes ? decodedBitmap(*bytes) : std::nullopt)
            images.append(*image);
    }
    return images;
}

} // namespace zorvel::resources

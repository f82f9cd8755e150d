// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/dib_reader.h"

#include <QtEndian>

#include <cstring>

namespace zorvel::dib {
namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype infoHeaderSize = 40;
constexpr qsizetype iconDirectorySize = 6;
constexpr qsizetype iconEntrySize = 16;
constexpr quint16 uncompressed = 0; // BI_RGB
constexpr qint32 largestSide = 4096;

template <typename T>
T readLittleEndian(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<T>(bytes.data() + at);
}

// The pixels of one bitmap whose info header starts at infoAt and whose rows start
// at pixelsAt. An icon image's header counts its transparency mask in the height.
std::optional<QImage> readPixels(QByteArrayView bytes, qsizetype infoAt, qsizetype pixelsAt, bool heightIncludesMask) {
    if (infoAt < 0 || infoAt + infoHeaderSize > bytes.size() ||
        readLittleEndian<quint32>(bytes, infoAt) != infoHeaderSize) {
        return std::nullopt;
    }
    const auto width = readLittleEndian<qint32>(bytes, infoAt + 4);
    auto height = readLittleEndian<qint32>(bytes, infoAt + 8);
    const auto planes = readLittleEndian<quint16>(bytes, infoAt + 12);
    const auto bitsPerPixel = readLittleEndian<quint16>(bytes, infoAt + 14);
    const auto compression = readLittleEndian<quint32>(bytes, infoAt + 16);
    if (heightIncludesMask) {
        height /= 2;
    }
    // Positive heights only: the rows are stored bottom-up.
    if (width <= 0 || height <= 0 || width > largestSide || height > largestSide || planes != 1 ||
        compression != uncompressed || (bitsPerPixel != 24 && bitsPerPixel != 32)) {
        return std::nullopt;
    }
    const qsizetype bytesPerPixel = bitsPerPixel / 8;
    const qsizetype stride = (width * bytesPerPixel + 3) / 4 * 4;
    if (pixelsAt < 0 || pixelsAt + stride * height > bytes.size()) {
        return std::nullopt;
    }
    // BGR and BGRA byte orders are the images' own layouts in memory.
    QImage image(width, height, bitsPerPixel == 24 ? QImage::Format_BGR888 : QImage::Format_ARGB32);
    if (image.isNull()) {
        return std::nullopt;
    }
    const qsizetype rowBytes = width * bytesPerPixel;
    for (int y = 0; y < height; ++y) {
        const char* source = bytes.data() + pixelsAt + stride * (height - 1 - y);
        std::memcpy(image.scanLine(y), source, static_cast<std::size_t>(rowBytes));
    }
    return image;
}

} // namespace

std::optional<QImage> readBitmapFile(QByteArrayView file) {
    if (file.size() < fileHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const auto pixelsAt = static_cast<qsizetype>(readLittleEndian<quint32>(file, 10));
    return readPixels(file, fileHeaderSize, pixelsAt, false);
}

std::optional<QImage> readBitmap(QByteArrayView bitmap) { return readPixels(bitmap, 0, infoHeaderSize, false); }

std::optional<QImage> readIconImage(QByteArrayView image) { return readPixels(image, 0, infoHeaderSize, true); }

QList<QImage> readIconFileTrueColourImages(QByteArrayView file) {
    QList<QImage> images;
    if (file.size() < iconDirectorySize || readLittleEndian<quint16>(file, 2) != 1) {
        return images;
    }
    const int count = readLittleEndian<quint16>(file, 4);
    for (int entry = 0; entry < count; ++entry) {
        const qsizetype entryAt = iconDirectorySize + entry * iconEntrySize;
        if (entryAt + iconEntrySize > file.size() || readLittleEndian<quint16>(file, entryAt + 6) != 32) {
            continue;
        }
        const auto imageAt = static_cast<qsizetype>(readLittleEndian<quint32>(file, entryAt + 12));
        if (imageAt < 0 || imageAt > file.size()) {
            continue;
        }
        if (const auto image = readIconImage(file.sliced(imageAt))) {
            images.append(*image);
        }
    }
    return images;
}

} // namespace zorvel::dib

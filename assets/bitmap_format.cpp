// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/bitmap_format.h"

#include <cstring>

namespace zorvel::bitmap {
namespace {

constexpr qint32 largestSide = 4096;

// The pixels of one bitmap whose info header starts at infoAt and whose rows start
// at pixelsAt.
std::optional<QImage> readPixels(QByteArrayView bytes, qsizetype infoAt, qsizetype pixelsAt, bool heightIncludesMask) {
    if (infoAt < 0 || infoAt + infoHeaderSize > bytes.size()) {
        return std::nullopt;
    }
    const InfoHeader header = readInfoHeader(bytes, infoAt);
    const qint32 width = header.width;
    const qint32 height = heightIncludesMask ? header.height / 2 : header.height;
    const auto bitsPerPixel = static_cast<int>(header.bitsPerPixel);
    // Positive heights only: the rows are stored bottom-up.
    if (header.headerSize != infoHeaderSize || width <= 0 || height <= 0 || width > largestSide ||
        height > largestSide || header.planes != 1 || header.compression != uncompressed ||
        (bitsPerPixel != 24 && bitsPerPixel != 32)) {
        return std::nullopt;
    }
    const qsizetype stride = rowStride(width, bitsPerPixel);
    if (pixelsAt < 0 || pixelsAt + stride * height > bytes.size()) {
        return std::nullopt;
    }
    // BGR and BGRA byte orders are the images' own layouts in memory.
    QImage image(width, height, bitsPerPixel == 24 ? QImage::Format_BGR888 : QImage::Format_ARGB32);
    if (image.isNull()) {
        return std::nullopt;
    }
    const qsizetype rowBytes = qsizetype(width) * bitsPerPixel / 8;
    for (int y = 0; y < height; ++y) {
        const char* source = bytes.data() + pixelsAt + stride * (height - 1 - y);
        std::memcpy(image.scanLine(y), source, static_cast<std::size_t>(rowBytes));
    }
    return image;
}

} // namespace

std::uint8_t readU8(QByteArrayView bytes, qsizetype at) { return static_cast<std::uint8_t>(bytes.at(at)); }

std::uint16_t readU16(QByteArrayView bytes, qsizetype at) {
    return static_cast<std::uint16_t>(readU8(bytes, at) | readU8(bytes, at + 1) << 8);
}

std::uint32_t readU32(QByteArrayView bytes, qsizetype at) {
    return readU16(bytes, at) | std::uint32_t{readU16(bytes, at + 2)} << 16;
}

std::int32_t readI32(QByteArrayView bytes, qsizetype at) { return static_cast<std::int32_t>(readU32(bytes, at)); }

void appendU8(QByteArray& out, std::uint8_t value) { out.append(static_cast<char>(value)); }

void appendU16(QByteArray& out, std::uint16_t value) {
    appendU8(out, static_cast<std::uint8_t>(value & 0xFF));
    appendU8(out, static_cast<std::uint8_t>(value >> 8));
}

void appendU32(QByteArray& out, std::uint32_t value) {
    appendU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    appendU16(out, static_cast<std::uint16_t>(value >> 16));
}

void appendI32(QByteArray& out, std::int32_t value) { appendU32(out, static_cast<std::uint32_t>(value)); }

qsizetype rowStride(qsizetype width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

InfoHeader readInfoHeader(QByteArrayView bytes, qsizetype at) {
    InfoHeader header{};
    header.headerSize = readU32(bytes, at);
    header.width = readI32(bytes, at + 4);
    header.height = readI32(bytes, at + 8);
    header.planes = readU16(bytes, at + 12);
    header.bitsPerPixel = readU16(bytes, at + 14);
    header.compression = readU32(bytes, at + 16);
    header.imageSize = readU32(bytes, at + 20);
    header.pixelsPerMetreX = readI32(bytes, at + 24);
    header.pixelsPerMetreY = readI32(bytes, at + 28);
    header.coloursUsed = readU32(bytes, at + 32);
    return header;
}

void appendInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, qsizetype imageBytes) {
    appendU32(out, static_cast<std::uint32_t>(infoHeaderSize));
    appendI32(out, width);
    appendI32(out, height);
    appendU16(out, 1); // planes
    appendU16(out, static_cast<std::uint16_t>(bitsPerPixel));
    appendU32(out, uncompressed);
    appendU32(out, static_cast<std::uint32_t>(imageBytes));
    appendI32(out, pixelsPerMetre);
    appendI32(out, pixelsPerMetre);
    appendU32(out, 0); // colours used: all the table holds
    appendU32(out, 0); // important colours: all
}

void appendPixelRows(QByteArray& out, const QImage& image, int bitsPerPixel) {
    const qsizetype stride = rowStride(image.width(), bitsPerPixel);
    for (int y = image.height() - 1; y >= 0; --y) {
        const qsizetype rowStart = out.size();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            appendU8(out, static_cast<std::uint8_t>(qBlue(pixel)));
            appendU8(out, static_cast<std::uint8_t>(qGreen(pixel)));
            appendU8(out, static_cast<std::uint8_t>(qRed(pixel)));
            if (bitsPerPixel == 32)
                appendU8(out, static_cast<std::uint8_t>(qAlpha(pixel)));
        }
        out.append(stride - (out.size() - rowStart), '\0');
    }
}

QByteArray bitmapFile(const QImage& image, int bitsPerPixel) {
    const QImage pixels = image.convertToFormat(bitsPerPixel == 32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const qsizetype pixelBytes = rowStride(pixels.width(), bitsPerPixel) * pixels.height();
    const qsizetype pixelsAt = fileHeaderSize + infoHeaderSize;
    QByteArray out;
    out.reserve(pixelsAt + pixelBytes);
    out.append("BM", 2);
    appendU32(out, static_cast<std::uint32_t>(pixelsAt + pixelBytes));
    appendU32(out, 0); // reserved
    appendU32(out, static_cast<std::uint32_t>(pixelsAt));
    appendInfoHeader(out, pixels.width(), pixels.height(), bitsPerPixel, pixelBytes);
    appendPixelRows(out, pixels, bitsPerPixel);
    return out;
}

std::optional<QImage> readBitmapFile(QByteArrayView file) {
    if (file.size() < fileHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    return readPixels(file, fileHeaderSize, static_cast<qsizetype>(readU32(file, 10)), false);
}

std::optional<QImage> readBitmap(QByteArrayView bitmap) { return readPixels(bitmap, 0, infoHeaderSize, false); }

std::optional<QImage> readIconImage(QByteArrayView image) { return readPixels(image, 0, infoHeaderSize, true); }

QList<QImage> readIconFileTrueColourImages(QByteArrayView file) {
    QList<QImage> images;
    if (file.size() < iconDirectorySize || readU16(file, 2) != 1) {
        return images;
    }
    const int count = readU16(file, 4);
    for (int entry = 0; entry < count; ++entry) {
        const qsizetype entryAt = iconDirectorySize + entry * iconEntrySize;
        if (entryAt + iconEntrySize > file.size() || readU16(file, entryAt + 6) != 32) {
            continue;
        }
        const auto imageAt = static_cast<qsizetype>(readU32(file, entryAt + 12));
        if (imageAt > file.size()) {
            continue;
        }
        if (const auto image = readIconImage(file.sliced(imageAt))) {
            images.append(*image);
        }
    }
    return images;
}

} // namespace zorvel::bitmap

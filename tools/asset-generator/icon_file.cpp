// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/asset-generator/icon_file.h"

#include "assets/bitmap_format.h"
#include "tools/asset-generator/palette.h"

namespace zorvel::generator {

using namespace zorvel::bitmap;

namespace {

constexpr std::uint16_t iconType = 1;
constexpr int directoryHeaderBytes = 6;
constexpr int fileEntryBytes = 16;

// The AND mask: one bit per pixel, set where the background shows through.
void appendMask(QByteArray& out, const QImage& image, bool honourTransparency) {
    const qsizetype stride = rowStride(image.width(), 1);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (honourTransparency && qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
}

void appendImageHeader(QByteArray& out, const QImage& image, int bitsPerPixel) {
    const qsizetype colourBytes = rowStride(image.width(), bitsPerPixel) * image.height();
    const qsizetype maskBytes = rowStride(image.width(), 1) * image.height();
    appendInfoHeader(out, image.width(), 2 * image.height(), bitsPerPixel, colourBytes + maskBytes);
}

void appendDirectoryHeader(QByteArray& out, std::size_t count) {
    appendU16(out, 0);
    appendU16(out, iconType);
    appendU16(out, static_cast<std::uint16_t>(count));
}

// Width, height, colour count, reserved, planes, bits per pixel, byte size:
// common to the file's directory and the group resource.
void appendEntryCommon(QByteArray& out, const IconImage& image) {
    appendU8(out, static_cast<std::uint8_t>(image.size)); // 256 would be stored as 0
    appendU8(out, static_cast<std::uint8_t>(image.size));
    appendU8(out, 0); // colour count: 0 for 256 colours and more
    appendU8(out, 0);
    appendU16(out, 1);
    appendU16(out, static_cast<std::uint16_t>(image.bitsPerPixel));
    appendU32(out, static_cast<std::uint32_t>(image.bytes.size()));
}

} // namespace

IconImage indexedIconImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QByteArray out;
    appendImageHeader(out, image, 8);
    for (const QRgb colour : iconPalette()) {
        appendU8(out, static_cast<std::uint8_t>(qBlue(colour)));
        appendU8(out, static_cast<std::uint8_t>(qGreen(colour)));
        appendU8(out, static_cast<std::uint8_t>(qRed(colour)));
        appendU8(out, 0);
    }
    const qsizetype stride = rowStride(image.width(), 8);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            // Under a set mask bit the colour must be black (index 0), or it would
            // tint the background.
            row[x] = static_cast<char>(qAlpha(pixel) < 128 ? 0 : nearestPaletteIndex(pixel));
        }
        out.append(row);
    }
    appendMask(out, image, true);
    return {image.width(), 8, out};
}

IconImage trueColourIconImage(const QImage& source, int bitsPerPixel) {
    // Without alpha, so that every 32-bit pixel is stored fully opaque.
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QByteArray out;
    appendImageHeader(out, image, bitsPerPixel);
    appendPixelRows(out, image, bitsPerPixel);
    appendMask(out, image, false);
    return {image.width(), bitsPerPixel, out};
}

QByteArray iconFile(const std::vector<IconImage>& images) {
    QByteArray out;
    appendDirectoryHeader(out, images.size());
    std::uint32_t offset = directoryHeaderBytes + fileEntryBytes * static_cast<std::uint32_t>(images.size());
    for (const IconImage& image : images) {
        appendEntryCommon(out, image);
        appendU32(out, offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
    }
    for (const IconImage& image : images)
        out.append(image.bytes);
    return out;
}

QByteArray iconGroupResource(const std::vector<IconImage>& images, int firstId) {
    QByteArray out;
    appendDirectoryHeader(out, images.size());
    int id = firstId;
    for (const IconImage& image : images) {
        appendEntryCommon(out, image);
        appendU16(out, static_cast<std::uint16_t>(id++));
    }
    return out;
}

} // namespace zorvel::generator

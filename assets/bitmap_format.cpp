// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/bitmap_format.h"

namespace zorvel::bitmap {
namespace {

// The first 40 bytes of every info header, whatever its size.
void appendHeaderStart(QByteArray& out, qsizetype headerSize, int width, int height, int bitsPerPixel,
                       std::uint32_t compression, qsizetype imageBytes) {
    appendU32(out, static_cast<std::uint32_t>(headerSize));
    appendI32(out, width);
    appendI32(out, height);
    appendU16(out, 1); // planes
    appendU16(out, static_cast<std::uint16_t>(bitsPerPixel));
    appendU32(out, compression);
    appendU32(out, static_cast<std::uint32_t>(imageBytes));
    appendI32(out, pixelsPerMetre);
    appendI32(out, pixelsPerMetre);
    appendU32(out, 0); // colours used: all the table holds
    appendU32(out, 0); // important colours: all
}

// The version 4 header of a 32-bit bitmap whose bytes are blue, green, red, alpha:
// the channel masks, the sRGB colour space, no end points, no gamma.
void appendAlphaInfoHeader(QByteArray& out, int width, int height, qsizetype imageBytes) {
    const qsizetype start = out.size();
    appendHeaderStart(out, alphaInfoHeaderSize, width, height, 32, channelMasks, imageBytes);
    for (const std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        appendU32(out, mask);
    appendU32(out, 0x73524742); // LCS_sRGB, "sRGB"
    out.append(alphaInfoHeaderSize - (out.size() - start), '\0');
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
    appendHeaderStart(out, infoHeaderSize, width, height, bitsPerPixel, uncompressed, imageBytes);
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
    const qsizetype pixelsAt = fileHeaderSize + (bitsPerPixel == 32 ? alphaInfoHeaderSize : infoHeaderSize);
    QByteArray out;
    out.reserve(pixelsAt + pixelBytes);
    out.append("BM", 2);
    appendU32(out, static_cast<std::uint32_t>(pixelsAt + pixelBytes));
    appendU32(out, 0); // reserved
    appendU32(out, static_cast<std::uint32_t>(pixelsAt));
    if (bitsPerPixel == 32)
        appendAlphaInfoHeader(out, pixels.width(), pixels.height(), pixelBytes);
    else
        appendInfoHeader(out, pixels.width(), pixels.height(), bitsPerPixel, pixelBytes);
    appendPixelRows(out, pixels, bitsPerPixel);
    return out;
}

std::optional<QByteArray> iconImageAsBitmap(QByteArrayView iconImage) {
    if (iconImage.size() < infoHeaderSize)
        return std::nullopt;
    const InfoHeader header = readInfoHeader(iconImage, 0);
    const std::int32_t height = header.height / 2;
    if (header.headerSize != infoHeaderSize || header.width <= 0 || height <= 0 || header.planes != 1 ||
        header.bitsPerPixel != 32 || header.compression != uncompressed)
        return std::nullopt;
    const qsizetype pixelBytes = rowStride(header.width, 32) * height;
    if (pixelBytes > iconImage.size() - infoHeaderSize)
        return std::nullopt;
    QByteArray out;
    out.reserve(alphaInfoHeaderSize + pixelBytes);
    appendAlphaInfoHeader(out, header.width, height, pixelBytes);
    out.append(iconImage.sliced(infoHeaderSize, pixelBytes));
    return out;
}

} // namespace zorvel::bitmap

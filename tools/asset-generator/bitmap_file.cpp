// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/asset-generator/bitmap_file.h"

#include "tools/asset-generator/little_endian.h"

namespace zorvel::generator {

namespace {
constexpr int fileHeaderBytes = 14;
constexpr int infoHeaderBytes = 40;
constexpr std::int32_t pixelsPerMetre = 2834;
constexpr std::uint32_t noCompression = 0; // BI_RGB
} // namespace

int bitmapRowStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

void appendBitmapInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, int imageBytes) {
    appendU32(out, infoHeaderBytes);
    appendI32(out, width);
    appendI32(out, height); // positive: the rows are stored bottom-up
    appendU16(out, 1);      // planes
    appendU16(out, static_cast<std::uint16_t>(bitsPerPixel));
    appendU32(out, noCompression);
    appendU32(out, static_cast<std::uint32_t>(imageBytes));
    appendI32(out, pixelsPerMetre);
    appendI32(out, pixelsPerMetre);
    appendU32(out, 0); // colours used: none, no colour table
    appendU32(out, 0); // important colours
}

QByteArray bitmapFile(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int stride = bitmapRowStride(rgb.width(), 24);
    const int pixelBytes = stride * rgb.height();
    const int pixelOffset = fileHeaderBytes + infoHeaderBytes;

    QByteArray out;
    out.reserve(pixelOffset + pixelBytes);
    out.append("BM", 2);
    appendU32(out, static_cast<std::uint32_t>(pixelOffset + pixelBytes));
    appendU32(out, 0); // reserved
    appendU32(out, pixelOffset);
    appendBitmapInfoHeader(out, rgb.width(), rgb.height(), 24, pixelBytes);

    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            appendU8(out, static_cast<std::uint8_t>(qBlue(row[x])));
            appendU8(out, static_cast<std::uint8_t>(qGreen(row[x])));
            appendU8(out, static_cast<std::uint8_t>(qRed(row[x])));
        }
        for (int pad = rgb.width() * 3; pad < stride; ++pad)
            appendU8(out, 0);
    }
    return out;
}

} // namespace zorvel::generator

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

#include <cstdint>
#include <optional>

// The Windows bitmap format, written in one place: the .bmp file, the
// device-independent bitmap it holds (as a Windows executable stores it too), and the
// images of an icon, which are bitmaps with a transparency mask. The asset generator
// and the build's png-to-bitmap tool write them with it; the tests take the files
// apart with it. The program itself decodes them with Qt's own bitmap reader, which
// builds each pixel from the stored bytes and so gives the same pixels on any byte
// order.
namespace zorvel::bitmap {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype infoHeaderSize = 40;
constexpr qsizetype iconDirectorySize = 6;
constexpr qsizetype iconEntrySize = 16;
constexpr qsizetype alphaInfoHeaderSize = 108; // the version 4 header, with channel masks
constexpr std::uint32_t uncompressed = 0;      // BI_RGB
constexpr std::uint32_t channelMasks = 3;      // BI_BITFIELDS
constexpr std::int32_t pixelsPerMetre = 2834;  // 72 dots per inch

// Every number is stored least significant byte first. A read must lie inside bytes.
std::uint8_t readU8(QByteArrayView bytes, qsizetype at);
std::uint16_t readU16(QByteArrayView bytes, qsizetype at);
std::uint32_t readU32(QByteArrayView bytes, qsizetype at);
std::int32_t readI32(QByteArrayView bytes, qsizetype at);
void appendU8(QByteArray& out, std::uint8_t value);
void appendU16(QByteArray& out, std::uint16_t value);
void appendU32(QByteArray& out, std::uint32_t value);
void appendI32(QByteArray& out, std::int32_t value);

// Bytes in one stored row: rows are padded to a multiple of four.
qsizetype rowStride(qsizetype width, int bitsPerPixel);

// The 40-byte header that starts every device-independent bitmap. A positive height
// means bottom-up rows; an icon image counts its transparency mask in the height.
struct InfoHeader {
    std::uint32_t headerSize, planes, bitsPerPixel, compression, imageSize, coloursUsed;
    std::int32_t width, height, pixelsPerMetreX, pixelsPerMetreY;
};
InfoHeader readInfoHeader(QByteArrayView bytes, qsizetype at);

// The header every bitmap written here carries: one plane, no compression, 72 dots
// per inch, bottom-up rows, no colour table unless the caller appends one.
void appendInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, qsizetype imageBytes);

// The image's rows bottom-up, each padded to four bytes: blue, green, red, and at 32
// bits the alpha of the image's pixel (255 for an image without alpha).
void appendPixelRows(QByteArray& out, const QImage& image, int bitsPerPixel);

// A whole .bmp file: file header, info header and the rows at 24 bits (alpha dropped)
// or 32 bits (alpha kept in the fourth byte). A reader takes that fourth byte as alpha
// only where the header says so, so a 32-bit file carries the version 4 header with
// the masks of blue, green, red and alpha.
QByteArray bitmapFile(const QImage& image, int bitsPerPixel);

// One 32-bit image of an icon, as an icon file holds it and a Windows executable stores
// it (RT_ICON): the info header with the transparency mask counted in its height, the
// pixels, then the mask, which the 32-bit images leave to their alpha channel. Returned
// as a bitmap without file header that Qt's reader (format "dib") decodes with its
// alpha; nothing for any other kind of image or bytes too short for their header.
std::optional<QByteArray> iconImageAsBitmap(QByteArrayView iconImage);

} // namespace zorvel::bitmap

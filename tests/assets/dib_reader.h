// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <cstdint>

// Reads the little-endian numbers of Windows bitmap, icon and resource files.
namespace zorvel::testing {

inline std::uint32_t readU8(const QByteArray& bytes, qsizetype at) { return static_cast<std::uint8_t>(bytes.at(at)); }

inline std::uint32_t readU16(const QByteArray& bytes, qsizetype at) {
    return readU8(bytes, at) | readU8(bytes, at + 1) << 8;
}

inline std::uint32_t readU32(const QByteArray& bytes, qsizetype at) {
    return readU16(bytes, at) | readU16(bytes, at + 2) << 16;
}

inline std::int32_t readI32(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::int32_t>(readU32(bytes, at));
}

// The 40-byte header that starts every device-independent bitmap.
struct BitmapInfoHeader {
    std::uint32_t headerSize, planes, bitsPerPixel, compression, imageSize, coloursUsed;
    std::int32_t width, height, pixelsPerMetreX, pixelsPerMetreY;
};

inline BitmapInfoHeader readBitmapInfoHeader(const QByteArray& bytes, qsizetype at) {
    BitmapInfoHeader header{};
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

inline int rowStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

} // namespace zorvel::testing

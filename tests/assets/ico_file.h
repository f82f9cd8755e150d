// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assets/bitmap_format.h"

#include <QByteArray>

#include <vector>

// Reads the directory of an icon file (.ico) and the bytes of each image.
namespace zorvel::testing {

struct IconEntry {
    int width, height, colourCount, reserved, planes, bitsPerPixel;
    qsizetype byteSize, offset;
    QByteArray image;
};

struct IconDirectory {
    int reserved = -1;
    int type = -1;
    std::vector<IconEntry> entries;
};

inline IconDirectory readIconFile(const QByteArray& bytes) {
    IconDirectory directory;
    if (bytes.size() < 6)
        return directory;
    directory.reserved = static_cast<int>(bitmap::readU16(bytes, 0));
    directory.type = static_cast<int>(bitmap::readU16(bytes, 2));
    const int count = static_cast<int>(bitmap::readU16(bytes, 4));
    for (int index = 0; index < count && 6 + 16 * (index + 1) <= bytes.size(); ++index) {
        const qsizetype at = 6 + 16 * index;
        IconEntry entry{};
        entry.width = static_cast<int>(bitmap::readU8(bytes, at));
        entry.height = static_cast<int>(bitmap::readU8(bytes, at + 1));
        entry.colourCount = static_cast<int>(bitmap::readU8(bytes, at + 2));
        entry.reserved = static_cast<int>(bitmap::readU8(bytes, at + 3));
        entry.planes = static_cast<int>(bitmap::readU16(bytes, at + 4));
        entry.bitsPerPixel = static_cast<int>(bitmap::readU16(bytes, at + 6));
        entry.byteSize = bitmap::readU32(bytes, at + 8);
        entry.offset = bitmap::readU32(bytes, at + 12);
        entry.image = bytes.mid(entry.offset, entry.byteSize);
        directory.entries.push_back(entry);
    }
    return directory;
}

// Bit (x, y) of an icon image's transparency mask, y counted from the top.
inline bool maskBit(const QByteArray& image, int size, int bitsPerPixel, int x, int y) {
    const int paletteBytes = bitsPerPixel == 8 ? 256 * 4 : 0;
    const qsizetype maskStart = 40 + paletteBytes + qsizetype(bitmap::rowStride(size, bitsPerPixel)) * size;
    const qsizetype row = maskStart + qsizetype(bitmap::rowStride(size, 1)) * (size - 1 - y);
    return (bitmap::readU8(image, row + x / 8) & (0x80u >> (x % 8))) != 0;
}

} // namespace zorvel::testing

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assets/bitmap_format.h"

#include <QByteArray>

#include <stdexcept>
#include <vector>

// Reads a compiled resource file (.res, as windres -O res writes it): a list of
// entries, each a header naming type, id and language, then the data.
namespace zorvel::testing {

struct Resource {
    int type;
    int id;
    int language;
    QByteArray data;
};

inline qsizetype alignTo4(qsizetype at) { return (at + 3) & ~qsizetype(3); }

// Type and name are numbers here (0xFFFF then the number); names as texts are not
// expected and are reported as -1.
inline int readOrdinal(const QByteArray& bytes, qsizetype& at) {
    if (bitmap::readU16(bytes, at) == 0xFFFF) {
        const int value = static_cast<int>(bitmap::readU16(bytes, at + 2));
        at += 4;
        return value;
    }
    while (bitmap::readU16(bytes, at) != 0)
        at += 2;
    at += 2;
    return -1;
}

inline std::vector<Resource> readResourceFile(const QByteArray& bytes) {
    std::vector<Resource> resources;
    qsizetype at = 0;
    while (at + 32 <= bytes.size()) {
        const qsizetype start = at;
        const auto dataSize = static_cast<qsizetype>(bitmap::readU32(bytes, at));
        const auto headerSize = static_cast<qsizetype>(bitmap::readU32(bytes, at + 4));
        at += 8;
        const int type = readOrdinal(bytes, at);
        const int id = readOrdinal(bytes, at);
        at = alignTo4(at);
        const int language = static_cast<int>(bitmap::readU16(bytes, at + 6));
        const qsizetype dataStart = start + headerSize;
        if (dataStart + dataSize > bytes.size())
            throw std::runtime_error("resource data runs past the end of the file");
        // The file opens with an empty entry that only marks the format.
        if (!(type == 0 && id == 0 && dataSize == 0))
            resources.push_back({type, id, language, bytes.mid(dataStart, dataSize)});
        at = alignTo4(dataStart + dataSize);
    }
    return resources;
}

} // namespace zorvel::testing

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assets/bitmap_format.h"

#include <QByteArray>

#include <cstdint>
#include <stdexcept>
#include <vector>

// Reads the resources of a compiled resource file (.res, as windres -O res writes it)
// or of a Windows program, as Windows finds them there.
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

// A Windows program (PE): the resource section is a tree of directories, one level each
// for type, name and language, whose leaves give the data's address in memory.
inline std::vector<Resource> readExecutableResources(const QByteArray& bytes) {
    using bitmap::readU16, bitmap::readU32;
    const qsizetype pe = readU32(bytes, 0x3C);
    const qsizetype optionalHeader = pe + 24, sections = optionalHeader + readU16(bytes, pe + 20);
    const qsizetype dataDirectories = optionalHeader + (readU16(bytes, optionalHeader) == 0x20B ? 112 : 96);
    const auto offsetOf = [&](std::uint32_t address) -> qsizetype {
        for (qsizetype section = sections; section < sections + 40 * readU16(bytes, pe + 6); section += 40) {
            const std::uint32_t start = readU32(bytes, section + 12);
            if (address >= start && address - start < readU32(bytes, section + 16))
                return address - start + readU32(bytes, section + 20);
        }
        throw std::runtime_error("an address outside every section of the program");
    };
    const qsizetype root = offsetOf(readU32(bytes, dataDirectories + 2 * 8)); // the resource directory
    std::vector<Resource> resources;
    const auto walk = [&](const auto& walkOn, qsizetype directory, std::vector<int> path) -> void {
        const int entries = readU16(bytes, directory + 12) + readU16(bytes, directory + 14);
        for (qsizetype entry = directory + 16; entry < directory + 16 + 8 * entries; entry += 8) {
            const std::uint32_t name = readU32(bytes, entry);
            const std::uint32_t target = readU32(bytes, entry + 4);
            std::vector<int> here = path;
            here.push_back(name & 0x80000000 ? -1 : static_cast<int>(name)); // a name as text: -1
            if (target & 0x80000000) {
                walkOn(walkOn, root + (target & 0x7FFFFFFF), here);
            } else if (here.size() == 3) {
                resources.push_back(
                    {here[0], here[1], here[2],
                     bytes.mid(offsetOf(readU32(bytes, root + target)), readU32(bytes, root + target + 4))});
            }
        }
    };
    walk(walk, root, {});
    return resources;
}

// Either kind of file, told apart by the program's "MZ".
inline std::vector<Resource> readResources(const QByteArray& bytes) {
    return bytes.startsWith("MZ") ? readExecutableResources(bytes) : readResourceFile(bytes);
}

} // namespace zorvel::testing

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "res_file.h"

#include <QString>

#include <vector>

// Reads a version record (VS_VERSION_INFO): a tree of blocks, each with a key,
// an optional value (text or binary) and child blocks.
namespace zorvel::testing {

struct VersionBlock {
    QString key;
    bool isText = false;
    QByteArray value; // binary values as stored
    QString text;     // text values without the closing zero
    std::vector<VersionBlock> children;
};

inline VersionBlock readVersionBlock(const QByteArray& bytes, qsizetype start) {
    VersionBlock block;
    const auto length = static_cast<qsizetype>(bitmap::readU16(bytes, start));
    const auto valueLength = static_cast<qsizetype>(bitmap::readU16(bytes, start + 2));
    block.isText = bitmap::readU16(bytes, start + 4) == 1;
    qsizetype at = start + 6;
    while (bitmap::readU16(bytes, at) != 0) {
        block.key.append(QChar(static_cast<char16_t>(bitmap::readU16(bytes, at))));
        at += 2;
    }
    at = alignTo4(at + 2);
    if (valueLength > 0) {
        // Texts count their length in characters, binary values in bytes.
        const qsizetype valueBytes = block.isText ? 2 * valueLength : valueLength;
        block.value = bytes.mid(at, valueBytes);
        if (block.isText) {
            for (qsizetype i = 0; i + 1 < valueBytes; i += 2) {
                const auto unit = static_cast<char16_t>(bitmap::readU16(block.value, i));
                if (unit == 0)
                    break;
                block.text.append(QChar(unit));
            }
        }
        at = alignTo4(at + valueBytes);
    }
    while (at < start + length) {
        block.children.push_back(readVersionBlock(bytes, at));
        at = alignTo4(at + static_cast<qsizetype>(bitmap::readU16(bytes, at)));
    }
    return block;
}

} // namespace zorvel::testing

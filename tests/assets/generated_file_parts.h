// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// Splits a generated picture or icon file into what must be the same on every
// machine and what a rasteriser drew. Headers, directories, colour tables, row
// padding and anything else that is not a pixel are kept as named byte sections to
// compare exactly; the pixels become pictures to compare within a tolerance.
namespace zorvel::testing {

enum class FileFormat {
    Bitmap,    // .bmp: file header, then a device-independent bitmap
    Icon,      // .ico: a directory, then one bitmap with a transparency mask per entry
    IconImage, // one entry of an .ico on its own, as the Windows resources keep it
    Png,
    Bytes, // not a picture: compared byte for byte
};

enum class PixelKind {
    // Channel values as the rasteriser left them.
    Direct,
    // Colour-table indices and transparency-mask bits: the drawn colour was rounded
    // to a table entry or to a bit, so a pixel one step off on another processor
    // can land on the neighbouring entry or the other side of the threshold.
    Quantised,
};

struct Picture {
    QString name;
    PixelKind kind;
    QImage pixels; // ARGB32, premultiplied, so that hidden colours under alpha 0 do not count
};

struct FileParts {
    std::vector<std::pair<QString, QByteArray>> exact;
    std::vector<Picture> pictures;
    QString unreadable; // why the file could not be split; empty when it could
};

FileParts splitGeneratedFile(FileFormat format, const QByteArray& bytes);

} // namespace zorvel::testing

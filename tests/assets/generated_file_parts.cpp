// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generated_file_parts.h"

#include "assets/bitmap_format.h"

#include <QtEndian>

#include <optional>

namespace zorvel::testing {

using namespace zorvel::bitmap;

namespace {

constexpr int largestSide = 4096;

// Appends the bitmap whose info header starts at `at` and whose bytes end at `end`.
// The rows start at pixelsAt, or right after the colour table when it is not given;
// an icon image counts its transparency mask in the height and stores it after the rows.
bool splitBitmap(const QByteArray& bytes, qsizetype at, std::optional<qsizetype> pixelsAt, qsizetype end, bool withMask,
                 const QString& name, FileParts& parts) {
    if (at < 0 || end > bytes.size() || at + infoHeaderSize > end) {
        parts.unreadable = name + QStringLiteral(": shorter than its header");
        return false;
    }
    const InfoHeader header = readInfoHeader(bytes, at);
    const int width = header.width;
    const int height = withMask ? header.height / 2 : header.height;
    const int bits = static_cast<int>(header.bitsPerPixel);
    if (header.headerSize != infoHeaderSize || header.compression != 0 || width <= 0 || height <= 0 ||
        width > largestSide || height > largestSide || (bits != 8 && bits != 24 && bits != 32)) {
        parts.unreadable = name + QStringLiteral(": not an uncompressed bitmap of 8, 24 or 32 bits a pixel");
        return false;
    }
    const qsizetype tableAt = at + infoHeaderSize;
    const qsizetype tableEntries = bits != 8 ? 0 : header.coloursUsed != 0 ? header.coloursUsed : 256;
    const qsizetype rowsAt = pixelsAt.value_or(tableAt + 4 * tableEntries);
    const qsizetype stride = rowStride(width, bits);
    const qsizetype maskStride = withMask ? rowStride(width, 1) : 0;
    const qsizetype rowsEnd = rowsAt + (stride + maskStride) * height;
    if (rowsAt < tableAt + 4 * tableEntries || rowsEnd > end) {
        parts.unreadable = name + QStringLiteral(": its rows run past the end of its bytes");
        return false;
    }
    parts.exact.emplace_back(name + QStringLiteral(" header and colour table"), bytes.mid(at, rowsAt - at));

    const qsizetype pixelBytes = qsizetype(width) * bits / 8;
    QImage colours(width, height, QImage::Format_ARGB32_Premultiplied);
    QByteArray unusedBytes;
    for (int y = 0; y < height; ++y) {
        const qsizetype row = rowsAt + stride * (height - 1 - y); // rows are stored bottom-up
        auto* out = reinterpret_cast<QRgb*>(colours.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 8) {
                const qsizetype index = readU8(bytes, row + x);
                if (index >= tableEntries) {
                    parts.unreadable = name + QStringLiteral(": a pixel names a colour past the table");
                    return false;
                }
                const qsizetype entry = tableAt + 4 * index;
                out[x] = qRgb(readU8(bytes, entry + 2), readU8(bytes, entry + 1), readU8(bytes, entry));
            } else {
                const qsizetype pixel = row + qsizetype(x) * bits / 8;
                const int alpha = bits == 32 ? static_cast<int>(readU8(bytes, pixel + 3)) : 255;
                out[x] = qPremultiply(
                    qRgba(readU8(bytes, pixel + 2), readU8(bytes, pixel + 1), readU8(bytes, pixel), alpha));
            }
        }
        unusedBytes.append(bytes.mid(row + pixelBytes, stride - pixelBytes));
    }
    parts.pictures.push_back(
        {name + QStringLiteral(" colours"), bits == 8 ? PixelKind::Quantised : PixelKind::Direct, colours});

    if (withMask) {
        QImage mask(width, height, QImage::Format_ARGB32_Premultiplied);
        const qsizetype maskAt = rowsAt + stride * height;
        for (int y = 0; y < height; ++y) {
            QByteArray row = bytes.mid(maskAt + maskStride * (height - 1 - y), maskStride);
            for (int x = 0; x < width; ++x) {
                const char bit = static_cast<char>(0x80 >> (x % 8));
                mask.setPixel(x, y, (row[x / 8] & bit) != 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
                row[x / 8] = static_cast<char>(row[x / 8] & ~bit); // what is left must be zero on both sides
            }
            unusedBytes.append(row);
        }
        parts.pictures.push_back({name + QStringLiteral(" transparency mask"), PixelKind::Quantised, mask});
    }
    parts.exact.emplace_back(name + QStringLiteral(" row padding"), unusedBytes);
    parts.exact.emplace_back(name + QStringLiteral(" bytes after the rows"), bytes.mid(rowsEnd, end - rowsEnd));
    return true;
}

void splitBitmapFile(const QByteArray& bytes, FileParts& parts) {
    if (bytes.size() < fileHeaderSize || !bytes.startsWith("BM")) {
        parts.unreadable = QStringLiteral("not a bitmap file");
        return;
    }
    parts.exact.emplace_back(QStringLiteral("file header"), bytes.first(fileHeaderSize));
    splitBitmap(bytes, fileHeaderSize, readU32(bytes, 10), bytes.size(), false, QStringLiteral("bitmap"), parts);
}

void splitIconFile(const QByteArray& bytes, FileParts& parts) {
    const int count = bytes.size() < iconDirectorySize ? 0 : static_cast<int>(readU16(bytes, 4));
    qsizetype next = iconDirectorySize + iconEntrySize * count;
    if (count == 0 || next > bytes.size()) {
        parts.unreadable = QStringLiteral("not an icon file");
        return;
    }
    parts.exact.emplace_back(QStringLiteral("directory"), bytes.first(next));
    for (int index = 0; index < count; ++index) {
        const qsizetype entry = iconDirectorySize + iconEntrySize * index;
        const QString name = QStringLiteral("entry %1").arg(index + 1);
        if (readU32(bytes, entry + 12) != next) {
            parts.unreadable = name + QStringLiteral(": does not follow the one before");
            return;
        }
        const qsizetype end = next + readU32(bytes, entry + 8);
        if (!splitBitmap(bytes, next, std::nullopt, end, true, name, parts))
            return;
        next = end;
    }
    parts.exact.emplace_back(QStringLiteral("bytes after the last entry"), bytes.mid(next));
}

// The chunks other than the compressed rows (the header with size, bit depth and
// colour type, the resolution) compare exactly; the rows compare as pixels, since
// the same pixels compress the same but nearly the same ones do not.
void splitPng(const QByteArray& bytes, FileParts& parts) {
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!bytes.startsWith(signature)) {
        parts.unreadable = QStringLiteral("not a PNG file");
        return;
    }
    for (qsizetype at = signature.size(); at < bytes.size();) {
        if (at + 12 > bytes.size()) {
            parts.unreadable = QStringLiteral("a chunk runs past the end of the file");
            return;
        }
        const qsizetype length = qFromBigEndian<quint32>(bytes.constData() + at);
        const QByteArray type = bytes.mid(at + 4, 4);
        if (at + 12 + length > bytes.size()) {
            parts.unreadable = QStringLiteral("chunk %1 runs past the end of the file").arg(QString::fromLatin1(type));
            return;
        }
        if (type != "IDAT")
            parts.exact.emplace_back(QStringLiteral("chunk ") + QString::fromLatin1(type), bytes.mid(at + 8, length));
        at += 12 + length;
    }
    const QImage image = QImage::fromData(bytes, "PNG");
    if (image.isNull()) {
        parts.unreadable = QStringLiteral("Qt cannot read the PNG file");
        return;
    }
    parts.pictures.push_back(
        {QStringLiteral("pixels"), PixelKind::Direct, image.convertToFormat(QImage::Format_ARGB32_Premultiplied)});
}

} // namespace

FileParts splitGeneratedFile(FileFormat format, const QByteArray& bytes) {
    FileParts parts;
    switch (format) {
    case FileFormat::Bitmap:
        splitBitmapFile(bytes, parts);
        break;
    case FileFormat::Icon:
        splitIconFile(bytes, parts);
        break;
    case FileFormat::IconImage:
        splitBitmap(bytes, 0, std::nullopt, bytes.size(), true, QStringLiteral("image"), parts);
        break;
    case FileFormat::Png:
        splitPng(bytes, parts);
        break;
    case FileFormat::Bytes:
        parts.exact.emplace_back(QStringLiteral("bytes"), bytes);
        break;
    }
    return parts;
}

} // namespace zorvel::testing

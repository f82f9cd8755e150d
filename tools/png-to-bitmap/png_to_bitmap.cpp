// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: turns a PNG into an uncompressed 32-bit bitmap whose fourth byte is the
// pixel's alpha, which the program reads in place from its resources, with neither
// a PNG decoder nor Qt's image plugins at start-up.
//
// Usage: png_to_bitmap INPUT.png OUTPUT.bmp
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace {

template <typename T>
void append(QByteArray& out, T value) {
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray bitmapFile(const QImage& image) {
    constexpr quint32 headersSize = 14 + 40;
    const auto rowBytes = static_cast<quint32>(image.width()) * 4;
    const quint32 pixelBytes = rowBytes * static_cast<quint32>(image.height());
    QByteArray out;
    out.append("BM");
    append<quint32>(out, headersSize + pixelBytes);
    append<quint32>(out, 0);
    append<quint32>(out, headersSize);
    append<quint32>(out, 40);
    append<qint32>(out, image.width());
    append<qint32>(out, image.height()); // positive: bottom-up rows
    append<quint16>(out, 1);
    append<quint16>(out, 32);
    append<quint32>(out, 0); // no compression
    append<quint32>(out, pixelBytes);
    append<qint32>(out, 2834);
    append<qint32>(out, 2834);
    append<quint32>(out, 0);
    append<quint32>(out, 0);
    // ARGB32 lies in memory as blue, green, red, alpha on a little-endian machine.
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = pixels.height() - 1; y >= 0; --y) {
        for (int x = 0; x < pixels.width(); ++x) {
            append<quint32>(out, pixels.pixel(x, y));
        }
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT.png OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !output.open(QIODevice::WriteOnly) || output.write(bitmapFile(image)) < 0) {
        std::fprintf(stderr, "%s: cannot turn %s into %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: turns a PNG into an uncompressed 32-bit bitmap whose fourth byte is the
// pixel's alpha, which the program reads in place from its resources, with neither
// a PNG decoder nor Qt's image plugins at start-up.
//
// Usage: png_to_bitmap INPUT.png OUTPUT.bmp
#include "assets/bitmap_format.h"

#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT.png OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !output.open(QIODevice::WriteOnly) ||
        output.write(zorvel::bitmap::bitmapFile(image, 32)) < 0) {
        std::fprintf(stderr, "%s: cannot turn %s into %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    return 0;
}

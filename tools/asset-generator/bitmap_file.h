// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

namespace zorvel::generator {

// The header every device-independent bitmap here carries: 40 bytes, one plane,
// no compression, 2834 pixels per metre (72 dots per inch), bottom-up rows.
void appendBitmapInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, int imageBytes);

// Bytes in one stored row: rows are padded to a multiple of four.
int bitmapRowStride(int width, int bitsPerPixel);

// A whole .bmp file: file header, info header and 24-bit bottom-up pixel rows.
QByteArray bitmapFile(const QImage& image);

} // namespace zorvel::generator

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QImage>

#include <optional>

// Reads device-independent bitmaps in the one form the program stores them: a
// 40-byte info header, 24 or 32 bits per pixel, no compression, no colour table,
// rows bottom-up and padded to 4 bytes. Reading them directly from the resource
// bytes, without an image plugin, keeps start-up and each calculation fast.
namespace zorvel::dib {

// A .bmp file: the 14-byte file header, then the bitmap.
std::optional<QImage> readBitmapFile(QByteArrayView file);

// A bitmap as a Windows executable stores it (RT_BITMAP): the info header, then
// the pixels.
std::optional<QImage> readBitmap(QByteArrayView bitmap);

// One image of an icon, as an icon file holds it and a Windows executable stores it
// (RT_ICON): the info header with the transparency mask counted in its height, the
// pixels, then the mask, which the 32-bit images leave to their alpha channel.
std::optional<QImage> readIconImage(QByteArrayView image);

// An icon file's images at 32 bits per pixel (the ones with an alpha channel).
QList<QImage> readIconFileTrueColourImages(QByteArrayView file);

} // namespace zorvel::dib

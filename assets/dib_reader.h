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

// An icon file's images at 32 bits per pixel (the ones with an alpha channel).
QList<QImage> readIconFileTrueColourImages(QByteArrayView file);

} // namespace zorvel::dib

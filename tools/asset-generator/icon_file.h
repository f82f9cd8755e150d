// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace zorvel::generator {

// One image of an icon: a device-independent bitmap of twice the image's height
// (colours, then the one-bit transparency mask), as icon files and icon
// resources store it.
struct IconImage {
    int size = 0;
    int bitsPerPixel = 0;
    QByteArray bytes;
};

// 8 bits with the 256-colour palette. Pixels less than half opaque become
// transparent through the mask; everything else is drawn as it is.
IconImage indexedIconImage(const QImage& image);

// 24 or 32 bits; 32-bit pixels are all fully opaque. The mask is empty.
IconImage trueColourIconImage(const QImage& image, int bitsPerPixel);

// The .ico file: directory, then the images in the given order.
QByteArray iconFile(const std::vector<IconImage>& images);

// The icon-group resource: the same directory, each entry naming the icon
// resource that holds its image, numbered from firstId on.
QByteArray iconGroupResource(const std::vector<IconImage>& images, int firstId);

} // namespace zorvel::generator

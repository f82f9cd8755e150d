// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "assets/class_pictures.h"

#include <QLabel>
#include <QPixmap>

// Whether the image control shows the picture of the class, pixel for pixel as the
// program's own resources give it: the pixmap is made from the bitmap, not drawn.
inline bool showsPictureOf(const QLabel& image, int categoria) {
    const std::optional<QImage> picture = zorvel::loadClassPicture(categoria);
    return picture && !image.pixmap().isNull() && image.pixmap().toImage() == QPixmap::fromImage(*picture).toImage();
}

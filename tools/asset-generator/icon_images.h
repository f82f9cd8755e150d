// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/asset-generator/icon_file.h"

#include <QImage>
#include <QString>

#include <vector>

namespace zorvel::generator {

// The scale drawn from its SVG at a square size, on a transparent background.
QImage renderScale(const QString& svgPath, int size);

// The nine images of the application icon, in their order in the icon file:
// 48, 32 and 16 pixels at 8 bits (only the 48-pixel one transparent around the
// scale), then the same sizes at 24 bits and at 32 bits, all opaque.
std::vector<IconImage> applicationIconImages(const QString& svgPath);

// Background of the icon images that have no transparency.
QImage onIconBackground(const QImage& transparent);

} // namespace zorvel::generator

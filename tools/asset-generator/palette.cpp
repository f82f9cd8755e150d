// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/asset-generator/palette.h"

namespace zorvel::generator {

namespace {

Palette buildPalette() {
    Palette palette{};
    int index = 0;
    for (int red = 0; red < 6; ++red)
        for (int green = 0; green < 6; ++green)
            for (int blue = 0; blue < 6; ++blue)
                palette[index++] = qRgb(red * 51, green * 51, blue * 51);
    constexpr int greys = 40;
    for (int step = 1; step <= greys; ++step) {
        const int level = step * 255 / (greys + 1);
        palette[index++] = qRgb(level, level, level);
    }
    return palette;
}

int squaredDistance(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

} // namespace

const Palette& iconPalette() {
    static const Palette palette = buildPalette();
    return palette;
}

int nearestPaletteIndex(QRgb colour) {
    const Palette& palette = iconPalette();
    int best = 0;
    for (int index = 1; index < static_cast<int>(palette.size()); ++index)
        if (squaredDistance(colour, palette[index]) < squaredDistance(colour, palette[best]))
            best = index;
    return best;
}

} // namespace zorvel::generator

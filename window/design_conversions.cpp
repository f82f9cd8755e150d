// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "design_conversions.h"

#include <QFontDatabase>

#include <cmath>

namespace zorvel {

int twipsToPixels(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel)); }

QColor toQColor(Colour colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

QFont designFont(FontDesign design) {
    static const bool designedFaceInstalled = QFontDatabase::families().contains(toQString(designedFamily));
    QFont font(toQString(designedFaceInstalled ? designedFamily : fallbackFamily));
    font.setPointSizeF(design.pointSize);
    font.setBold(design.bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QPalette designPalette(std::span<const SystemColourDesign> colours) {
    QPalette palette;
    for (const SystemColourDesign& colour : colours) {
        palette.setColor(colour.role, toQColor(colour.colour));
        palette.setColor(QPalette::Disabled, colour.role, toQColor(colour.disabledColour));
    }
    return palette;
}

} // namespace zorvel

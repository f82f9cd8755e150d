// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRgb>

#include <array>

namespace zorvel::generator {

// The 256 colours of the 8-bit icon images: black first (the colour under the
// transparent mask), a 6 x 6 x 6 colour cube and a ramp of 40 greys, enough for
// a black scale with a grey rim, a white dial and a red pointer.
using Palette = std::array<QRgb, 256>;

const Palette& iconPalette();

// The index of the palette colour nearest to a colour; ties go to the lower index.
int nearestPaletteIndex(QRgb colour);

} // namespace zorvel::generator

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/asset-generator/figure_builds.h"

#include <QImage>

namespace zorvel::generator {

// Draws one class's man at the stored size of its picture, on a near-white
// background with a faint, reproducible grain. The drawing is laid out in the
// on-screen box and squeezed into the picture's proportions, so that the window's
// stretch restores it.
QImage paintFigure(const FigureBuild& build);

} // namespace zorvel::generator

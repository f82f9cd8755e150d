// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

#include <array>

namespace zorvel::generator {

// How one class's man is built. Lengths are in the units of the box the window
// shows every picture in, 89 x 129, whatever the picture's own proportions.
struct FigureBuild {
    int pictureId;
    QSize pictureSize; // the stored bitmap's width and height, in pixels
    double headHalfWidth;
    double shoulderHalfWidth;
    double bellyHalfWidth; // at the belly's widest row
    double hipHalfWidth;
    double bellySag; // how far the belly hangs over the belt
    double armWidth;
    double legWidth;
    double stoop;  // 0 upright, 1 head sunk and shoulders hunched
    double stride; // 0 standing, 1 caught in mid-stride
    double smile;  // -1 glum, 0 straight, 1 broad smile
};

// The nine classes from very thin to very fat, in class order.
const std::array<FigureBuild, 9>& figureBuilds();

// The box every picture is stretched into on screen.
inline constexpr double shownWidth = 89.0;
inline constexpr double shownHeight = 129.0;

} // namespace zorvel::generator

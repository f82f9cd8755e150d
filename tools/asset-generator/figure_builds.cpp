// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/asset-generator/figure_builds.h"

namespace zorvel::generator {

namespace {

// The stored bitmaps are three times the pixel size of the table the window was
// designed with, so they stay sharp on a screen scaled by two.
constexpr int pixelScale = 3;

constexpr QSize storedSize(int width, int height) { return {width * pixelScale, height * pixelScale}; }

} // namespace

const std::array<FigureBuild, 9>& figureBuilds() {
    // id   stored size            head shoulder belly  hip  sag  arm   leg  stoop stride smile
    static const std::array<FigureBuild, 9> builds{{
        {101, storedSize(42, 111), 6.6, 9.5, 6.5, 6.8, 0.0, 3.0, 3.6, 1.0, 0.0, -0.6},
        {102, storedSize(46, 103), 7.2, 11.5, 8.5, 8.2, 0.0, 3.8, 4.6, 0.2, 0.0, 0.2},
        {103, storedSize(68, 109), 7.6, 13.0, 10.5, 9.6, 0.0, 4.6, 5.6, 0.0, 1.0, 0.7},
        {104, storedSize(63, 108), 8.0, 15.0, 12.5, 11.0, 0.0, 5.4, 6.6, 0.0, 0.0, 1.0},
        {105, storedSize(72, 110), 8.6, 16.5, 15.5, 13.0, 1.0, 6.2, 7.8, 0.0, 0.0, 0.8},
        {106, storedSize(51, 120), 9.2, 17.5, 19.0, 15.0, 2.5, 6.8, 9.0, 0.0, 0.0, 0.6},
        {107, storedSize(79, 110), 9.8, 19.0, 23.0, 17.0, 4.0, 7.6, 10.4, 0.0, 0.0, 0.3},
        {108, storedSize(70, 110), 10.6, 21.0, 26.5, 19.5, 5.0, 8.6, 12.0, 0.0, 0.0, 0.0},
        {109, storedSize(68, 114), 11.4, 22.5, 31.0, 21.5, 7.0, 9.4, 13.6, 0.0, 0.0, -0.4},
    }};
    return builds;
}

} // namespace zorvel::generator

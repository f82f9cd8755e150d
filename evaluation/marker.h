// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "failure.h"

#include <string_view>

// Where the marker stands on the colour bar, in twips of the window.
namespace zorvel {

// The x coordinates that the left and the right bound map to.
inline constexpr int scalaInizio = 360;
inline constexpr int scalaFine = 4560;

// x = (indice - L) * ((scalaFine - scalaInizio) / (R - L)) + scalaInizio, with L and
// R read from the bound texts the window shows. The marker is not held to the bar:
// an index outside [L, R] lies left of scalaInizio or right of scalaFine, and one
// far enough outside lies beyond the float range, at +/- infinity. Fails when a
// bound text is not a number or the bounds are equal or too far apart.
Result<float> placeMarker(double indice, std::string_view leftBoundText, std::string_view rightBoundText);

// The nearest float, ties to even; values that round beyond the largest float become
// +/- infinity instead of being converted out of range.
float toSinglePrecision(double value);

} // namespace zorvel

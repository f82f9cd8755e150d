// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "marker.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorvel {

Result<float> placeMarker(double indice, std::string_view leftBoundText, std::string_view rightBoundText) {
    const auto left = parseNumber(leftBoundText);
    if (!left) {
        return Failure{Input::leftBound, Problem::notANumber};
    }
    const auto right = parseNumber(rightBoundText);
    if (!right) {
        return Failure{Input::rightBound, Problem::notANumber};
    }
    const double boundsDistance = *right - *left;
    if (boundsDistance == 0 || !std::isfinite(boundsDistance)) {
        return Failure{Input::rightBound, Problem::outOfRange};
    }
    const double twipsPerUnit = (scalaFine - scalaInizio) / boundsDistance;
    return toSinglePrecision((indice - *left) * twipsPerUnit + scalaInizio);
}

float toSinglePrecision(double value) {
    // Halfway between the largest float and the next power of two, where rounding to
    // the nearest float (ties to even) starts to give infinity rather than the largest.
    constexpr double largest = std::numeric_limits<float>::max();
    constexpr double roundsToInfinity = largest + 0x1p103;
    if (std::fabs(value) >= roundsToInfinity) {
        return value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(std::clamp(value, -largest, largest));
}

} // namespace zorvel

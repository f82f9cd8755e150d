// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "marker.h"

#include "numbers.h"

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
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) {
        return std::numeric_limits<float>::infinity();
    }
    if (value < -largest) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

} // namespace zorvel

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
    return placeMarker(indice, *left, *right);
}

Result<float> placeMarker(double indice, double leftBound, double rightBound) {
    const auto scale = markerScale(leftBound, rightBound);
    if (!scale) {
        return scale.error();
    }
    return placeMarker(indice, *scale);
}

Result<MarkerScale> markerScale(double leftBound, double rightBound) {
    const double boundsDistance = rightBound - leftBound;
    if (boundsDistance == 0 || !std::isfinite(boundsDistance)) {
        return Failure{Input::rightBound, Problem::outOfRange};
    }
    const int span = scalaFine - scalaInizio;
    return MarkerScale{leftBound, span / boundsDistance};
}

float placeMarker(double indice, const MarkerScale& scale) {
    const double x = (indice - scale.leftBound) * scale.twipsPerUnit + scalaInizio;
    return toSinglePrecision(x);
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

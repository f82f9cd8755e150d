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
// an index outside [L, R] lies left of scalaInizio or right of scalaFine. Fails when
// a bound text is not a number or the bounds are equal.
Result<float> placeMarker(double indice, std::string_view leftBoundText, std::string_view rightBoundText);

// The same from bounds already read. Fails when the bounds are equal or too far apart.
Result<float> placeMarker(double indice, double leftBound, double rightBound);

// The part of the placement that depends on the bounds alone, worked out once for
// a bar that many markers are placed on.
struct MarkerScale {
    double leftBound;
    double twipsPerUnit;
};
// Fails when the bounds are equal or too far apart.
Result<MarkerScale> markerScale(double leftBound, double rightBound);
float placeMarker(double indice, const MarkerScale& scale);

// The nearest float; values beyond the float range become +/- infinity instead of
// being converted out of range.
float toSinglePrecision(double value);

} // namespace zorvel

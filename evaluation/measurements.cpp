// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measurements.h"

#include "blanks.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace zorvel {
namespace {

// Heights whose integer value is above this are taken as centimetres.
constexpr int largestHeightInMetres = 10;
constexpr int centimetresPerMetre = 100;

// Truncation toward zero to two decimals, never rounding. The hundredths are named, so
// that where doubles are computed in wider registers (x87), they are stored as a double,
// overflowing to infinity beyond the double range as they do everywhere else.
double truncateToHundredths(double value) {
    const double hundredths = value * 100;
    return std::trunc(hundredths) / 100;
}

// What is wrong with a text that did not read as a number: a number too far below
// zero is first of all not positive, one too far above it too large.
Problem unreadable(std::string_view text, NumberError error, Problem whenTooLarge) {
    if (error == NumberError::notANumber) {
        return Problem::notANumber;
    }
    return withoutBlanksAround(text).starts_with('-') ? Problem::notPositive : whenTooLarge;
}

} // namespace

std::string withDecimalCommas(std::string_view text) {
    std::string rewritten(text);
    std::replace(rewritten.begin(), rewritten.end(), '.', ',');
    return rewritten;
}

Result<double> altezzaM(std::string_view heightText) {
    const auto height = parseNumber(heightText);
    if (!height) {
        return Failure{Input::height, unreadable(heightText, height.error(), Problem::outOfRange)};
    }
    const auto asInteger = roundToInt16(*height);
    if (!asInteger) {
        return Failure{Input::height, *height < 0 ? Problem::notPositive : Problem::outOfRange};
    }
    if (*asInteger > largestHeightInMetres) {
        return *height / centimetresPerMetre;
    }
    return *height;
}

Result<double> indice(std::string_view weightText, double altezzaM) {
    const auto weight = parseNumber(weightText);
    if (!weight) {
        return Failure{Input::weight, unreadable(weightText, weight.error(), Problem::tooLarge)};
    }
    if (!(altezzaM > 0)) {
        return Failure{Input::height, Problem::notPositive};
    }
    if (!(*weight > 0)) {
        return Failure{Input::weight, Problem::notPositive};
    }
    const double quotient = (*weight / altezzaM) / altezzaM;
    const double index = truncateToHundredths(quotient);
    if (!std::isfinite(index)) {
        return indexTooLarge(altezzaM);
    }
    return index;
}

Failure indexTooLarge(double altezzaM) { return {altezzaM < 1 ? Input::height : Input::weight, Problem::tooLarge}; }

std::string normalBoundFirstStep(double factor, double altezzaM) { return formatNumber(factor * altezzaM); }

Result<double> normalBoundFromFirstStep(std::string_view firstStepText, double altezzaM) {
    const auto firstStep = parseNumber(firstStepText);
    if (!firstStep) {
        return Failure{Input::height, Problem::notANumber};
    }
    return truncateToHundredths(*firstStep * altezzaM);
}

} // namespace zorvel

#include "measurements.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace zorvel {
namespace {

// Heights whose integer value is above this are taken as centimetres.
constexpr int largestHeightInMetres = 10;
constexpr int centimetresPerMetre = 100;

// Truncation toward zero to two decimals, never rounding.
double truncateToHundredths(double value) { return std::trunc(value * 100) / 100; }

} // namespace

std::string withDecimalCommas(std::string_view text) {
    std::string rewritten(text);
    std::replace(rewritten.begin(), rewritten.end(), '.', ',');
    return rewritten;
}

Result<double> altezzaM(std::string_view heightText) {
    const auto height = parseNumber(heightText);
    if (!height) {
        const Problem problem =
            height.error() == NumberError::notANumber ? Problem::notANumber : Problem::outOfRange;
        return Failure{Input::height, problem};
    }
    const auto asInteger = roundToInt16(*height);
    if (!asInteger) {
        return Failure{Input::height, Problem::outOfRange};
    }
    if (*asInteger > largestHeightInMetres) {
        return *height / centimetresPerMetre;
    }
    return *height;
}

Result<double> indice(std::string_view weightText, double altezzaM) {
    const auto weight = parseNumber(weightText);
    if (!weight) {
        const Problem problem =
            weight.error() == NumberError::notANumber ? Problem::notANumber : Problem::tooLarge;
        return Failure{Input::weight, problem};
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
        // Only a height below a metre can blow up a plausible weight.
        return Failure{altezzaM < 1 ? Input::height : Input::weight, Problem::tooLarge};
    }
    return index;
}

std::string normalBoundFirstStep(double factor, double altezzaM) { return formatNumber(factor * altezzaM); }

Result<double> normalBoundFromFirstStep(std::string_view firstStepText, double altezzaM) {
    const auto firstStep = parseNumber(firstStepText);
    if (!firstStep) {
        return Failure{Input::height, Problem::notANumber};
    }
    return truncateToHundredths(*firstStep * altezzaM);
}

NormalBound normalBound(double factor, double altezzaM) {
    NormalBound bound;
    bound.firstStepText = normalBoundFirstStep(factor, altezzaM);
    // The text was written by formatNumber from a finite value, so it reads back.
    bound.value = *normalBoundFromFirstStep(bound.firstStepText, altezzaM);
    bound.text = formatNumber(bound.value);
    return bound;
}

} // namespace zorvel

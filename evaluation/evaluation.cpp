// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation.h"

#include "marker.h"
#include "measurements.h"
#include "numbers.h"

#include <cmath>
#include <utility>

namespace zorvel {

Press runCalculation(std::string_view weightText, std::string_view heightText, Display& display) {
    const std::string height = withDecimalCommas(heightText);
    display.rewriteBox(Box::height, height);
    const Result<double> metres = altezzaM(height);
    if (!metres) {
        return {.failure = metres.error()};
    }

    const std::string weight = withDecimalCommas(weightText);
    display.rewriteBox(Box::weight, weight);
    const Result<double> index = indice(weight, *metres);
    if (!index) {
        return {.failure = index.error()};
    }
    display.showIndice(formatNumber(*index));

    for (const auto& [end, factor] :
         {std::pair{BandEnd::lowest, lowestBandFactor}, {BandEnd::highest, highestBandFactor}}) {
        const std::string firstStep = normalBoundFirstStep(factor, *metres);
        display.showBandFirstStep(end, firstStep);
        const Result<double> bound = normalBoundFromFirstStep(firstStep, *metres);
        if (!bound) {
            return {.failure = bound.error()};
        }
        display.showBand(end, formatNumber(*bound));
    }

    const Result<WeightClass> selected = selectClass(*index);
    if (!selected) {
        return {.failure = selected.error()};
    }
    const int categoria = selected->number;
    const std::string leftBound = formatNumber(selected->leftBound);
    const std::string rightBound = formatNumber(selected->rightBound);
    display.showClass(leftBound, rightBound, selected->colours);

    const Result<float> marker = placeMarker(*index, leftBound, rightBound);
    if (!marker) {
        return {categoria, marker.error()};
    }
    if (!std::isfinite(*marker)) {
        return {categoria, indexTooLarge(*metres)};
    }
    display.moveMarker(*marker);

    display.showClassName(categorie[static_cast<std::size_t>(categoria)]);
    if (!display.showClassPicture(categoria)) {
        return {categoria, Failure{Input::classPicture, Problem::missing}};
    }
    return {categoria, std::nullopt};
}

} // namespace zorvel

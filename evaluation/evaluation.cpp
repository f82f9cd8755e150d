// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation.h"

#include "marker.h"
#include "measurements.h"
#include "numbers.h"

#include <cmath>
#include <utility>

namespace zorvel {

std::optional<Failure> runCalculation(std::string_view weightText, std::string_view heightText, Display& display) {
    const std::string height = withDecimalCommas(heightText);
    display.rewriteBox(Box::height, height);
    const Result<double> metres = altezzaM(height);
    if (!metres) {
        return metres.error();
    }

    const std::string weight = withDecimalCommas(weightText);
    display.rewriteBox(Box::weight, weight);
    const Result<double> index = indice(weight, *metres);
    if (!index) {
        return index.error();
    }
    display.showIndice(formatNumber(*index));

    for (const auto& [end, factor] :
         {std::pair{BandEnd::lowest, lowestBandFactor}, {BandEnd::highest, highestBandFactor}}) {
        const std::string firstStep = display.showBandFirstStep(end, normalBoundFirstStep(factor, *metres));
        const Result<double> bound = normalBoundFromFirstStep(firstStep, *metres);
        if (!bound) {
            return bound.error();
        }
        display.showBand(end, formatNumber(*bound));
    }

    const Result<WeightClass> selected = selectClass(*index);
    if (!selected) {
        return selected.error();
    }
    const int categoria = selected->number;
    display.showClass(categoria, formatNumber(selected->leftBound), formatNumber(selected->rightBound),
                      selected->colours);

    const Result<float> marker =
        placeMarker(*index, display.scaleEndText(ScaleEnd::left), display.scaleEndText(ScaleEnd::right));
    if (!marker) {
        return marker.error();
    }
    if (!std::isfinite(*marker)) {
        return indexTooLarge(*metres);
    }
    display.moveMarker(*marker);

    display.showClassName(categorie[static_cast<std::size_t>(categoria)]);
    if (!display.showClassPicture(categoria)) {
        return Failure{Input::classPicture, Problem::missing};
    }
    return std::nullopt;
}

} // namespace zorvel

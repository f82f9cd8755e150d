#include "evaluation.h"

#include "marker.h"
#include "numbers.h"

namespace zorvel {

Result<Evaluation> evaluate(std::string_view weightText, std::string_view heightText) {
    Evaluation result;
    result.heightText = withDecimalCommas(heightText);
    const auto height = altezzaM(result.heightText);
    if (!height) {
        return height.error();
    }
    result.altezzaM = *height;

    result.weightText = withDecimalCommas(weightText);
    const auto index = indice(result.weightText, result.altezzaM);
    if (!index) {
        return index.error();
    }
    result.indice = *index;
    result.indiceText = formatNumber(result.indice);

    result.lowest = normalBound(lowestBandFactor, result.altezzaM);
    result.highest = normalBound(highestBandFactor, result.altezzaM);

    // Every finite index has a class.
    result.categoria = selectClass(result.indice).value();
    const WeightClass& chosen = weightClass(result.categoria);
    result.leftBoundText = boundText(chosen.leftBound);
    result.rightBoundText = boundText(chosen.rightBound);

    const auto marker = placeMarker(result.indice, result.leftBoundText, result.rightBoundText);
    if (!marker) {
        return marker.error();
    }
    result.markerX = *marker;
    return result;
}

} // namespace zorvel

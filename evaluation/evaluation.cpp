#include "evaluation.h"

#include "marker.h"
#include "numbers.h"

#include <array>

namespace zorvel {
namespace {

struct BoundTexts {
    std::string left;
    std::string right;
};

// The bound texts of each class never change: written once, not on every evaluation.
const BoundTexts& boundTextsOf(int weightClassNumber) {
    static const auto texts = [] {
        std::array<BoundTexts, lastClass> written;
        for (int number = firstClass; number <= lastClass; ++number) {
            const WeightClass& row = weightClass(number);
            written[number - 1] = {boundText(row.leftBound), boundText(row.rightBound)};
        }
        return written;
    }();
    return texts[weightClassNumber - 1];
}

} // namespace

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
    const BoundTexts& texts = boundTextsOf(result.categoria);
    result.leftBoundText = texts.left;
    result.rightBoundText = texts.right;

    // The bound texts read back as the very bounds they were written from, so the
    // marker is placed from the bounds themselves.
    const auto marker = placeMarker(result.indice, chosen.leftBound, chosen.rightBound);
    if (!marker) {
        return marker.error();
    }
    result.markerX = *marker;
    return result;
}

} // namespace zorvel

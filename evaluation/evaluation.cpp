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
    // Every text is written straight into the result the caller receives: nine
    // strings are never moved. Every return hands back this one object.
    Result<Evaluation> outcome(std::in_place);
    Evaluation& result = outcome.value();

    writeWithDecimalCommas(heightText, result.heightText);
    const auto height = altezzaM(result.heightText);
    if (!height) {
        outcome = height.error();
        return outcome;
    }
    result.altezzaM = *height;

    writeWithDecimalCommas(weightText, result.weightText);
    const auto index = indice(result.weightText, result.altezzaM);
    if (!index) {
        outcome = index.error();
        return outcome;
    }
    result.indice = *index;
    formatHundredthsInto(result.indice, result.indiceText);

    writeNormalBound(lowestBandFactor, result.altezzaM, result.lowest);
    writeNormalBound(highestBandFactor, result.altezzaM, result.highest);

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
        outcome = marker.error();
        return outcome;
    }
    result.markerX = *marker;
    return outcome;
}

} // namespace zorvel

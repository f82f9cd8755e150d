#include "evaluation.h"

#include "marker.h"
#include "numbers.h"

#include <array>

namespace zorvel {
namespace {

// What the window shows for a class that never changes: written and worked out
// once, not on every evaluation.
struct ClassBar {
    std::string leftBoundText;
    std::string rightBoundText;
    MarkerScale scale;
};

const ClassBar& classBarOf(int weightClassNumber) {
    static const auto bars = [] {
        std::array<ClassBar, lastClass> worked{};
        for (int number = firstClass; number <= lastClass; ++number) {
            const WeightClass& row = weightClass(number);
            // The bound texts read back as the very bounds they were written from,
            // so the marker is placed from the bounds themselves. No class has equal
            // bounds.
            worked[static_cast<std::size_t>(number - 1)] = {boundText(row.leftBound), boundText(row.rightBound),
                                                            markerScale(row.leftBound, row.rightBound).value()};
        }
        return worked;
    }();
    return bars[static_cast<std::size_t>(weightClassNumber - 1)];
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
    const ClassBar& bar = classBarOf(result.categoria);
    result.leftBoundText = bar.leftBoundText;
    result.rightBoundText = bar.rightBoundText;
    result.markerX = placeMarker(result.indice, bar.scale);
    return outcome;
}

} // namespace zorvel

#include "evaluation.h"

#include "marker.h"
#include "measurements.h"
#include "numbers.h"

#include <cmath>
#include <utility>

namespace zorvel {
namespace {

class Recorder final : public Display {
public:
    Evaluation shown;

    void rewriteBox(Box box, std::string_view text) override {
        (box == Box::weight ? shown.weightText : shown.heightText) = std::string(text);
    }
    void showIndice(std::string_view text) override { shown.indiceText = text; }
    std::string showBandFirstStep(BandEnd end, std::string_view text) override {
        return band(end).firstStepText = text;
    }
    void showBand(BandEnd end, std::string_view text) override { band(end).text = text; }
    void showClass(int categoria, std::string_view leftBoundText, std::string_view rightBoundText,
                   ClassColours colours) override {
        shown.categoria = categoria;
        shown.leftBoundText = leftBoundText;
        shown.rightBoundText = rightBoundText;
        shown.colours = colours;
    }
    std::string scaleEndText(ScaleEnd end) const override {
        return end == ScaleEnd::left ? shown.leftBoundText : shown.rightBoundText;
    }
    void moveMarker(float xTwips) override { shown.markerX = xTwips; }
    void showClassName(std::string_view name) override { shown.className = name; }
    bool showClassPicture(int categoria) override {
        shown.pictureOf = categoria;
        return true;
    }

private:
    Evaluation::Band& band(BandEnd end) { return end == BandEnd::lowest ? shown.lowest : shown.highest; }
};

} // namespace

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

    // The index is finite, and every finite index has a class.
    const int categoria = selectClass(*index).value();
    const WeightClass& selected = weightClass(categoria);
    display.showClass(categoria, formatNumber(selected.leftBound), formatNumber(selected.rightBound), selected.colours);

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

Evaluation evaluate(std::string_view weightText, std::string_view heightText) {
    Recorder recorder;
    recorder.shown.failure = runCalculation(weightText, heightText, recorder);
    return std::move(recorder.shown);
}

} // namespace zorvel

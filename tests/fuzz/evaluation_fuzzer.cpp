// Properties of the whole evaluation of a weight text and a height text, for any
// two texts. The input holds the weight text, a line feed and the height text.
#include "check.h"
#include "evaluation/evaluation.h"
#include "evaluation/numbers.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using zorvel::Failure;
using zorvel::Input;
using zorvel::Problem;
using zorvel::fuzz::expect;

// Where each class ends and what its colour bar reads at its two ends, written
// down apart from the evaluation's own table. A class takes every index above the
// previous class's upper limit up to and including its own.
struct ClassRange {
    int number;
    double upperLimit;
    bool upperLimitIncluded;
    double leftBound;
    double rightBound;
};
constexpr std::array<ClassRange, 9> classRanges{{
    {1, 16.0, true, 10, 16},
    {2, 16.9, true, 16.1, 16.9},
    {3, 18.5, false, 17, 18.4},
    {4, 24.9, true, 18.5, 24.9},
    {5, 29.9, true, 25, 29.9},
    {6, 34.9, true, 30, 34.9},
    {7, 40.0, true, 35, 40},
    {8, 49.9, true, 40, 50},
    {9, INFINITY, true, 60, 49.9},
}};

const ClassRange& rangeOf(double indice)
{
    return *std::find_if(classRanges.begin(), classRanges.end(), [indice](const ClassRange& range) {
        return indice < range.upperLimit || (range.upperLimitIncluded && indice == range.upperLimit);
    });
}

// What the evaluation may answer instead of results.
constexpr std::array<Failure, 7> documentedFailures{{
    {Input::height, Problem::notANumber},
    {Input::height, Problem::outOfRange},
    {Input::height, Problem::notPositive},
    {Input::height, Problem::tooLarge},
    {Input::weight, Problem::notANumber},
    {Input::weight, Problem::notPositive},
    {Input::weight, Problem::tooLarge},
}};

std::string describe(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// A shown text reads back as the value shown: exactly while the value needs no
// more than the 15 digits written, otherwise to within those digits.
void expectReadsBack(std::string_view text, double value, std::string_view property, std::string_view input)
{
    const auto read = zorvel::parseNumber(text);
    expect(read.ok(), property, input, std::string(text));
    const bool exact = std::fabs(value) < 1e12;
    expect(exact ? *read == value : std::fabs(*read - value) <= 1e-14 * std::fabs(value), property, input,
           std::string(text) + " for " + describe(value));
}

// Zero or less, a number far below the double range ("-5E911") included.
bool readsAsZeroOrLess(std::string_view text)
{
    const auto read = zorvel::parseNumber(text);
    if (read.ok())
        return *read <= 0;
    const auto sign = text.find_first_not_of(" \t");
    return read.error() == zorvel::NumberError::outOfRange && sign != std::string_view::npos && text[sign] == '-';
}

void checkFailure(const Failure& failure, std::string_view weightText, std::string_view heightText,
                  std::string_view input)
{
    expect(std::find(documentedFailures.begin(), documentedFailures.end(), failure) != documentedFailures.end(),
           "a failure is one of the documented ones", input,
           "input " + std::to_string(static_cast<int>(failure.input)) + ", problem " +
               std::to_string(static_cast<int>(failure.problem)));

    const std::string height = zorvel::withDecimalCommas(heightText);
    const std::string weight = zorvel::withDecimalCommas(weightText);
    if (failure.input == Input::weight)
        expect(zorvel::altezzaM(height).ok(), "the height is checked before the weight", input);
    if (failure == Failure{Input::height, Problem::notANumber})
        expect(!zorvel::parseNumber(height).ok(), "a height reported as no number does not read", input);
    if (failure == Failure{Input::weight, Problem::notANumber})
        expect(!zorvel::parseNumber(weight).ok(), "a weight reported as no number does not read", input);
    if (failure == Failure{Input::weight, Problem::notPositive})
        expect(readsAsZeroOrLess(weight), "a weight reported as not positive is zero or less", input);
    if (failure == Failure{Input::height, Problem::notPositive})
        expect(readsAsZeroOrLess(height), "a height reported as not positive is zero or less", input);
}

void checkResults(const zorvel::Evaluation& result, std::string_view weightText, std::string_view heightText,
                  std::string_view input)
{
    expect(result.weightText == zorvel::withDecimalCommas(weightText) &&
               result.weightText.find('.') == std::string::npos,
           "the weight text is shown with commas for points", input, result.weightText);
    expect(result.heightText == zorvel::withDecimalCommas(heightText) &&
               result.heightText.find('.') == std::string::npos,
           "the height text is shown with commas for points", input, result.heightText);

    expect(std::isfinite(result.altezzaM) && result.altezzaM > 0, "the height is finite and positive", input,
           describe(result.altezzaM));
    expect(std::isfinite(result.indice) && result.indice >= 0, "the index is finite and not negative", input,
           describe(result.indice));
    expectReadsBack(result.indiceText, result.indice, "the index text reads back as the index", input);

    for (const zorvel::NormalBound* bound : {&result.lowest, &result.highest}) {
        expect(std::isfinite(bound->value) && bound->value >= 0, "a normal-weight bound is finite", input,
               describe(bound->value));
        expectReadsBack(bound->text, bound->value, "a normal-weight bound's text reads back as the bound", input);
        expect(zorvel::parseNumber(bound->firstStepText).ok(), "a normal-weight first step reads back", input,
               bound->firstStepText);
    }
    expect(result.lowest.value <= result.highest.value, "the lowest normal weight is not above the highest", input);

    const ClassRange& range = rangeOf(result.indice);
    expect(result.categoria == range.number, "the class is the one whose range holds the index", input,
           "class " + std::to_string(result.categoria) + " for " + describe(result.indice));
    expectReadsBack(result.leftBoundText, range.leftBound, "the left end shows the class's left bound", input);
    expectReadsBack(result.rightBoundText, range.rightBound, "the right end shows the class's right bound", input);

    // The marker: where the index lies between the two bounds, 360 and 4560 twips
    // standing for the left and the right bound.
    const float marker = result.markerX;
    expect(!std::isnan(marker), "the marker is never NaN", input);
    const double fraction = (result.indice - range.leftBound) / (range.rightBound - range.leftBound);
    const double expected = 360 + 4200 * fraction;
    if (std::fabs(expected) <= FLT_MAX * (1 - 1e-6)) {
        expect(std::fabs(marker - expected) <= 1e-3 + 1e-6 * std::fabs(expected),
               "the marker stands where the index lies between the bounds", input,
               describe(marker) + " instead of " + describe(expected));
    } else if (std::isfinite(marker)) {
        expect(std::fabs(marker) == FLT_MAX && (marker > 0) == (expected > 0),
               "a marker beyond the float range is held at its end", input, describe(marker));
    } else {
        expect((marker > 0) == (expected > 0), "a marker beyond the float range is infinite on the right side",
               input, describe(marker));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto lineFeed = input.find('\n');
    const std::string_view weightText = input.substr(0, lineFeed);
    const std::string_view heightText = lineFeed == std::string_view::npos ? std::string_view{}
                                                                             : input.substr(lineFeed + 1);

    const auto result = zorvel::evaluate(weightText, heightText);
    if (result.ok())
        checkResults(*result, weightText, heightText, input);
    else
        checkFailure(result.error(), weightText, heightText, input);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A press on "Calcola" for any two texts: every write and the failure of the flow
// the window runs must be those of the independent model. The input holds the
// weight text, a line feed and the height text.
#include "calculation_model.h"
#include "check.h"
#include "recorded_press.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using zorvel::fuzz::expect;

std::string describe(const std::optional<zorvel::Failure>& failure) {
    if (!failure) {
        return "no failure";
    }
    return "input " + std::to_string(static_cast<int>(failure->input)) + ", problem " +
           std::to_string(static_cast<int>(failure->problem));
}

std::string describe(const std::optional<float>& x) {
    char text[40] = "not moved";
    if (x) {
        std::snprintf(text, sizeof text, "%.9g", static_cast<double>(*x));
    }
    return text;
}

template <typename Value>
void expectSame(const Value& flow, const Value& model, std::string_view what, std::string_view input,
                const std::string& flowText, const std::string& modelText) {
    expect(flow == model, what, input, flowText + " instead of " + modelText);
}

void expectSame(const std::string& flow, const std::string& model, std::string_view what, std::string_view input) {
    expectSame(flow, model, what, input, '"' + flow + '"', '"' + model + '"');
}

void expectSame(const std::optional<std::string>& flow, const std::optional<std::string>& model, std::string_view what,
                std::string_view input) {
    expectSame(flow, model, what, input, flow.value_or("(not rewritten)"), model.value_or("(not rewritten)"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto lineFeed = input.find('\n');
    const std::string_view weightText = input.substr(0, lineFeed);
    const std::string_view heightText =
        lineFeed == std::string_view::npos ? std::string_view{} : input.substr(lineFeed + 1);

    const zorvel::Evaluation flow = zorvel::evaluate(weightText, heightText);
    const zorvel::Evaluation model = zorvel::model::press(weightText, heightText);

    expectSame(flow.failure, model.failure, "the failure", input, describe(flow.failure), describe(model.failure));
    expectSame(flow.heightText, model.heightText, "the height box", input);
    expectSame(flow.weightText, model.weightText, "the weight box", input);
    expectSame(flow.indiceText, model.indiceText, "the index", input);
    expectSame(flow.lowest.firstStepText, model.lowest.firstStepText, "the lowest normal weight's first step", input);
    expectSame(flow.lowest.text, model.lowest.text, "the lowest normal weight", input);
    expectSame(flow.highest.firstStepText, model.highest.firstStepText, "the highest normal weight's first step",
               input);
    expectSame(flow.highest.text, model.highest.text, "the highest normal weight", input);
    expectSame(flow.categoria, model.categoria, "the class", input, std::to_string(flow.categoria),
               std::to_string(model.categoria));
    expectSame(flow.leftBoundText, model.leftBoundText, "the left end of the bar", input);
    expectSame(flow.rightBoundText, model.rightBoundText, "the right end of the bar", input);
    expect(flow.colours.previous == model.colours.previous && flow.colours.own == model.colours.own &&
               flow.colours.next == model.colours.next,
           "the colours of the bar", input);
    expectSame(flow.markerX, model.markerX, "the marker", input, describe(flow.markerX), describe(model.markerX));
    expectSame(flow.className, model.className, "the class name", input);
    expectSame(flow.pictureOf, model.pictureOf, "the class picture", input, std::to_string(flow.pictureOf),
               std::to_string(model.pictureOf));
    return 0;
}

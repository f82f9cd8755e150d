// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A press on "Calcola" without the window: the flow the window runs, over a display
// that records every write instead of showing it.

#include "evaluation/evaluation.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zorvel {

// What one press shows, recorded write by write; a write not made leaves its field
// empty (0 for the class).
struct Evaluation {
    struct Band {
        std::string firstStepText;
        std::string text;
    };

    std::optional<Failure> failure;
    std::optional<std::string> heightText;
    std::optional<std::string> weightText;
    std::string indiceText;
    Band lowest;
    Band highest;
    int categoria = 0;
    std::string leftBoundText;
    std::string rightBoundText;
    ClassColours colours{};
    std::optional<float> markerX;
    std::string className;
    int pictureOf = 0; // the class whose picture is shown
};

class RecordingDisplay final : public Display {
public:
    Evaluation shown;

    void rewriteBox(Box box, std::string_view text) override {
        (box == Box::weight ? shown.weightText : shown.heightText) = std::string(text);
    }
    void showIndice(std::string_view text) override { shown.indiceText = text; }
    void showBandFirstStep(BandEnd end, std::string_view text) override { band(end).firstStepText = text; }
    void showBand(BandEnd end, std::string_view text) override { band(end).text = text; }
    void showClass(std::string_view leftBoundText, std::string_view rightBoundText, ClassColours colours) override {
        shown.leftBoundText = leftBoundText;
        shown.rightBoundText = rightBoundText;
        shown.colours = colours;
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

// runCalculation over a display that records every write.
inline Evaluation evaluate(std::string_view weightText, std::string_view heightText) {
    RecordingDisplay recorder;
    const Press press = runCalculation(weightText, heightText, recorder);
    recorder.shown.categoria = press.categoria;
    recorder.shown.failure = press.failure;
    return std::move(recorder.shown);
}

} // namespace zorvel

#pragma once

#include "failure.h"
#include "measurements.h"
#include "weight_classes.h"

#include <string>
#include <string_view>

// The whole evaluation of two typed texts at once. The window runs the same steps
// one at a time so that each result shows as soon as it is known.
namespace zorvel {

struct Evaluation {
    std::string weightText; // as rewritten for the box
    std::string heightText; // as rewritten for the box
    double altezzaM;
    double indice;
    std::string indiceText;
    NormalBound lowest;
    NormalBound highest;
    int categoria;
    std::string leftBoundText;
    std::string rightBoundText;
    float markerX;
};

Result<Evaluation> evaluate(std::string_view weightText, std::string_view heightText);

} // namespace zorvel

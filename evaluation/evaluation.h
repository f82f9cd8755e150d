// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A press on "Calcola", from the two typed texts to everything the window shows.
//
// The Italian names are the program's own words, kept as they are:
//   altezzaM        the height in metres
//   indice          the body-mass index, truncated to two decimals
//   categoria       the weight class of the index, 1 to 9
//   categorie       the class names, 0 to 10: each class and its two neighbours
//   scalaInizio,    the x coordinates, in twips, where the colour bar shows the
//   scalaFine       class's left and right bound

#include "failure.h"
#include "weight_classes.h"

#include <optional>
#include <string>
#include <string_view>

namespace zorvel {

enum class Box { weight, height };
enum class BandEnd { lowest, highest };

// What shows the results: one call per write, made in the order of the steps, so
// that each result can appear as soon as it is known. Nothing is read back: the
// texts a later step needs again stay in the calculation.
class Display {
public:
    // The box's text with every "." turned into ",".
    virtual void rewriteBox(Box box, std::string_view text) = 0;
    virtual void showIndice(std::string_view text) = 0;
    // The first step of a band end, from which the second step goes on.
    virtual void showBandFirstStep(BandEnd end, std::string_view text) = 0;
    virtual void showBand(BandEnd end, std::string_view text) = 0;
    virtual void showClass(std::string_view leftBoundText, std::string_view rightBoundText, ClassColours colours) = 0;
    virtual void moveMarker(float xTwips) = 0;
    virtual void showClassName(std::string_view name) = 0;
    // Whether the picture of the class could be shown.
    virtual bool showClassPicture(int categoria) = 0;

protected:
    ~Display() = default;
};

// The steps of one press: the height box rewritten and read as altezzaM; the
// weight box rewritten; the index; each end of the normal band in its two steps;
// the class with its bounds and colours; the marker, from the bound texts shown; the
// class name; the class picture. The first step that fails stops the press and is
// returned, every earlier write made, with the class shown if the press got that far.
struct Press {
    int categoria = 0; // the class the press selected and showed; 0 if it stopped before
    std::optional<Failure> failure;
};
Press runCalculation(std::string_view weightText, std::string_view heightText, Display& display);

} // namespace zorvel

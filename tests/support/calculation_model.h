// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a press on "Calcola" must show, worked out from the rules alone: numbers read
// and written by the C library (strtod, printf) on texts brought to its form, the
// formulas in their order, the unit rule, the class table with its names and colours
// and the order in which failures are met. It shares no code or table with the
// evaluation, only its result types, so that the fuzz target and the monkey test
// check the arithmetic and the class table themselves.

#include "recorded_press.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zorvel::model {

// The value of a text in the Italian format as the C library reads it: only the
// characters of a number, blanks only around it, a sign only in front, points before
// the decimal comma (and before the exponent) dropped as grouping, the comma made a
// point; strtod must then read every character. Empty when it is not a number; +/- infinity beyond the
// double range; a value below the range is a zero of the text's sign. A no-break space
// counts as a space.
inline std::optional<double> readNumber(std::string_view typed) {
    // Copied rather than replaced in place: GCC 12 warns of an overlap that
    // std::string::replace cannot have (its bug 105329), at -O2.
    std::string spaced;
    for (std::size_t at = 0; at < typed.size();) {
        const bool noBreakSpace = typed.substr(at).starts_with("\xC2\xA0");
        spaced += noBreakSpace ? ' ' : typed[at];
        at += noBreakSpace ? 2 : 1;
    }
    std::string_view text = spaced;
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos || text.find_first_not_of("0123456789+-.,Ee \t") != std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.find_first_of(" \t") != std::string_view::npos) {
        return std::nullopt; // strtod would skip blanks left between a point and the digits
    }
    const auto integerEnd = std::min(text.find_first_of(",Ee"), text.size());
    const auto sign = text.substr(0, integerEnd).find_last_of("+-");
    if (sign != std::string_view::npos && sign > 0) {
        return std::nullopt; // a sign stands before the digits and their grouping only
    }
    std::string plain;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '.' && at < integerEnd) {
            continue;
        }
        plain += text[at] == ',' ? '.' : text[at];
    }
    char* end = nullptr;
    const double value = std::strtod(plain.c_str(), &end);
    if (plain.empty() || end != plain.c_str() + plain.size()) {
        return std::nullopt;
    }
    return value;
}

// A number written with 15 significant digits, the comma for the point, never "-0".
inline std::string writeNumber(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15G", value == 0 ? 0.0 : value);
    std::string written = text;
    for (char& c : written) {
        c = c == '.' ? ',' : c;
    }
    return written;
}

inline std::string withCommas(std::string_view text) {
    std::string rewritten(text);
    for (char& c : rewritten) {
        c = c == '.' ? ',' : c;
    }
    return rewritten;
}

inline double truncatedToHundredths(double value) { return std::trunc(value * 100) / 100; }

struct ClassRow {
    const char* name; // UTF-8
    std::uint32_t colour;
    double leftBound;
    double rightBound;
    double upTo;
    bool upToIncluded;
};
inline constexpr ClassRow classes[] = {
#include "weight_classes.inc"
};

// The class of a finite index, 1 to 9.
inline int classOf(double indice) {
    int number = 1;
    while (number < 9 &&
           !(indice < classes[number].upTo || (classes[number].upToIncluded && indice == classes[number].upTo))) {
        ++number;
    }
    return number;
}

// What the window shows after a press on these two texts, write by write.
inline Evaluation press(std::string_view weightText, std::string_view heightText) {
    Evaluation shown;
    auto fails = [&shown](Input input, Problem problem) {
        shown.failure = Failure{input, problem};
        return shown;
    };

    shown.heightText = withCommas(heightText);
    const std::optional<double> height = readNumber(*shown.heightText);
    if (!height) {
        return fails(Input::height, Problem::notANumber);
    }
    const double asInteger = std::nearbyint(*height); // halves to even
    if (!(asInteger >= -32768 && asInteger <= 32767)) {
        return fails(Input::height, *height < 0 ? Problem::notPositive : Problem::outOfRange);
    }
    const double metres = asInteger > 10 ? *height / 100 : *height;

    shown.weightText = withCommas(weightText);
    const std::optional<double> weight = readNumber(*shown.weightText);
    if (!weight) {
        return fails(Input::weight, Problem::notANumber);
    }
    if (std::isinf(*weight)) {
        return fails(Input::weight, *weight < 0 ? Problem::notPositive : Problem::tooLarge);
    }
    if (!(metres > 0)) {
        return fails(Input::height, Problem::notPositive);
    }
    if (!(*weight > 0)) {
        return fails(Input::weight, Problem::notPositive);
    }
    // An index too large to show is the height's fault below a metre, else the weight's.
    const Input blamedForTooLarge = metres < 1 ? Input::height : Input::weight;
    const double indice = truncatedToHundredths((*weight / metres) / metres);
    if (!std::isfinite(indice)) {
        return fails(blamedForTooLarge, Problem::tooLarge);
    }
    shown.indiceText = writeNumber(indice);

    for (auto [band, factor] : {std::pair{&shown.lowest, 18.5}, std::pair{&shown.highest, 24.9}}) {
        band->firstStepText = writeNumber(factor * metres);
        band->text = writeNumber(truncatedToHundredths(*readNumber(band->firstStepText) * metres));
    }

    const int number = shown.categoria = classOf(indice);
    shown.leftBoundText = writeNumber(classes[number].leftBound);
    shown.rightBoundText = writeNumber(classes[number].rightBound);
    shown.colours = {classes[number - 1].colour, classes[number].colour, classes[number + 1].colour};

    const double left = *readNumber(shown.leftBoundText);
    const double right = *readNumber(shown.rightBoundText);
    const double x = (indice - left) * (4200 / (right - left)) + 360;
    // The nearest float, as the C library reads the double's exact hexadecimal text.
    char exactly[40];
    std::snprintf(exactly, sizeof exactly, "%a", x);
    const float marker = std::strtof(exactly, nullptr);
    if (std::isinf(marker)) {
        return fails(blamedForTooLarge, Problem::tooLarge);
    }
    shown.markerX = marker;
    shown.className = classes[number].name;
    shown.pictureOf = number;
    return shown;
}

} // namespace zorvel::model

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "failure.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The nine weight classes, their names, colours and bounds, and the choice of the
// class of an index.
namespace zorvel {

// A colour as Windows stores one, 0x00BBGGRR: red in the low byte, so that a literal
// reads backwards. Colours are written with rgb(), red first.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour{red} | Colour{green} << 8 | Colour{blue} << 16;
}
constexpr int redOf(Colour colour) { return static_cast<int>(colour & 0xFF); }
constexpr int greenOf(Colour colour) { return static_cast<int>(colour >> 8 & 0xFF); }
constexpr int blueOf(Colour colour) { return static_cast<int>(colour >> 16 & 0xFF); }

inline constexpr int firstClass = 1;
inline constexpr int lastClass = 9;

// Index 0 and 10 are never selected: they name and colour the neighbours of
// classes 1 and 9.
inline constexpr std::array<std::string_view, 11> categorie{
    "INVISIBILE",
    "GRAVE Magrezza",
    "Moderata Magrezza",
    "Sottopeso",
    "PESO FORMA",
    "Sovrappeso",
    "1\u00B0 Grado Obesit\u00E0",
    "2\u00B0 Grado Obesit\u00E0",
    "Grande Obesit\u00E0",
    // Spelt so on purpose, as the program has always named the class: not a slip for MOSTRUOSA.
    "Obesit\u00E0 MOSTUOSA",
    "ABNORME",
};

inline constexpr std::array<Colour, 11> classColours{
    rgb(0x80, 0x00, 0x00), rgb(0xFF, 0x00, 0x00), rgb(0xFF, 0x80, 0x80), rgb(0xC0, 0xC0, 0x00),
    rgb(0x00, 0xFF, 0x00), rgb(0xFF, 0x80, 0x80), rgb(0xFF, 0x00, 0x00), rgb(0x80, 0x00, 0x00),
    rgb(0x40, 0x00, 0x00), rgb(0x02, 0x00, 0x00), rgb(0x00, 0x00, 0x00),
};

// The colours of the colour bar's three boxes: the class before, the class itself
// and the class after.
struct ClassColours {
    Colour previous;
    Colour own;
    Colour next;
};

// What the window shows for a class: the bounds under the two ends of the colour
// bar and the colours of the bar's boxes. In class 9 the left bound (60) is greater
// than the right one (49,9): its scale runs backwards.
struct WeightClass {
    int number;
    double leftBound;
    double rightBound;
    ClassColours colours;
};

// The class of an index with its bounds and colours. Every number has one; an index
// that matched no row (only NaN) fails as a missing class.
Result<WeightClass> selectClass(double indice);

// The name at index 0..10 of categorie; empty outside.
std::optional<std::string_view> nameOf(long long index);

} // namespace zorvel

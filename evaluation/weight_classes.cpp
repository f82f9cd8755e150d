// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weight_classes.h"

#include <limits>

namespace zorvel {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// One row of the class table: the test on the index and the class it sets.
// Neighbouring rows overlap, and where they do the later row wins. An index of
// exactly 18.5, the first value of the normal band, belongs to the normal class.
struct ClassRow {
    double above;       // lower limit of the test
    bool includesAbove; // whether the lower limit itself passes
    double below;       // upper limit, never included; infinity for none
    double leftBound;
    double rightBound;
};

constexpr std::array<ClassRow, lastClass> classRows{{
    {-infinity, true, 16.1, 10, 16},
    {16, false, 17, 16.1, 16.9},
    {16.9, false, 18.5, 17, 18.4},
    {18.5, true, 25, 18.5, 24.9},
    {24.9, false, 30, 25, 29.9},
    {29.9, false, 35, 30, 34.9},
    {34.9, false, 40.1, 35, 40},
    {40, false, 50.1, 40, 50},
    {49.9, false, infinity, 60, 49.9},
}};

bool matches(const ClassRow& row, double indice) {
    const bool aboveLower = row.includesAbove ? indice >= row.above : indice > row.above;
    // The first and the last row are open-ended, so infinite indices have a class too.
    const bool belowUpper = indice < row.below || row.below == infinity;
    return aboveLower && belowUpper;
}

constexpr std::array<WeightClass, lastClass> makeWeightClasses() {
    std::array<WeightClass, lastClass> classes{};
    for (int number = firstClass; number <= lastClass; ++number) {
        const ClassRow& row = classRows[number - 1];
        classes[number - 1] = {number,
                               row.leftBound,
                               row.rightBound,
                               {classColours[number - 1], classColours[number], classColours[number + 1]}};
    }
    return classes;
}

constexpr std::array<WeightClass, lastClass> weightClasses = makeWeightClasses();

} // namespace

Result<WeightClass> selectClass(double indice) {
    for (int number = lastClass; number >= firstClass; --number) {
        if (matches(classRows[number - 1], indice)) {
            return weightClasses[number - 1];
        }
    }
    return Failure{Input::weightClass, Problem::missing};
}

std::optional<std::string_view> nameOf(long long index) {
    if (index < 0 || index >= static_cast<long long>(categorie.size())) {
        return std::nullopt;
    }
    return categorie[static_cast<std::size_t>(index)];
}

} // namespace zorvel

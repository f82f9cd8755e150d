// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "expected.h"

namespace zorvel {

// What could not be used.
enum class Input {
    weight,
    height,
    leftBound,    // the bound shown under the left end of the colour bar
    rightBound,   // the bound shown under the right end of the colour bar
    classPicture, // the picture of the class, from the program's resources
    weightClass,  // the class of the index, from the class table
};

// What was wrong with it.
enum class Problem {
    notANumber,  // not a number in the Italian format
    outOfRange,  // a number, but outside what the box accepts (height: -32768..32767 as an integer)
    notPositive, // zero or negative
    tooLarge,    // the result would be too large to represent
    missing,     // not there to be shown
};

struct Failure {
    Input input;
    Problem problem;

    friend bool operator==(const Failure&, const Failure&) = default;
};

template <typename T>
using Result = Expected<T, Failure>;

} // namespace zorvel

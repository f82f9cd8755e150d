#pragma once

#include "expected.h"

namespace zorvel {

// The text that could not be used.
enum class Input {
    weight,
    height,
    leftBound,  // the bound shown under the left end of the colour bar
    rightBound, // the bound shown under the right end of the colour bar
};

// What was wrong with it.
enum class Problem {
    notANumber,  // not a number in the Italian format
    outOfRange,  // a number, but outside what the box accepts (height: -32768..32767 as an integer)
    notPositive, // zero or negative
    tooLarge,    // the result would be too large to represent
};

struct Failure {
    Input input;
    Problem problem;

    friend bool operator==(const Failure&, const Failure&) = default;
};

template <typename T>
using Result = Expected<T, Failure>;

} // namespace zorvel

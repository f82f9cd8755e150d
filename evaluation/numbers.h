// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "expected.h"

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between numbers and the texts a person reads and types. The
// separators are always passed in: nothing here depends on the process locale.
namespace zorvel {

struct NumberFormat {
    char decimalSeparator;
    char groupingSeparator;
};

// Decimal comma, point for digit grouping.
inline constexpr NumberFormat italianFormat{',', '.'};

enum class NumberError {
    notANumber, // not a number in the given format, the empty text included
    outOfRange, // a number, but too large for the target type
};

// Reads a number: blanks (space, tab, no-break space) around it, an optional sign,
// digits with grouping separators anywhere in the integer part (skipped), an optional
// decimal separator and fraction, an optional exponent (E or e, optional sign, digits),
// at least one digit in the mantissa. The value is correctly rounded; a value too
// small to represent reads as zero of the text's sign, one too large is outOfRange.
Expected<double, NumberError> parseNumber(std::string_view text, NumberFormat format = italianFormat);

// The nearest integer to a number, halves to even. Results outside -32768..32767
// are outOfRange.
Expected<std::int16_t, NumberError> roundToInt16(double value);

// Writes a finite number with at most 15 significant digits, no grouping, no
// trailing zeros and no decimal part for integral values. Decimal exponents of 15
// or more, or below -4, are written in scientific form: "1E+15", "1,5E-07".
std::string formatNumber(double value, NumberFormat format = italianFormat);

} // namespace zorvel

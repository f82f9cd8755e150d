// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading numbers from the texts people type.
#include "numbers.h"

#include "blanks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace zorvel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number text checked by our rules and rewritten in the form std::from_chars
// reads: "[-]0digits.digits[e[-]digits]", blanks, grouping and any "+" dropped.
struct PlainNumber {
    std::string text;
    bool negative = false;
    // The decimal exponent of the first significant digit, which tells an underflow
    // from an overflow when the value does not fit a double.
    long long leadingExponent = 0;
};

std::optional<PlainNumber> plainNumber(std::string_view text, NumberFormat format) {
    text = withoutBlanksAround(text);
    PlainNumber plain;
    plain.text.reserve(text.size() + 2);
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        plain.negative = text[at++] == '-';
    }
    plain.text += plain.negative ? "-0" : "0";

    bool anyDigit = false;
    bool anySignificant = false;
    long long significantBeforePoint = 0;
    long long zerosAfterPoint = 0;
    for (; at < text.size() && (isDigit(text[at]) || text[at] == format.groupingSeparator); ++at) {
        if (isDigit(text[at])) {
            plain.text += text[at];
            anyDigit = true;
            anySignificant = anySignificant || text[at] != '0';
            significantBeforePoint += anySignificant ? 1 : 0;
        }
    }
    if (at < text.size() && text[at] == format.decimalSeparator) {
        plain.text += '.';
        for (++at; at < text.size() && isDigit(text[at]); ++at) {
            plain.text += text[at];
            anyDigit = true;
            anySignificant = anySignificant || text[at] != '0';
            zerosAfterPoint += anySignificant ? 0 : 1;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }

    long long exponent = 0;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        plain.text += 'e';
        bool negativeExponent = false;
        if (++at < text.size() && (text[at] == '+' || text[at] == '-')) {
            negativeExponent = text[at++] == '-';
            plain.text += negativeExponent ? "-" : "";
        }
        const std::size_t digitsStart = at;
        constexpr long long exponentCap = 1'000'000'000;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            plain.text += text[at];
            exponent = std::min(exponentCap, exponent * 10 + (text[at] - '0'));
        }
        if (at == digitsStart) {
            return std::nullopt;
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    plain.leadingExponent =
        exponent + (significantBeforePoint > 0 ? significantBeforePoint - 1 : -(zerosAfterPoint + 1));
    return plain;
}

} // namespace

Expected<double, NumberError> parseNumber(std::string_view text, NumberFormat format) {
    const std::optional<PlainNumber> plain = plainNumber(text, format);
    if (!plain) {
        return NumberError::notANumber;
    }
    const char* const end = plain->text.data() + plain->text.size();
    double value = 0.0;
    const auto [stop, error] = std::from_chars(plain->text.data(), end, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (plain->leadingExponent < 0) {
            return plain->negative ? -0.0 : 0.0;
        }
        return NumberError::outOfRange;
    }
    if (error != std::errc{} || stop != end) {
        return NumberError::notANumber;
    }
    return value;
}

Expected<std::int16_t, NumberError> roundToInt16(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max())) {
        return NumberError::outOfRange;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace zorvel

// Reading numbers from the texts people type.
#include "numbers.h"

#include "decimal_facts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace zorvel {
namespace {

using decimal::exactDigits;
using decimal::exactPowersOfTen;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number text split into its parts once its form has been checked.
struct NumberParts {
    bool negative = false;
    std::string_view integerPart; // digits and grouping separators
    std::string_view fraction;    // digits
    bool negativeExponent = false;
    std::string_view exponentDigits;
    long long exponent = 0; // signed, its size capped
    // The mantissa digits as one integer, while they are few enough to be exact.
    std::uint64_t digits = 0;
    int significantDigits = 0;
};

std::optional<NumberParts> splitNumber(std::string_view text, NumberFormat format) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    const std::string_view body = text.substr(first, last - first);

    NumberParts parts;
    bool anyDigit = false;
    auto takeDigit = [&parts, &anyDigit](char c) {
        anyDigit = true;
        if (parts.significantDigits > 0 || c != '0') {
            ++parts.significantDigits;
        }
        if (parts.significantDigits <= exactDigits) {
            parts.digits = parts.digits * 10 + static_cast<std::uint64_t>(c - '0');
        }
    };
    std::size_t at = 0;
    if (at < body.size() && (body[at] == '+' || body[at] == '-')) {
        parts.negative = body[at] == '-';
        ++at;
    }
    std::size_t start = at;
    for (; at < body.size(); ++at) {
        if (isDigit(body[at])) {
            takeDigit(body[at]);
        } else if (body[at] != format.groupingSeparator) {
            break;
        }
    }
    parts.integerPart = body.substr(start, at - start);
    if (at < body.size() && body[at] == format.decimalSeparator) {
        start = ++at;
        for (; at < body.size() && isDigit(body[at]); ++at) {
            takeDigit(body[at]);
        }
        parts.fraction = body.substr(start, at - start);
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (at < body.size() && (body[at] == 'E' || body[at] == 'e')) {
        ++at;
        if (at < body.size() && (body[at] == '+' || body[at] == '-')) {
            parts.negativeExponent = body[at] == '-';
            ++at;
        }
        start = at;
        constexpr long long exponentCap = 1'000'000'000;
        for (; at < body.size() && isDigit(body[at]); ++at) {
            parts.exponent = std::min(exponentCap, parts.exponent * 10 + (body[at] - '0'));
        }
        parts.exponentDigits = body.substr(start, at - start);
        if (parts.exponentDigits.empty()) {
            return std::nullopt;
        }
        if (parts.negativeExponent) {
            parts.exponent = -parts.exponent;
        }
    }
    if (at != body.size()) {
        return std::nullopt;
    }
    return parts;
}

// Few digits times an exact power of ten: the digits form an exact integer, and one
// multiplication or division by the power rounds once, so correctly. Covers what
// people type; anything longer takes the general way.
std::optional<double> readShortNumber(const NumberParts& parts) {
    if (parts.significantDigits > exactDigits) {
        return std::nullopt;
    }
    const long long tenPower = parts.exponent - static_cast<long long>(parts.fraction.size());
    if (tenPower < -22 || tenPower > 22) {
        return std::nullopt;
    }
    const double whole = static_cast<double>(parts.digits);
    const double magnitude = tenPower < 0 ? whole / exactPowersOfTen[static_cast<std::size_t>(-tenPower)]
                                          : whole * exactPowersOfTen[static_cast<std::size_t>(tenPower)];
    return parts.negative ? -magnitude : magnitude;
}

// The form people type, read in one pass: an optional sign, digits with grouping
// separators, an optional decimal separator and fraction, at most 15 digits in all
// and nothing else. The digits form an exact integer and one division by an exact
// power of ten rounds once, so the value is the one the general way gives. Anything
// else (blanks, an exponent, more digits, no digit) is left to the general way.
std::optional<double> readTypedNumber(std::string_view text, NumberFormat format) {
    const char* at = text.data();
    const char* const end = at + text.size();
    bool negative = false;
    if (at != end && (*at == '-' || *at == '+')) {
        negative = *at == '-';
        ++at;
    }
    std::uint64_t digits = 0; // wraps past 19 digits, but those are rejected below
    int digitCount = 0;
    for (; at != end; ++at) {
        const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*at) - '0');
        if (digit < 10) {
            digits = digits * 10 + digit;
            ++digitCount;
        } else if (*at != format.groupingSeparator) {
            break;
        }
    }
    int fractionDigits = 0;
    if (at != end && *at == format.decimalSeparator) {
        for (++at; at != end; ++at) {
            const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*at) - '0');
            if (digit >= 10) {
                break;
            }
            digits = digits * 10 + digit;
            ++fractionDigits;
        }
    }
    digitCount += fractionDigits;
    if (at != end || digitCount == 0 || digitCount > exactDigits) {
        return std::nullopt;
    }
    // An integer needs no division, and dividing by one would only add its wait.
    double magnitude = static_cast<double>(digits);
    if (fractionDigits > 0) {
        magnitude /= exactPowersOfTen[static_cast<std::size_t>(fractionDigits)];
    }
    return negative ? -magnitude : magnitude;
}

// The number in the plain form that std::from_chars reads:
// "[-]digits[.digits][e[-]digits]". Most texts are short and stay on the stack; a
// long one (a pasted page of digits) goes to the heap.
class PlainForm {
public:
    explicit PlainForm(std::size_t capacity) : onHeap_(capacity > smallCapacity) {
        if (onHeap_) {
            large_.reserve(capacity);
        }
    }
    void push(char c) {
        if (onHeap_) {
            large_.push_back(c);
        } else {
            small_[size_++] = c;
        }
    }
    const char* begin() const { return onHeap_ ? large_.data() : small_.data(); }
    const char* end() const { return begin() + (onHeap_ ? large_.size() : size_); }

private:
    static constexpr std::size_t smallCapacity = 96;
    bool onHeap_;
    std::array<char, smallCapacity> small_{};
    std::size_t size_ = 0;
    std::string large_;
};

Expected<double, NumberError> readLongNumber(const NumberParts& parts, NumberFormat format) {
    // Room for every character, a leading "0" and the exponent sign.
    PlainForm plain(parts.integerPart.size() + parts.fraction.size() + parts.exponentDigits.size() + 6);
    if (parts.negative) {
        plain.push('-');
    }
    plain.push('0');

    // The decimal exponent of the first significant digit, to tell an underflow
    // from an overflow when the value does not fit a double.
    long long significantDigitsBeforePoint = 0;
    long long zerosAfterPoint = 0;
    bool anyNonZero = false;
    for (const char c : parts.integerPart) {
        if (c == format.groupingSeparator) {
            continue;
        }
        plain.push(c);
        if (c != '0' || anyNonZero) {
            anyNonZero = true;
            ++significantDigitsBeforePoint;
        }
    }
    plain.push('.');
    for (const char c : parts.fraction) {
        plain.push(c);
        if (!anyNonZero) {
            if (c == '0') {
                ++zerosAfterPoint;
            } else {
                anyNonZero = true;
            }
        }
    }
    if (!parts.exponentDigits.empty()) {
        plain.push('e');
        if (parts.negativeExponent) {
            plain.push('-');
        }
        for (const char c : parts.exponentDigits) {
            plain.push(c);
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.begin(), plain.end(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const long long magnitude = significantDigitsBeforePoint > 0
                                        ? significantDigitsBeforePoint - 1 + parts.exponent
                                        : -(zerosAfterPoint + 1) + parts.exponent;
        if (magnitude < 0) {
            return parts.negative ? -0.0 : 0.0;
        }
        return NumberError::outOfRange;
    }
    if (error != std::errc{} || end != plain.end()) {
        return NumberError::notANumber;
    }
    return value;
}

// Any other text: blanks, exponents, long digit strings, and what is not a number.
// Kept apart so that the common case stays small.
[[gnu::noinline]] Expected<double, NumberError> readAnyNumber(std::string_view text, NumberFormat format) {
    const auto parts = splitNumber(text, format);
    if (!parts) {
        return NumberError::notANumber;
    }
    if (const auto value = readShortNumber(*parts)) {
        return *value;
    }
    return readLongNumber(*parts, format);
}

} // namespace

Expected<double, NumberError> parseNumber(std::string_view text, NumberFormat format) {
    if (const auto typed = readTypedNumber(text, format)) {
        return *typed;
    }
    return readAnyNumber(text, format);
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

Expected<std::int16_t, NumberError> parseInt16(std::string_view text, NumberFormat format) {
    const auto number = parseNumber(text, format);
    if (!number) {
        return number.error();
    }
    return roundToInt16(*number);
}

} // namespace zorvel

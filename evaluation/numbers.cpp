#include "numbers.h"

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

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> exactPowersOfTen{
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

// "00" to "99", for writing digits two at a time.
constexpr std::array<char, 200> digitPairs = [] {
    std::array<char, 200> pairs{};
    for (int n = 0; n < 100; ++n) {
        pairs[static_cast<std::size_t>(2 * n)] = static_cast<char>('0' + n / 10);
        pairs[static_cast<std::size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

// Integers with at most this many digits are exact in a double.
constexpr int exactDigits = 15;

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
    const double magnitude = static_cast<double>(digits) / exactPowersOfTen[static_cast<std::size_t>(fractionDigits)];
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

// Writes a value that is the nearest double to a decimal with at most six decimals
// and 15 digits, as measurements are: the division below proves it. Such a decimal
// is what rounding the value to 15 significant digits gives (two such decimals lie
// further apart than a double's rounding error), so it is written as it stands and
// reads back as exactly value. Returns the length written, or 0 when the value is
// not of this kind or needs the scientific form.
std::size_t formatFewDecimals(double value, NumberFormat format, std::array<char, 32>& out) {
    constexpr int decimals = 6;
    constexpr double scale = 1e6;
    constexpr std::uint64_t smallestPlain = 100; // 0,0001: below it the form is scientific
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e9)) {
        return 0; // also NaN; up to 1e9 the scaled value has at most 15 digits
    }
    const auto scaled = static_cast<std::uint64_t>(magnitude * scale + 0.5);
    if (scaled < smallestPlain || static_cast<double>(scaled) / scale != magnitude) {
        return 0;
    }
    auto integerPart = static_cast<std::uint32_t>(scaled / 1'000'000);
    auto fraction = static_cast<std::uint32_t>(scaled % 1'000'000);
    int fractionDigits = decimals;
    while (fraction != 0 && fraction % 10 == 0) {
        fraction /= 10;
        --fractionDigits;
    }

    char* to = out.data();
    if (value < 0) {
        *to++ = '-';
    }
    // The integer part, written backwards from its last digit.
    std::array<char, 10> integerDigits{};
    std::size_t first = integerDigits.size();
    do {
        integerDigits[--first] = static_cast<char>('0' + integerPart % 10);
        integerPart /= 10;
    } while (integerPart != 0);
    to = std::copy(integerDigits.begin() + static_cast<std::ptrdiff_t>(first), integerDigits.end(), to);
    if (fraction != 0) {
        *to++ = format.decimalSeparator;
        for (int i = fractionDigits - 1; i >= 0; --i, fraction /= 10) {
            to[i] = static_cast<char>('0' + fraction % 10);
        }
        to += fractionDigits;
    }
    return static_cast<std::size_t>(to - out.data());
}

// Writes value rounded to 15 significant digits in plain form, without the general
// conversion, when that is safe: scaled by an exact power of ten into 15 integer
// digits, the product is off by at most a sixteenth, so unless it lies near a half
// its nearest integer is the exact rounding. Returns the length written, or 0 when
// the general way must decide or the rounded value needs the scientific form.
std::size_t formatShortNumber(double value, NumberFormat format, std::array<char, 32>& out) {
    constexpr double smallest15Digits = 1e14;
    constexpr double beyond15Digits = 1e15;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-5 && magnitude < beyond15Digits)) {
        return 0;
    }
    // First guess of the decimal exponent from the binary one (log10 2 ~ 78913 / 2^18).
    const int binaryExponent = static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
    int exponent = (binaryExponent * 78913) >> 18;
    double scaled = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (exponent > 14 || exponent < -5) {
            return 0;
        }
        scaled = magnitude * exactPowersOfTen[static_cast<std::size_t>(14 - exponent)];
        if (scaled >= beyond15Digits) {
            ++exponent;
        } else if (scaled < smallest15Digits) {
            --exponent;
        } else {
            break;
        }
    }
    // Positive and below 2^53: the conversion drops the fraction exactly.
    const auto below = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(below);
    if (fraction > 0.375 && fraction < 0.625) {
        return 0;
    }
    const std::uint64_t digits = below + (fraction >= 0.5 ? 1 : 0);
    if (digits < static_cast<std::uint64_t>(smallest15Digits) || digits >= static_cast<std::uint64_t>(beyond15Digits)) {
        return 0; // at the edge of a decade: let the general way decide
    }
    if (exponent < -4) {
        return 0; // scientific form
    }

    // Fifteen digits, two at a time from a table, as two halves that fit 32 bits;
    // the first half has seven digits and so a leading zero, which is skipped.
    std::array<char, exactDigits + 1> written{};
    auto writeDigits = [&written](std::uint32_t half, std::size_t end) {
        for (std::size_t i = 0; i < 4; ++i, half /= 100) {
            const std::size_t pair = 2 * (half % 100);
            written[end - 2 * i - 1] = digitPairs[pair + 1];
            written[end - 2 * i - 2] = digitPairs[pair];
        }
    };
    writeDigits(static_cast<std::uint32_t>(digits % 100'000'000), written.size());
    writeDigits(static_cast<std::uint32_t>(digits / 100'000'000), written.size() - 8);
    const char* const significand = written.data() + 1;
    int kept = exactDigits;
    while (significand[kept - 1] == '0') {
        --kept;
    }

    char* to = out.data();
    if (value < 0) {
        *to++ = '-';
    }
    if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        for (int i = 0; i < integerDigits; ++i) {
            *to++ = i < kept ? significand[i] : '0';
        }
        if (kept > integerDigits) {
            *to++ = format.decimalSeparator;
            to = std::copy(significand + integerDigits, significand + kept, to);
        }
    } else {
        *to++ = '0';
        *to++ = format.decimalSeparator;
        to = std::fill_n(to, -exponent - 1, '0');
        to = std::copy(significand, significand + kept, to);
    }
    return static_cast<std::size_t>(to - out.data());
}

} // namespace

Expected<double, NumberError> parseNumber(std::string_view text, NumberFormat format) {
    if (const auto typed = readTypedNumber(text, format)) {
        return *typed;
    }
    const auto parts = splitNumber(text, format);
    if (!parts) {
        return NumberError::notANumber;
    }
    if (const auto value = readShortNumber(*parts)) {
        return *value;
    }
    return readLongNumber(*parts, format);
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

bool formatNumberInto(double value, std::string& text, NumberFormat format) {
    if (value == 0.0) {
        text = "0"; // never "-0"
        return !std::signbit(value);
    }
    std::array<char, 32> shortForm;
    if (const std::size_t length = formatFewDecimals(value, format, shortForm)) {
        text.assign(shortForm.data(), length);
        return true;
    }
    if (const std::size_t length = formatShortNumber(value, format, shortForm)) {
        text.assign(shortForm.data(), length);
        return false;
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    text.assign(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == '.') {
            c = format.decimalSeparator;
        } else if (c == 'e') {
            c = 'E';
        }
    }
    return false;
}

std::string formatNumber(double value, NumberFormat format) {
    std::string text;
    formatNumberInto(value, text, format);
    return text;
}

} // namespace zorvel

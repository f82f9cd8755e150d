// Writing numbers as texts people read.
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

// Integer powers of ten, for splitting a digit string into its integer part and
// fraction.
constexpr std::array<std::uint64_t, 20> integerPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// A number written in plain form at the end of a buffer, and the value its text
// reads back as.
struct PlainText {
    std::array<char, 32> chars;
    std::size_t first = 0;  // where the text begins in chars
    std::size_t length = 0; // 0: not written
    double readBack = 0;
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

// Writes the last count digits of value (leading zeros included) so that they end
// just before end; returns where they begin.
template <typename Unsigned>
char* writeDigitsBackwards(Unsigned value, int count, char* end) {
    for (; count >= 2; count -= 2, value /= 100) {
        const auto pair = static_cast<std::size_t>(2 * (value % 100));
        *--end = digitPairs[pair + 1];
        *--end = digitPairs[pair];
    }
    if (count == 1) {
        *--end = static_cast<char>('0' + value % 10);
    }
    return end;
}

// Writes all the digits of value, at least one, likewise.
template <typename Unsigned>
char* writeIntegerBackwards(Unsigned value, char* end) {
    for (; value >= 100; value /= 100) {
        const auto pair = static_cast<std::size_t>(2 * (value % 100));
        *--end = digitPairs[pair + 1];
        *--end = digitPairs[pair];
    }
    return writeDigitsBackwards(value, value >= 10 ? 2 : 1, end);
}

// Writes [-]integerPart[,fraction], the fraction as decimals digits without its
// trailing zeros, at the end of the buffer.
template <typename Unsigned>
[[gnu::always_inline]] inline void writePlain(bool negative, Unsigned integerPart, Unsigned fraction, int decimals,
                                              NumberFormat format, PlainText& out) {
    char* const end = out.chars.data() + out.chars.size();
    char* at = end;
    char* last = end; // one past the last character kept
    if (decimals > 0 && fraction != 0) {
        at = writeDigitsBackwards(fraction, decimals, at);
        while (last[-1] == '0') {
            --last;
        }
        *--at = format.decimalSeparator;
    }
    at = writeIntegerBackwards(integerPart, at);
    if (negative) {
        *--at = '-';
    }
    out.first = static_cast<std::size_t>(at - out.chars.data());
    out.length = static_cast<std::size_t>(last - at);
}

// Writes [-]scaled / 10^6. Most measurements fit 32 bits here, and most indices
// and bounds have two decimals at most.
void writeSixDecimals(bool negative, std::uint64_t scaled, NumberFormat format, PlainText& out) {
    constexpr int decimals = 6;
    constexpr std::uint32_t unit = 1'000'000;
    constexpr std::uint32_t hundredthsUnit = 10'000;
    if (scaled > std::numeric_limits<std::uint32_t>::max()) {
        writePlain(negative, scaled / unit, scaled % unit, decimals, format, out);
        return;
    }
    const auto narrow = static_cast<std::uint32_t>(scaled);
    const std::uint32_t fraction = narrow % unit;
    if (fraction % hundredthsUnit == 0) {
        writePlain(negative, narrow / unit, fraction / hundredthsUnit, 2, format, out);
    } else {
        writePlain(negative, narrow / unit, fraction, decimals, format, out);
    }
}

// How far, in millionths, a value of 1 to 10^9 may lie from a decimal with six
// decimals and still round to it at 15 significant digits, by the number of digits
// of its integer part less one: a quarter of the last digit kept. Scaling by a
// million errs by less than a ninth of it, and the nearest double to the decimal
// itself lies within a ninth too, so such a double always passes.
constexpr std::array<double, 9> nearEnoughMillionths{2.5e-9, 2.5e-8, 2.5e-7, 2.5e-6, 2.5e-5,
                                                     2.5e-4, 2.5e-3, 2.5e-2, 2.5e-1};

// Writes value when rounding it to 15 significant digits gives a decimal with at
// most six decimals, as it does for measurements, and shows that cheaply: from 1
// up, the value lies so close to that decimal that rounding cannot go elsewhere;
// below 1, it is the nearest double to the decimal (the division proves it, as two
// such decimals lie further apart than a double's rounding error). Either way the
// text reads back as the nearest double to the decimal. Leaves the length 0 for any
// other value and for values that need the scientific form.
void writeFewDecimals(double value, NumberFormat format, PlainText& out) {
    constexpr double scale = 1e6;
    constexpr std::uint64_t smallestPlain = 100; // 0,0001: below it the form is scientific
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e9)) {
        return; // also NaN; up to 1e9 the scaled value has at most 15 digits
    }
    const double millionths = magnitude * scale;
    const auto scaled = static_cast<std::uint64_t>(millionths + 0.5);
    if (scaled < smallestPlain) {
        return;
    }
    const double decimal = static_cast<double>(scaled) / scale;
    if (magnitude >= 1) {
        auto integerPart = static_cast<std::uint32_t>(magnitude);
        std::size_t lastDigitPower = 0;
        for (; integerPart >= 10; integerPart /= 10) {
            ++lastDigitPower;
        }
        if (!(std::fabs(millionths - static_cast<double>(scaled)) < nearEnoughMillionths[lastDigitPower])) {
            return;
        }
    } else if (decimal != magnitude) {
        return;
    }
    writeSixDecimals(value < 0, scaled, format, out);
    out.readBack = value < 0 ? -decimal : decimal;
}

// Writes value rounded to 15 significant digits in plain form, without the general
// conversion, when that is safe: scaled by an exact power of ten into 15 integer
// digits, the product is off by at most a sixteenth, so unless it lies near a half
// its nearest integer is the exact rounding. Leaves the length 0 when the general
// way must decide or the rounded value needs the scientific form.
void writeShortNumber(double value, NumberFormat format, PlainText& out) {
    constexpr double smallest15Digits = 1e14;
    constexpr double beyond15Digits = 1e15;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-5 && magnitude < beyond15Digits)) {
        return;
    }
    // First guess of the decimal exponent from the binary one (log10 2 ~ 78913 / 2^18).
    const int binaryExponent = static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
    int exponent = (binaryExponent * 78913) >> 18;
    double scaled = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (exponent > 14 || exponent < -5) {
            return;
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
    const double fractionOfUnit = scaled - static_cast<double>(below);
    if (fractionOfUnit > 0.375 && fractionOfUnit < 0.625) {
        return;
    }
    const std::uint64_t digits = below + (fractionOfUnit >= 0.5 ? 1 : 0);
    if (digits < static_cast<std::uint64_t>(smallest15Digits) || digits >= static_cast<std::uint64_t>(beyond15Digits)) {
        return; // at the edge of a decade: let the general way decide
    }
    if (exponent < -4) {
        return; // scientific form
    }

    // The digits stand for digits / 10^(14 - exponent). The text reads back as the
    // reading does it: its digits as one exact integer divided once by a power of
    // ten, which rounds the same decimal value once, so any exact integer and power
    // for that value give the same double.
    const bool negative = value < 0;
    const int decimals = exactDigits - 1 - exponent;
    constexpr int sixDecimals = 6;
    if (decimals >= sixDecimals) {
        const std::uint64_t extra = integerPowersOfTen[static_cast<std::size_t>(decimals - sixDecimals)];
        if (digits % extra == 0) {
            // Six decimals or fewer after all, the common case of a first step.
            const std::uint64_t millionths = digits / extra;
            writeSixDecimals(negative, millionths, format, out);
            const double readMagnitude = static_cast<double>(millionths) / 1e6;
            out.readBack = negative ? -readMagnitude : readMagnitude;
            return;
        }
    }
    const std::uint64_t unit = integerPowersOfTen[static_cast<std::size_t>(decimals)];
    writePlain(negative, digits / unit, digits % unit, decimals, format, out);
    const double readMagnitude = static_cast<double>(digits) / exactPowersOfTen[static_cast<std::size_t>(decimals)];
    out.readBack = negative ? -readMagnitude : readMagnitude;
}


// Into the storage the text already has: a short text stays in place.
void replaceText(std::string& text, const PlainText& plain) {
    text.clear();
    text.append(plain.chars.data() + plain.first, plain.length);
}

// Every value but those with few decimals: zero, up to 15 digits in plain form,
// and the scientific form.
[[gnu::noinline]] Expected<double, NumberError> formatAnyNumber(double value, std::string& text,
                                                                NumberFormat format) {
    PlainText plain;
    if (value == 0.0) {
        writePlain(false, 0u, 0u, 0, format, plain); // never "-0"
    } else {
        writeShortNumber(value, format, plain);
    }
    if (plain.length != 0) {
        replaceText(text, plain);
        return plain.readBack;
    }
    // Near the largest double, rounding to 15 digits would write a number beyond the
    // double range ("1,79769313486232E+308") that no longer reads back; write the
    // largest 15-digit number that does instead.
    constexpr double largestWritable = 1.79769313486231e308;
    value = std::clamp(value, -largestWritable, largestWritable);
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
    return parseNumber(text, format);
}

} // namespace

Expected<double, NumberError> formatNumberInto(double value, std::string& text, NumberFormat format) {
    PlainText plain;
    writeFewDecimals(value, format, plain);
    if (plain.length == 0) {
        return formatAnyNumber(value, text, format);
    }
    replaceText(text, plain);
    return plain.readBack;
}

void formatHundredthsInto(double value, std::string& text, NumberFormat format) {
    constexpr double largestHundredths = 1e15; // fifteen digits
    const double hundredths = std::fabs(value) * 100;
    if (!(hundredths >= 0.5 && hundredths < largestHundredths)) {
        formatNumberInto(value, text, format); // zero, huge values, NaN
        return;
    }
    // value is the nearest double to a whole number of hundredths, so value * 100
    // is within a hair of that number and rounding finds it; below 10^15 the
    // decimal is its own 15-digit rounding.
    const auto whole = static_cast<std::uint64_t>(hundredths + 0.5);
    PlainText plain;
    if (whole <= std::numeric_limits<std::uint32_t>::max()) {
        const auto narrow = static_cast<std::uint32_t>(whole);
        writePlain(value < 0, narrow / 100, narrow % 100, 2, format, plain);
    } else {
        writePlain(value < 0, whole / 100, whole % 100, 2, format, plain);
    }
    replaceText(text, plain);
}

std::string formatNumber(double value, NumberFormat format) {
    std::string text;
    formatNumberInto(value, text, format);
    return text;
}

} // namespace zorvel

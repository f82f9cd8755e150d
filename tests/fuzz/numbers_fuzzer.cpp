// Properties of the conversions between numbers and Italian texts, for any text.
#include "check.h"
#include "evaluation/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using zorvel::formatNumber;
using zorvel::italianFormat;
using zorvel::NumberError;
using zorvel::NumberFormat;
using zorvel::parseInt16;
using zorvel::parseNumber;
using zorvel::fuzz::expect;

// The format with the separators the other way round, as written in English.
constexpr NumberFormat pointFormat{'.', ','};

std::string swapSeparators(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == ',')
            c = '.';
        else if (c == '.')
            c = ',';
    }
    return out;
}

std::string describe(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of the mantissa without leading and trailing zeros: how many
// significant digits the text gives. Only for texts that read as numbers.
int significantDigits(std::string_view text)
{
    text = text.substr(0, text.find_first_of("Ee"));
    std::string digits;
    for (char c : text) {
        if (isDigit(c))
            digits += c;
    }
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

// Text written by formatNumber: an optional "-", digits, at most one decimal comma
// with no trailing zero after it, no grouping; at most 15 significant digits;
// scientific form ("1,5E-07") exactly when the decimal exponent is 15 or more or
// below -4.
void expectWellWritten(std::string_view written, std::string_view input)
{
    expect(!written.empty(), "formatNumber writes something", input);
    expect(written.find('.') == std::string_view::npos, "formatNumber writes no grouping", input, std::string(written));
    expect(significantDigits(written) <= 15, "formatNumber writes at most 15 significant digits", input,
           std::string(written));

    const auto exponentAt = written.find('E');
    const std::string_view mantissa = written.substr(written.front() == '-' ? 1 : 0, exponentAt - (written.front() == '-'));
    const auto comma = mantissa.find(',');
    expect(!mantissa.empty() && isDigit(mantissa.front()), "formatNumber starts with a digit", input,
           std::string(written));
    if (comma != std::string_view::npos) {
        expect(comma + 1 < mantissa.size() && mantissa.back() != '0' &&
                   mantissa.substr(comma + 1).find_first_not_of("0123456789") == std::string_view::npos,
               "formatNumber writes a fraction without trailing zeros", input, std::string(written));
    }
    expect(mantissa.substr(0, comma).find_first_not_of("0123456789") == std::string_view::npos,
           "formatNumber writes only digits before the comma", input, std::string(written));

    if (exponentAt != std::string_view::npos) {
        const std::string_view exponent = written.substr(exponentAt + 1);
        expect(exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-') &&
                   exponent.substr(1).find_first_not_of("0123456789") == std::string_view::npos,
               "formatNumber writes the exponent with its sign and two digits at least", input, std::string(written));
        const int power = std::stoi(std::string(exponent));
        expect(power >= 15 || power < -4, "formatNumber uses scientific form only for large and small values", input,
               std::string(written));
        expect(mantissa.front() != '0' && (comma == std::string_view::npos || comma == 1),
               "formatNumber writes one non-zero digit before the comma in scientific form", input,
               std::string(written));
    } else {
        // Plain form: the leading digit's power of ten must lie in -4..14.
        const auto integerDigits = mantissa.substr(0, comma).find_first_not_of('0');
        if (integerDigits != std::string_view::npos) {
            expect(comma == std::string_view::npos ? mantissa.size() - integerDigits <= 15 : comma - integerDigits <= 15,
                   "formatNumber uses plain form only below 1E+15", input, std::string(written));
        } else if (comma != std::string_view::npos) {
            const auto leadingZeros = mantissa.substr(comma + 1).find_first_not_of('0');
            expect(leadingZeros != std::string_view::npos && leadingZeros < 4,
                   "formatNumber uses plain form only from 1E-04", input, std::string(written));
        }
    }
}

// The C library's reading of the same number: blanks around and grouping
// separators dropped, the decimal comma turned into a point. strtod reads in the
// "C" locale, which this program never changes.
double readByStrtod(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    text = text.substr(first, last - first + 1);
    std::string plain;
    bool inFraction = false;
    for (char c : text) {
        if (c == ',') {
            plain += '.';
            inFraction = true;
        } else if (c != '.' || inFraction) {
            plain += c;
        }
    }
    return std::strtod(plain.c_str(), nullptr);
}

// The writers that fill a text in place: they must write what formatNumber writes,
// and formatNumberInto must report what its text reads as. formatHundredthsInto is
// only for values truncated to hundredths, as indices and bounds are.
void expectWritersAgree(double value, std::string_view input)
{
    const std::string written = formatNumber(value);
    std::string reused = "a longer text left over from an earlier number";
    const auto readBack = zorvel::formatNumberInto(value, reused);
    expect(reused == written, "formatNumberInto writes what formatNumber writes", input,
           reused + " instead of " + written);
    const auto read = parseNumber(written);
    expect(readBack.ok() == read.ok() && (!read.ok() || *readBack == *read),
           "formatNumberInto reports what its text reads as", input, written);

    const double hundredths = std::trunc(value * 100) / 100;
    if (std::isfinite(hundredths)) {
        std::string shown = "a longer text left over from an earlier number";
        zorvel::formatHundredthsInto(hundredths, shown);
        expect(shown == formatNumber(hundredths), "formatHundredthsInto writes what formatNumber writes", input,
               shown + " instead of " + formatNumber(hundredths) + " for " + describe(hundredths));
    }
}

// The nearest integer, halves to the even one, for a value read as a double.
double roundedHalfToEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1;
    return std::fmod(lower, 2) == 0 ? lower : lower + 1;
}

void checkText(std::string_view text)
{
    const auto read = parseNumber(text);

    const auto readInPointFormat = parseNumber(swapSeparators(text), pointFormat);
    expect(read.ok() == readInPointFormat.ok(), "the separators are taken from the format", text);
    if (read.ok()) {
        expect(*read == *readInPointFormat || (std::isnan(*read) && std::isnan(*readInPointFormat)),
               "the same text in both formats reads the same", text, describe(*readInPointFormat));
    } else {
        expect(read.error() == readInPointFormat.error(), "the same text in both formats fails the same way", text);
    }

    const auto readInt16 = parseInt16(text);
    if (!read.ok()) {
        expect(!readInt16.ok() && readInt16.error() == read.error(),
               "a text that is no number is no 16-bit integer either", text);
        return;
    }

    const double value = *read;
    expect(std::isfinite(value), "a number that reads is finite", text, describe(value));
    expect(value == readByStrtod(text), "a number reads as the C library reads it, correctly rounded", text,
           describe(value) + " instead of " + describe(readByStrtod(text)));

    const double rounded = roundedHalfToEven(value);
    if (rounded >= -32768 && rounded <= 32767) {
        expect(readInt16.ok() && *readInt16 == rounded, "the 16-bit integer is the number rounded halves to even",
               text, readInt16.ok() ? std::to_string(*readInt16) : "a failure");
    } else {
        expect(!readInt16.ok() && readInt16.error() == NumberError::outOfRange,
               "a number that rounds outside -32768..32767 is out of range", text);
    }

    const std::string written = formatNumber(value);
    expectWellWritten(written, text);
    expectWritersAgree(value, text);
    expect(formatNumber(value, pointFormat) == swapSeparators(written), "formatNumber takes the comma from the format",
           text, formatNumber(value, pointFormat));

    const auto readBack = parseNumber(written);
    expect(readBack.ok(), "the written number reads back", text, written);
    expect(formatNumber(*readBack) == written, "writing what was read back gives the same text", text,
           formatNumber(*readBack));
    if (significantDigits(text) <= 15) {
        expect(*readBack == value, "a number of at most 15 digits reads back as itself", text,
               written + " reads " + describe(*readBack) + ", not " + describe(value));
    }
}

// The bytes as a double: checks formatNumber on values no text would give quickly.
void checkValue(const std::uint8_t* data)
{
    double value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return;
    const std::string label = "the double " + describe(value);
    const std::string written = formatNumber(value);
    expectWellWritten(written, label);
    expectWritersAgree(value, label);
    const auto readBack = parseNumber(written);
    expect(readBack.ok(), "the written number reads back", label, written);
    expect(formatNumber(*readBack) == written, "writing what was read back gives the same text", label,
           formatNumber(*readBack));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double))
        checkValue(data);
    return 0;
}

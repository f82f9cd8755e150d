// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversions between numbers and Italian texts, for any text, against the C
// library's reading and writing of the same numbers.
#include "calculation_model.h"
#include "check.h"

#include "evaluation/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using zorvel::formatNumber;
using zorvel::NumberError;
using zorvel::NumberFormat;
using zorvel::parseNumber;
using zorvel::roundToInt16;
using zorvel::fuzz::expect;

// The format with the separators the other way round, as written in English.
constexpr NumberFormat pointFormat{'.', ','};

std::string swapSeparators(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = c == ',' ? '.' : c == '.' ? ',' : c;
    }
    return out;
}

std::string describe(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

bool sameNumber(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// Written as printf writes it with 15 digits, except that a value which would round
// beyond the double range is written as the largest 15-digit number that reads back.
void checkWritten(double value, std::string_view input) {
    const std::string written = formatNumber(value);
    constexpr double largestWritable = 1.79769313486231e308;
    const std::string expected =
        zorvel::model::writeNumber(std::fabs(value) > largestWritable ? std::copysign(largestWritable, value) : value);
    expect(written == expected, "a number is written as printf writes it with 15 digits", input,
           written + " instead of " + expected);
    expect(formatNumber(value, pointFormat) == swapSeparators(written), "formatNumber takes the comma from the format",
           input, formatNumber(value, pointFormat));

    const auto readBack = parseNumber(written);
    expect(readBack.ok(), "the written number reads back", input, written);
    expect(formatNumber(*readBack) == written, "writing what was read back gives the same text", input,
           formatNumber(*readBack));
}

// The nearest integer, halves to the even one, for a value read as a double.
double roundedHalfToEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction != 0.5) {
        return fraction < 0.5 ? lower : lower + 1;
    }
    return std::fmod(lower, 2) == 0 ? lower : lower + 1;
}

void checkText(std::string_view text) {
    const auto read = parseNumber(text);
    const std::optional<double> byC = zorvel::model::readNumber(text);
    if (!byC) {
        expect(!read.ok() && read.error() == NumberError::notANumber, "a text the C library does not read is no number",
               text, read.ok() ? describe(*read) : "out of range");
    } else if (std::isinf(*byC)) {
        expect(!read.ok() && read.error() == NumberError::outOfRange,
               "a number the C library reads beyond the double range is out of range", text,
               read.ok() ? describe(*read) : "not a number");
    } else {
        expect(read.ok(), "every number the C library reads is accepted", text);
        expect(sameNumber(*read, *byC), "a number reads as the C library reads it, the sign of zero included", text,
               describe(*read) + " instead of " + describe(*byC));
    }

    const auto readInPointFormat = parseNumber(swapSeparators(text), pointFormat);
    expect(read.ok() == readInPointFormat.ok(), "the separators are taken from the format", text);
    if (read.ok()) {
        expect(sameNumber(*read, *readInPointFormat), "the same text in both formats reads the same", text,
               describe(*readInPointFormat));
    } else {
        expect(read.error() == readInPointFormat.error(), "the same text in both formats fails the same way", text);
    }

    if (!read.ok()) {
        return;
    }
    const auto readInt16 = roundToInt16(*read);
    const double rounded = roundedHalfToEven(*read);
    if (rounded >= -32768 && rounded <= 32767) {
        expect(readInt16.ok() && *readInt16 == rounded, "the 16-bit integer is the number rounded halves to even", text,
               readInt16.ok() ? std::to_string(*readInt16) : "a failure");
    } else {
        expect(!readInt16.ok() && readInt16.error() == NumberError::outOfRange,
               "a number that rounds outside -32768..32767 is out of range", text);
    }
    checkWritten(*read, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkText(std::string_view(reinterpret_cast<const char*>(data), size));
    // The bytes as a double: values no text would give quickly.
    double value;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            checkWritten(value, "the double " + describe(value));
        }
    }
    return 0;
}

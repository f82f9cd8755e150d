// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing numbers as texts people read.
#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zorvel {

std::string formatNumber(double value, NumberFormat format) {
    if (value == 0.0) {
        return "0"; // never "-0"
    }
    // Near the largest double, rounding to 15 digits would write a number beyond the
    // double range ("1,79769313486232E+308") that no longer reads back; write the
    // largest 15-digit number that does instead.
    constexpr double largestWritable = 1.79769313486231e308;
    value = std::clamp(value, -largestWritable, largestWritable);
    std::array<char, 32> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), written.ptr);
    for (char& c : text) {
        if (c == '.') {
            c = format.decimalSeparator;
        } else if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

} // namespace zorvel

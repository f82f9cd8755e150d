// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversions checked against the C library's own, over many values: the C
// library runs in its default "C" locale here, so only the separators differ.
#include "evaluation/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

using namespace zorvel;

namespace {

std::string withComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// The two band factors, written here as numbers rather than taken from the code.
constexpr double lowestFactor = 18.5;
constexpr double highestFactor = 24.9;

std::string printed(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return withComma(buffer);
}

} // namespace

TEST(FormatNumber, WritesWhatPrintfWritesWithFifteenDigits) {
    std::mt19937_64 noise(20261207);
    auto check = [](double value) { ASSERT_EQ(formatNumber(value), printed(value)) << std::hexfloat << value; };
    for (int n = 1; n <= 32767; ++n) { // first steps and bounds of every height in centimetres and millimetres
        for (const double metres : {n / 100.0, n / 1000.0}) {
            for (const double factor : {lowestFactor, highestFactor}) {
                check(factor * metres);
                check(std::trunc(factor * metres * metres * 100) / 100);
            }
        }
    }
    for (int i = 0; i < 25000; ++i) { // a few steps of a double away from a decimal with few decimals
        const double digits =
            static_cast<double>(noise() % static_cast<std::uint64_t>(std::pow(10.0, 1 + noise() % 15)));
        const double decimal = digits / std::pow(10.0, static_cast<double>(noise() % 9));
        double near = decimal;
        const double away = noise() % 2 ? 1e300 : 0.0;
        for (int step = 0; step < 40; ++step, near = std::nextafter(near, away))
            check(near);
    }
    for (int tens = -7; tens <= 16; ++tens) { // the edges of each decade
        const double power = std::pow(10.0, tens);
        for (double near : {std::nextafter(power, 0.0), power, std::nextafter(power, 1e300)}) {
            check(near);
            check(near * (1 - 5e-16));
            check(near * (1 - 5e-15));
        }
    }
    for (int i = 0; i < 20000; ++i) { // sixteen digits ending in 5: halfway at fifteen
        const std::string digits = std::to_string(100'000'000'000'000 + noise() % 900'000'000'000'000) + "5";
        for (int point = 1; point < 16; ++point)
            check(std::strtod((digits.substr(0, point) + '.' + digits.substr(point)).c_str(), nullptr));
    }
    for (int i = 0; i < 200000; ++i) {
        const double anyFinite = std::bit_cast<double>(noise() & 0x7FEF'FFFF'FFFF'FFFF);
        check(anyFinite);
        check(-anyFinite);
        check(std::ldexp(static_cast<double>(noise() >> 11), -static_cast<int>(noise() % 110))); // 1e-17..1e16
        check(static_cast<double>(noise() % 100'000'000) / std::pow(10.0, static_cast<double>(noise() % 12)));
    }
}

TEST(ParseNumber, ReadsWhatStrtodReads) {
    std::mt19937_64 noise(7);
    auto digits = [&noise](std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += static_cast<char>('0' + noise() % 10);
        return text;
    };
    for (int i = 0; i < 200000; ++i) {
        std::string plain = digits(1 + noise() % 20);
        if (noise() % 2)
            plain += '.' + digits(noise() % 20);
        if (noise() % 3 == 0)
            plain += 'E' + std::to_string(static_cast<int>(noise() % 700) - 350);
        const double expected = std::strtod(plain.c_str(), nullptr);
        const auto read = parseNumber(withComma(plain));
        if (std::isinf(expected)) {
            ASSERT_FALSE(read.ok()) << plain;
            ASSERT_EQ(read.error(), NumberError::outOfRange) << plain;
        } else {
            ASSERT_TRUE(read.ok()) << plain;
            ASSERT_EQ(*read, expected) << plain;
        }
    }
}

// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints every write of many presses, one line a press, so that builds for different
// processors can be compared line by line: `print_presses N` makes a few presses at the
// edges of the number range, then N pseudo-random ones. The presses come from the raw
// output of std::mt19937_64 with a fixed start value, which the C++ standard defines
// bit for bit on every processor (its distributions it does not), mapped here by integer
// arithmetic alone, so every build types the same texts.
#include "recorded_press.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

namespace {

using Noise = std::mt19937_64;

// Presses whose intermediate results leave the double range, whose results lie on a
// hundredth that wider registers used to miss, and one whose marker a fused
// multiply-add moves by a float step (found by search: random presses meet one in
// about 2^28).
constexpr std::array<std::array<std::string_view, 2>, 11> edgePresses{{
    {"40,01", "1"},
    {"195,9754", "2"},
    {"204,70", "1"},
    {"1E307", "1"},
    {"1,7E306", "1"},
    {"1E308", "0,5"},
    {"1", "1E-300"},
    {"1E-320", "0,3"},
    {"1E-300", "1E-10"},
    {"1,79769313486231E308", "1"},
    {"173281388076389,72", "1"},
}};

// A measure as a person types it: between lowest and highest (in ten-millionths), with
// 0 to 7 decimals, a decimal comma or point, now and then blanks around it.
std::string typedMeasure(Noise& noise, std::uint64_t lowest, std::uint64_t highest) {
    const auto decimals = static_cast<int>(noise() % 8);
    std::uint64_t dropped = 1;
    for (int digit = decimals; digit < 7; ++digit) {
        dropped *= 10;
    }
    const std::uint64_t tenMillionths = lowest + noise() % (highest - lowest + 1);
    std::string digits = std::to_string(tenMillionths / dropped);
    while (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, 1, '0');
    }
    std::string text = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        text += noise() % 2 ? ',' : '.';
        text += digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    }
    switch (noise() % 16) {
    case 0:
        return ' ' + text;
    case 1:
        return text + ' ';
    default:
        return text;
    }
}

constexpr std::uint64_t tenMillion = 10'000'000;

// Weights of 1 to 300 kg; heights of 50 to 250 cm or of 0,5 to 2,5 m.
std::array<std::string, 2> randomPress(Noise& noise) {
    std::string weight = typedMeasure(noise, 1 * tenMillion, 300 * tenMillion);
    std::string height = noise() % 2 ? typedMeasure(noise, 50 * tenMillion, 250 * tenMillion)
                                     : typedMeasure(noise, tenMillion / 2, 25 * tenMillion / 10);
    return {std::move(weight), std::move(height)};
}

void printPress(std::string_view weight, std::string_view height) {
    const zorvel::Evaluation shown = zorvel::evaluate(weight, height);
    std::array<char, 32> marker{};
    if (shown.markerX) {
        std::to_chars(marker.data(), marker.data() + marker.size() - 1, *shown.markerX);
    }
    const auto failure = [&](auto part) { return shown.failure ? static_cast<int>(part(*shown.failure)) : -1; };
    std::printf("%s|%s|%s|%s|%s|%s|%s|%s|%s|%d|%s|%s|%s|%s|%d|%d|%d\n", std::string(weight).c_str(),
                std::string(height).c_str(), shown.weightText.value_or("").c_str(),
                shown.heightText.value_or("").c_str(), shown.indiceText.c_str(), shown.lowest.firstStepText.c_str(),
                shown.lowest.text.c_str(), shown.highest.firstStepText.c_str(), shown.highest.text.c_str(),
                shown.categoria, shown.leftBoundText.c_str(), shown.rightBoundText.c_str(), marker.data(),
                shown.className.c_str(), shown.pictureOf, failure([](auto f) { return f.input; }),
                failure([](auto f) { return f.problem; }));
}

} // namespace

int main(int argc, char** argv) {
    unsigned long long presses = 0;
    const std::string_view count = argc == 2 ? argv[1] : "";
    if (std::from_chars(count.data(), count.data() + count.size(), presses).ptr != count.data() + count.size() ||
        count.empty()) {
        std::fprintf(stderr, "usage: %s NUMBER-OF-PRESSES\n", argv[0]);
        return 2;
    }
    for (const auto& [weight, height] : edgePresses) {
        printPress(weight, height);
    }
    Noise noise(20261210);
    for (unsigned long long press = 0; press < presses; ++press) {
        const auto [weight, height] = randomPress(noise);
        printPress(weight, height);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

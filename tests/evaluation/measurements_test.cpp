// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/measurements.h"
#include "evaluation/numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace zorvel;

namespace {
constexpr Failure heightNotANumber{Input::height, Problem::notANumber};
constexpr Failure heightOutOfRange{Input::height, Problem::outOfRange};
} // namespace

TEST(WithDecimalCommas, TurnsEveryPointIntoAComma) {
    EXPECT_EQ(withDecimalCommas("70.5"), "70,5");
    EXPECT_EQ(withDecimalCommas("1.2.3"), "1,2,3");
    EXPECT_EQ(withDecimalCommas(".5."), ",5,");
    EXPECT_EQ(withDecimalCommas("70,5"), "70,5");
    EXPECT_EQ(withDecimalCommas(""), "");
    EXPECT_EQ(withDecimalCommas("Obesit\u00E0 1.5"), "Obesit\u00E0 1,5");
}

// Above 10 (after rounding) the height is in centimetres, otherwise in metres.
TEST(AltezzaM, ChoosesTheUnitFromTheRoundedValue) {
    const struct {
        std::string_view text;
        double metres;
    } cases[] = {
        {"175", 1.75}, {"1,75", 1.75},    {" 175 ", 1.75}, {"1.75", 1.75}, // groups to 175 centimetres
        {"10", 10},    {"11", 0.11},      {"10,5", 10.5},  {"10,6", 0.106}, {"10,4", 10.4},
        {"1", 1},      {"32767", 327.67}, {"0", 0},        {"-175", -175},  {"-32768,5", -32768.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto height = altezzaM(c.text);
        ASSERT_TRUE(height.ok());
        EXPECT_DOUBLE_EQ(*height, c.metres);
    }
}

TEST(AltezzaM, FailsOnTextsThatAreNotSixteenBitNumbers) {
    const struct {
        std::string_view text;
        Failure failure;
    } cases[] = {
        {"", heightNotANumber},
        {"abc", heightNotANumber},
        {"1,75 m", heightNotANumber},
        {"1,7,5", heightNotANumber},
        {"32768", heightOutOfRange},
        {"32767,5", heightOutOfRange},
        {"1E10", heightOutOfRange},
        {"1E400", heightOutOfRange},
        // Far below zero is above all not a height: say so rather than "too large".
        {"-32769", {Input::height, Problem::notPositive}},
        {" -1E400", {Input::height, Problem::notPositive}},
        {"\u00A0-1E400", {Input::height, Problem::notPositive}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto height = altezzaM(c.text);
        ASSERT_FALSE(height.ok());
        EXPECT_EQ(height.error(), c.failure);
    }
}

TEST(Indice, DividesTwiceAndTruncatesToTwoDecimals) {
    const struct {
        std::string_view weight;
        double metres;
        double indice;
    } cases[] = {
        {"70", 1.75, 22.85},   {"72,25", 1.7, 25},
        {"60", 1.8, 18.51},    {"32", 1.6, 12.5}, // 32 / (1,6 * 1,6) would truncate to 12,49
        {"18,519", 1, 18.51},                     // truncated, never rounded up
        {"36,9", 1.5, 16.39},                     // the quotient prints as 16,4 but times 100 is 1639,9999...
        {"74", 2, 18.5},       {"1E-5", 1, 0},
        {"70", 0.18, 2160.49}, {"1E300", 1, 1e300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.weight);
        const auto value = indice(c.weight, c.metres);
        ASSERT_TRUE(value.ok());
        EXPECT_EQ(*value, c.indice);
    }
}

// Zero and negative weights and heights are rejected through evaluate(); here, what
// only the index itself can run into.
TEST(Indice, RejectsWeightsThatAreNotNumbersAndIndicesTooLarge) {
    const auto notANumber = indice("7,0,5", 1.75);
    ASSERT_FALSE(notANumber.ok());
    EXPECT_EQ(notANumber.error(), (Failure{Input::weight, Problem::notANumber}));
    // The quotient overflows; then the quotient times 100 does.
    for (const auto& [weight, metres] : {std::pair{"1E308", 1e-4}, {"1E307", 1.0}}) {
        const auto value = indice(weight, metres);
        ASSERT_FALSE(value.ok()) << weight;
        EXPECT_EQ(value.error().problem, Problem::tooLarge);
    }
}

TEST(NormalBound, ReadsTheFirstStepBackBeforeTheSecond) {
    const struct {
        double factor;
        double metres;
        std::string_view firstStep;
        double value;
        std::string_view text;
    } cases[] = {
        {lowestBandFactor, 1.75, "32,375", 56.65, "56,65"},
        {highestBandFactor, 1.75, "43,575", 76.25, "76,25"},
        // 24,9 * 3 is 74,69999999999999 and would give 224,09; its text reads back as 74,7.
        {highestBandFactor, 3, "74,7", 224.1, "224,1"},
        {lowestBandFactor, 7.8, "144,3", 1125.54, "1125,54"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstStep);
        EXPECT_EQ(normalBoundFirstStep(c.factor, c.metres), c.firstStep);
        const auto value = normalBoundFromFirstStep(c.firstStep, c.metres);
        ASSERT_TRUE(value.ok());
        EXPECT_EQ(*value, c.value);
        EXPECT_EQ(formatNumber(*value), c.text);
    }
    EXPECT_FALSE(normalBoundFromFirstStep("Min", 1.75).ok());
}

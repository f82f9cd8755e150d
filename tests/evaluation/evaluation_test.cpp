// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recorded_press.h"

#include <gtest/gtest.h>

#include <string>

using namespace zorvel;

TEST(Evaluate, ReadsPointsAsDecimalSeparatorsInBothTexts) {
    const struct {
        std::string_view weight;
        std::string_view height;
        std::string_view shownWeight;
        std::string_view shownHeight;
        std::string_view indice;
        int categoria;
    } cases[] = {
        {"70.5", "1.75", "70,5", "1,75", "23,02", 4},
        {"70", "1.75", "70", "1,75", "22,85", 4}, // read as 175 centimetres before, 1,75 metres now
        {"60", "1.8", "60", "1,8", "18,51", 4},   // not 18 centimetres
        {"36,9", "150", "36,9", "150", "16,39", 2},
        {"74", "200", "74", "200", "18,5", 4}, // 18,5 opens the normal band
        {"30", "2", "30", "2", "7,5", 1},
        {"200", "1,5", "200", "1,5", "88,88", 9},
        {"70", "10", "70", "10", "0,7", 1},         // 10 is ten metres
        {"70", "10,6", "70", "10,6", "6229,97", 9}, // 10,6 rounds to 11: centimetres
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.weight) + " kg, " + std::string(c.height));
        const Evaluation result = evaluate(c.weight, c.height);
        ASSERT_EQ(result.failure, std::nullopt);
        EXPECT_EQ(result.weightText, c.shownWeight);
        EXPECT_EQ(result.heightText, c.shownHeight);
        EXPECT_EQ(result.indiceText, c.indice);
        EXPECT_EQ(result.categoria, c.categoria);
    }
}

// The first failure stops the press: the boxes rewritten before it stay rewritten,
// nothing after it is shown.
TEST(Evaluate, StopsAtTheFirstTextThatFails) {
    const struct {
        std::string_view weight;
        std::string_view height;
        Failure failure;
        bool weightRewritten;
        bool indiceShown;
    } cases[] = {
        {"", "", {Input::height, Problem::notANumber}, false, false}, // the height is read first
        {"70.5", "1,75 m", {Input::height, Problem::notANumber}, false, false},
        {"70.5", "40000", {Input::height, Problem::outOfRange}, false, false},
        {"abc", "175", {Input::weight, Problem::notANumber}, true, false},
        {"0", "175", {Input::weight, Problem::notPositive}, true, false},
        {"-70", "175", {Input::weight, Problem::notPositive}, true, false},
        {"70.5", "0", {Input::height, Problem::notPositive}, true, false},
        {"70", "-175", {Input::height, Problem::notPositive}, true, false},
        {"70", "-1,75", {Input::height, Problem::notPositive}, true, false},
        {"-1E400", "175", {Input::weight, Problem::notPositive}, true, false},
        {"1E400", "175", {Input::weight, Problem::tooLarge}, true, false},
        {"1E308", "0,0001", {Input::height, Problem::tooLarge}, true, false}, // the quotient overflows
        {"1E307", "1", {Input::weight, Problem::tooLarge}, true, false},      // then the quotient times 100
        {"1E307", "0,99", {Input::height, Problem::tooLarge}, true, false},   // under a metre, the height is blamed
        // The index is shown, but the marker would stand beyond every float.
        {"1E40", "175", {Input::weight, Problem::tooLarge}, true, true},
        {"1E30", "0,001", {Input::height, Problem::tooLarge}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.weight) + " kg, " + std::string(c.height));
        const Evaluation result = evaluate(c.weight, c.height);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_TRUE(result.heightText.has_value());
        EXPECT_EQ(result.weightText.has_value(), c.weightRewritten);
        EXPECT_EQ(!result.indiceText.empty(), c.indiceShown);
        EXPECT_FALSE(result.markerX.has_value());
        EXPECT_EQ(result.pictureOf, 0);
    }
}

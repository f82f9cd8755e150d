#include "evaluation/evaluation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace zorvel;

TEST(Evaluate, TurnsTwoTextsIntoEveryResult) {
    const auto result = evaluate("70", "175");
    ASSERT_TRUE(result.ok());
    const Evaluation& e = *result;
    EXPECT_EQ(e.weightText, "70");
    EXPECT_EQ(e.heightText, "175");
    EXPECT_EQ(e.altezzaM, 1.75);
    EXPECT_EQ(e.indice, 22.85);
    EXPECT_EQ(e.indiceText, "22,85");
    EXPECT_EQ(e.lowest.firstStepText, "32,375");
    EXPECT_EQ(e.lowest.value, 56.65);
    EXPECT_EQ(e.lowest.text, "56,65");
    EXPECT_EQ(e.highest.firstStepText, "43,575");
    EXPECT_EQ(e.highest.value, 76.25);
    EXPECT_EQ(e.highest.text, "76,25");
    EXPECT_EQ(e.categoria, 4);
    EXPECT_EQ(e.leftBoundText, "18,5");
    EXPECT_EQ(e.rightBoundText, "24,9");
    EXPECT_NEAR(e.markerX, 3214.69f, 0.01f);
}

TEST(Evaluate, ReadsPointsAsDecimalSeparatorsInBothTexts) {
    const struct {
        std::string_view weight;
        std::string_view height;
        std::string_view shownWeight;
        std::string_view shownHeight;
        double indice;
        int categoria;
    } cases[] = {
        {"70.5", "1.75", "70,5", "1,75", 23.02, 4},
        {"70", "1.75", "70", "1,75", 22.85, 4}, // read as 175 centimetres before, 1,75 metres now
        {"60", "1.8", "60", "1,8", 18.51, 4},   // not 18 centimetres
        {"36,9", "150", "36,9", "150", 16.39, 2},
        {"74", "200", "74", "200", 18.5, 4}, // 18,5 opens the normal band
        {"30", "2", "30", "2", 7.5, 1},
        {"200", "1,5", "200", "1,5", 88.88, 9},
        {"70", "10", "70", "10", 0.7, 1},      // 10 is ten metres
        {"70", "10,6", "70", "10,6", 6229.97, 9}, // 10,6 rounds to 11: centimetres
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.weight) + " kg, " + std::string(c.height));
        const auto result = evaluate(c.weight, c.height);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->weightText, c.shownWeight);
        EXPECT_EQ(result->heightText, c.shownHeight);
        EXPECT_EQ(result->indice, c.indice);
        EXPECT_EQ(result->categoria, c.categoria);
    }
}

TEST(Evaluate, ReportsTheFirstTextThatFails) {
    const struct {
        std::string_view weight;
        std::string_view height;
        Failure failure;
    } cases[] = {
        {"", "", {Input::height, Problem::notANumber}}, // the height is read first
        {"70", "1,75 m", {Input::height, Problem::notANumber}},
        {"70", "40000", {Input::height, Problem::outOfRange}},
        {"abc", "175", {Input::weight, Problem::notANumber}},
        {"0", "175", {Input::weight, Problem::notPositive}},
        {"-70", "175", {Input::weight, Problem::notPositive}},
        {"70", "0", {Input::height, Problem::notPositive}},
        {"70", "-175", {Input::height, Problem::notPositive}},
        {"70", "-1,75", {Input::height, Problem::notPositive}},
        {"-1E400", "175", {Input::weight, Problem::notPositive}},
        {"1E400", "175", {Input::weight, Problem::tooLarge}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.weight) + " kg, " + std::string(c.height));
        const auto result = evaluate(c.weight, c.height);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error(), c.failure);
    }
}

TEST(Evaluate, CallsHugeResultsTooLarge) {
    for (const auto& [weight, height] : {std::pair{"1E308", "0,0001"}, {"1E307", "1"}}) {
        SCOPED_TRACE(std::string(weight) + " kg, " + height);
        const auto result = evaluate(weight, height);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().problem, Problem::tooLarge);
    }
    // A weight beyond every double is a number all the same.
    const auto beyond = evaluate("1E400", "175");
    ASSERT_FALSE(beyond.ok());
    EXPECT_EQ(beyond.error().input, Input::weight);
    EXPECT_NE(beyond.error().problem, Problem::notANumber);
}

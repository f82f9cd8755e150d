// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/marker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zorvel;

TEST(PlaceMarker, MapsTheBoundsOntoTheBar) {
    const struct {
        double indice;
        std::string_view left;
        std::string_view right;
        float x;
        float tolerance;
    } cases[] = {
        {22.85, "18,5", "24,9", 3214.69f, 0.01f},
        {5, "10", "16", -3140, 0},           // left of the bar
        {55, "60", "49,9", 2439.21f, 0.01f}, // class 9: the scale runs backwards
        {49.9, "60", "49,9", 4560, 0.001f},
        {60, "60", "49,9", 360, 0},
        {16.05, "16,1", "16,9", 97.5f, 0.001f}, // class 2 starts above 16, left of its bound
        {18.5, "18,5", "24,9", 360, 0},
        {24.9, "18,5", "24,9", 4560, 0.001f},
        {16, "10", "16", 4560, 0},
        {21.7, "18.5", "24.9", -10356.5625f, 0.001f}, // points group digits: 185 to 249
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.indice);
        const auto x = placeMarker(c.indice, c.left, c.right);
        ASSERT_TRUE(x.ok());
        EXPECT_NEAR(*x, c.x, c.tolerance);
    }
}

TEST(PlaceMarker, FailsOnBoundsItCannotUse) {
    const auto captions = placeMarker(22.85, "Min", "Max");
    ASSERT_FALSE(captions.ok());
    EXPECT_EQ(captions.error(), (Failure{Input::leftBound, Problem::notANumber}));
    const auto right = placeMarker(22.85, "18,5", "Max");
    ASSERT_FALSE(right.ok());
    EXPECT_EQ(right.error(), (Failure{Input::rightBound, Problem::notANumber}));
    EXPECT_FALSE(placeMarker(22.85, "20", "20").ok());
    EXPECT_FALSE(placeMarker(22.85, "-1E308", "1,7E308").ok()); // the span overflows
}

// Far off the scale the marker lies beyond every float, but is never converted out of range.
TEST(PlaceMarker, StaysDefinedFarOffTheScale) {
    const auto far = placeMarker(1e300, "60", "49,9");
    ASSERT_TRUE(far.ok());
    EXPECT_LE(*far, std::numeric_limits<float>::lowest());
    const auto beyondDouble = placeMarker(1e306, "10", "16");
    ASSERT_TRUE(beyondDouble.ok());
    EXPECT_GE(*beyondDouble, std::numeric_limits<float>::max());
}

TEST(ToSinglePrecision, RoundsToNearestAndOverflowsToInfinity) {
    constexpr float infinity = std::numeric_limits<float>::infinity();
    EXPECT_EQ(toSinglePrecision(3214.6875000000014), 3214.6875f);
    EXPECT_EQ(toSinglePrecision(1.0 / 3), 1.0f / 3);
    constexpr double largest = std::numeric_limits<float>::max();
    constexpr double halfwayToInfinity = largest + 0x1p103; // ties to even: to infinity
    EXPECT_EQ(toSinglePrecision(largest), largest);
    EXPECT_EQ(toSinglePrecision(-std::nextafter(halfwayToInfinity, 0.0)), -largest);
    EXPECT_EQ(toSinglePrecision(halfwayToInfinity), infinity);
    EXPECT_EQ(toSinglePrecision(1e300), infinity);
    EXPECT_EQ(toSinglePrecision(-1e300), -infinity);
    EXPECT_EQ(toSinglePrecision(std::numeric_limits<double>::infinity()), infinity);
    EXPECT_TRUE(std::isnan(toSinglePrecision(std::nan(""))));
}

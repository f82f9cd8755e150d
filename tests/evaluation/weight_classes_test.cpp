// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/weight_classes.h"

#include "evaluation/numbers.h"

#include "calculation_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zorvel;

// Every two-decimal index up to 70 has the class, bounds and colours of the model's
// table; 18,50 opens the normal band.
TEST(SelectClass, PicksTheClassOfEveryTwoDecimalIndex) {
    for (int hundredths = -100; hundredths <= 7000; ++hundredths) {
        const double indice = hundredths / 100.0;
        const Result<WeightClass> selected = selectClass(indice);
        const int number = model::classOf(indice);
        ASSERT_TRUE(selected.ok()) << "indice " << indice;
        ASSERT_EQ(selected->number, number) << "indice " << indice;
        ASSERT_EQ(selected->leftBound, model::classes[number].leftBound) << "class " << number;
        ASSERT_EQ(selected->rightBound, model::classes[number].rightBound) << "class " << number;
        ASSERT_EQ(selected->colours.previous, model::classes[number - 1].colour) << "class " << number;
        ASSERT_EQ(selected->colours.own, model::classes[number].colour) << "class " << number;
        ASSERT_EQ(selected->colours.next, model::classes[number + 1].colour) << "class " << number;
    }
}

TEST(SelectClass, CoversEveryNumberButNaN) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double indice;
        int weightClass;
    } cases[] = {
        {-1e300, 1}, {-infinity, 1}, {18.499999999999996, 3}, {16.000000000000004, 2}, {1e300, 9}, {infinity, 9},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(selectClass(c.indice).ok()) << "indice " << c.indice;
        EXPECT_EQ(selectClass(c.indice)->number, c.weightClass) << "indice " << c.indice;
    }
    ASSERT_FALSE(selectClass(std::nan("")).ok());
    EXPECT_EQ(selectClass(std::nan("")).error(), (Failure{Input::weightClass, Problem::missing}));
}

// The marker is placed from the bound texts the window shows: they must read back unchanged.
TEST(SelectClass, BoundsReadBackAsWritten) {
    for (int number = firstClass; number <= lastClass; ++number) {
        for (const double bound : {model::classes[number].leftBound, model::classes[number].rightBound}) {
            EXPECT_EQ(*parseNumber(formatNumber(bound)), bound) << "class " << number;
        }
    }
}

TEST(NameOf, NamesTheClassesAndTheirTwoOuterNeighbours) {
    for (int index = 0; index <= lastClass + 1; ++index) {
        EXPECT_EQ(nameOf(index), model::classes[index].name);
    }
    for (long long outside : {-1LL, 11LL, 1LL << 32, -(1LL << 32) + 4}) {
        EXPECT_EQ(nameOf(outside), std::nullopt) << outside;
    }
}

#include "evaluation/weight_classes.h"

#include "evaluation/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace zorvel;

namespace {

// The classes of two-decimal indices, in hundredths, written out as ranges so that
// they do not share a single comparison with the selection they check. 18,50 opens
// the normal band.
struct HundredthsRange {
    int first;
    int last;
    int weightClass;
};
constexpr HundredthsRange classRanges[] = {
    {0, 1600, 1},    {1601, 1690, 2}, {1691, 1849, 3}, {1850, 2490, 4},   {2491, 2990, 5},
    {2991, 3490, 6}, {3491, 4000, 7}, {4001, 4990, 8}, {4991, 100000, 9},
};

int expectedClass(int hundredths) {
    for (const auto& range : classRanges)
        if (hundredths >= range.first && hundredths <= range.last)
            return range.weightClass;
    return 0;
}

} // namespace

TEST(SelectClass, PicksTheClassOfEveryTwoDecimalIndex) {
    for (int hundredths = 0; hundredths <= 7000; ++hundredths) {
        const double indice = hundredths / 100.0;
        ASSERT_EQ(selectClass(indice), expectedClass(hundredths)) << "indice " << indice;
    }
}

TEST(SelectClass, CoversEveryNumberButNaN) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double indice;
        int weightClass;
    } cases[] = {
        {-0.01, 1}, {-1e300, 1},   {-infinity, 1}, {18.5, 4}, {18.499999999999996, 3}, {16.000000000000004, 2},
        {1e300, 9}, {infinity, 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(selectClass(c.indice), c.weightClass) << "indice " << c.indice;
    EXPECT_EQ(selectClass(std::nan("")), std::nullopt);
}

TEST(WeightClass, ShowsTheBoundsAndTheColoursOfItsNeighbours) {
    const struct {
        int number;
        std::string_view left;
        std::string_view right;
    } cases[] = {
        {1, "10", "16"},   {2, "16,1", "16,9"}, {3, "17", "18,4"}, {4, "18,5", "24,9"}, {5, "25", "29,9"},
        {6, "30", "34,9"}, {7, "35", "40"},     {8, "40", "50"},   {9, "60", "49,9"}, // class 9 runs backwards
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        const WeightClass& row = weightClass(c.number);
        EXPECT_EQ(row.number, c.number);
        EXPECT_EQ(formatNumber(row.leftBound), c.left);
        EXPECT_EQ(formatNumber(row.rightBound), c.right);
        // The marker is placed from the texts the window shows: they must read back unchanged.
        EXPECT_EQ(*parseNumber(c.left), row.leftBound);
        EXPECT_EQ(*parseNumber(c.right), row.rightBound);
        EXPECT_EQ(row.colours.previous, classColours[c.number - 1]);
        EXPECT_EQ(row.colours.own, classColours[c.number]);
        EXPECT_EQ(row.colours.next, classColours[c.number + 1]);
    }
}

TEST(NameOf, NamesTheClassesAndTheirTwoOuterNeighbours) {
    EXPECT_EQ(nameOf(0), "INVISIBILE");
    EXPECT_EQ(nameOf(4), "PESO FORMA");
    EXPECT_EQ(nameOf(10), "ABNORME");
    // Precomposed UTF-8: degree sign U+00B0, a with grave accent U+00E0.
    EXPECT_EQ(nameOf(6), "1\xC2\xB0 Grado Obesit\xC3\xA0");
    EXPECT_EQ(nameOf(9), "Obesit\xC3\xA0 MOSTUOSA");
    for (long long outside : {-1LL, 11LL, 1LL << 32, -(1LL << 32) + 4})
        EXPECT_EQ(nameOf(outside), std::nullopt) << outside;
}

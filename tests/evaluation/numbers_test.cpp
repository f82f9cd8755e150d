// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/blanks.h"
#include "evaluation/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace zorvel;

namespace {

struct ReadCase {
    std::string_view text;
    double value;
};

struct RejectCase {
    std::string_view text;
    NumberError error;
};

constexpr NumberError notNumber = NumberError::notANumber;
constexpr NumberError tooBig = NumberError::outOfRange;

void expectReads(std::string_view text, double value, NumberFormat format = italianFormat) {
    SCOPED_TRACE(std::string("text \"") + std::string(text) + "\"");
    const auto read = parseNumber(text, format);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, value);
}

void expectRejects(std::string_view text, NumberError error) {
    SCOPED_TRACE(std::string("text \"") + std::string(text) + "\"");
    const auto read = parseNumber(text);
    ASSERT_FALSE(read.ok()) << "read as " << *read;
    EXPECT_EQ(read.error(), error);
}

} // namespace

TEST(ParseNumber, ReadsWhatPeopleType) {
    const ReadCase cases[] = {
        {"70", 70},
        {"1,75", 1.75},
        {"0,1", 0.1},
        {"  72,25\t", 72.25},
        {"\t\t5 ", 5},
        {"\u00A070\u00A0\u00A0", 70}, // no-break spaces, as a copied number may have
        {"+5", 5},
        {"-5", -5},
        {"-0,5", -0.5},
        {"007", 7},
        // Points group digits and are skipped wherever they stand in the integer part.
        {"1.75", 175},
        {"1.8", 18},
        {"1.000.000", 1e6},
        {"12.34.5", 12345},
        {"1..0", 10},
        {"5.", 5},
        {"1.000,5", 1000.5},
        // The fraction may be empty, and so may the integer part.
        {"5,", 5},
        {",5", 0.5},
        {"-,5", -0.5},
        {"1E3", 1000},
        {"1e3", 1000},
        {"1,5E-2", 0.015},
        {"1E+2", 100},
        {"2,5e0", 2.5},
        // The ends of the double range; too small reads as zero.
        {"1,7976931348623157E308", 1.7976931348623157e308},
        {"4,9406564584124654E-324", 4.9406564584124654e-324},
        {"1E-400", 0.0},
    };
    for (const auto& c : cases)
        expectReads(c.text, c.value);
}

TEST(ParseNumber, RejectsWhatIsNotANumber) {
    const RejectCase cases[] = {
        {"", notNumber},
        {"   ", notNumber},
        {"\t", notNumber},
        {"+", notNumber},
        {"-", notNumber},
        {",", notNumber},
        {"-,", notNumber},
        {"1,2,3", notNumber}, // two decimal separators
        {"1,2.3", notNumber}, // grouping after the decimal separator
        {"1 2", notNumber},
        {"- 5", notNumber},
        {"+-5", notNumber},
        {"--5", notNumber},
        {"5-", notNumber},
        {"1E", notNumber},
        {"1E+", notNumber},
        {"E5", notNumber},
        {",E5", notNumber},
        {"1E5,5", notNumber},
        {"1E.5", notNumber},
        {"inf", notNumber},
        {"-inf", notNumber},
        {"infinity", notNumber},
        {"Infinity", notNumber},
        {"nan", notNumber},
        {"NaN", notNumber},
        {"0x1A", notNumber},
        {"1f", notNumber},
        {"12kg", notNumber},
        {"70 kg", notNumber},
        {"\xD9\xA1\xD9\xA2", notNumber},         // Arabic-Indic digits one and two
        {"\xEF\xBC\x91\xEF\xBC\x92", notNumber}, // full-width digits one and two
        {"1\u00A0000", notNumber},               // a no-break space is a blank, and no blank stands inside a number
        {"12\xA0", notNumber},                   // half a no-break space
        {"12\n", notNumber},
        {std::string_view("1\0"
                          "2",
                          3),
         notNumber},
        {"1E400", tooBig},
        {"-1,8E308", tooBig},
    };
    for (const auto& c : cases)
        expectRejects(c.text, c.error);
}

TEST(ParseNumber, ReadsAMegabyteOfText) {
    const std::string zeros(1'000'000, '0');
    expectReads(zeros + "1", 1);
    expectReads("1," + zeros + "1", 1);
    expectReads("0," + zeros + "1", 0);
    expectReads("1" + std::string(1'000'000, '.') + "5", 15);
    expectRejects("1" + zeros, tooBig);
    expectRejects(zeros + "x", notNumber);
    // Long digits push the exponent of the first one far from the written exponent.
    expectReads(std::string(2000, '7') + "E-2500", 0);
}

TEST(ParseNumber, TakesItsSeparatorsFromTheFormat) {
    const NumberFormat english{'.', ','};
    expectReads("1,234.5", 1234.5, english);
    expectReads("1.75", 1.75, english);
    expectReads("1'000,5", 1000.5, NumberFormat{',', '\''});
    EXPECT_FALSE(parseNumber("1.234,5", english).ok());
}

// A pasted text loses what does not show at its ends, and nothing else: the edges of
// the ranges of invisible characters, and blanks that show.
TEST(WithoutInvisibleEnds, DropsOnlyWhatDoesNotShowAtTheEnds) {
    const std::pair<std::u32string_view, std::u32string_view> cases[] = {
        {U"\u00AD70\u0085", U"70"},               // soft hyphen, next line
        {U"\u206070\u2064", U"70"},               // word joiner, invisible plus
        {U"\U000E007F70\U000E0001", U"70"},       // tag characters
        {U"\u206570\u2027", U"\u206570\u2027"},   // just outside two ranges
        {U"\u00A0 70\u00A0", U"\u00A0 70\u00A0"}, // blanks that show
        {U"7\u200B0", U"7\u200B0"},               // inside, not at an end
        {U"\u200B\uFEFF", U""},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        EXPECT_TRUE(withoutInvisibleEnds(cases[row].first) == cases[row].second) << "row " << row;
    }
}

TEST(RoundToInt16, RoundsHalvesToEvenWithinSixteenBits) {
    const struct {
        double value;
        int rounded;
    } cases[] = {
        {175, 175},        {1.75, 2},        {10.5, 10},         {10.6, 11}, {11.5, 12}, {0.5, 0},
        {1.5, 2},          {2.5, 2},         {-0.5, 0},          {-1.5, -2}, {-2.5, -2}, {32767, 32767},
        {32767.49, 32767}, {-32768, -32768}, {-32768.5, -32768}, // the even neighbour is still in range
        {4.9e-324, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const auto rounded = roundToInt16(c.value);
        ASSERT_TRUE(rounded.ok());
        EXPECT_EQ(*rounded, c.rounded);
    }
    for (double value : {32768.0, 32767.5, -32769.0, -32768.51, 1e5, 1e300, std::nan("")}) {
        SCOPED_TRACE(value);
        ASSERT_FALSE(roundToInt16(value).ok());
        EXPECT_EQ(roundToInt16(value).error(), tooBig);
    }
}

TEST(FormatNumber, WritesAtMostFifteenSignificantDigits) {
    const struct {
        double value;
        std::string_view text;
    } cases[] = {
        {25, "25"},
        {22.85, "22,85"},
        {-3.5, "-3,5"},
        {-0.0, "0"},
        {0.1 + 0.2, "0,3"},
        {74.69999999999999, "74,7"},
        {123456789012345, "123456789012345"},
        {0.0001, "0,0001"},
        {0.00001, "1E-05"},
        {1.5e-7, "1,5E-07"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"}, // the form follows the exponent of the rounded value
        {1234567890123456, "1,23456789012346E+15"},
        {1e100, "1E+100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatNumber(c.value), c.text);
    }
    EXPECT_EQ(formatNumber(1234.5, NumberFormat{'.', ','}), "1234.5");
}

// Every two-decimal index is written as a person would write it, and reads back unchanged.
TEST(FormatNumber, RoundTripsEveryTwoDecimalIndex) {
    for (int hundredths = 0; hundredths <= 7000; ++hundredths) {
        const double value = hundredths / 100.0;
        std::string expected = std::to_string(hundredths / 100);
        const int fraction = hundredths % 100;
        if (fraction % 10 != 0)
            expected += ',' + std::to_string(fraction / 10) + std::to_string(fraction % 10);
        else if (fraction != 0)
            expected += ',' + std::to_string(fraction / 10);
        const std::string text = formatNumber(value);
        ASSERT_EQ(text, expected);
        ASSERT_EQ(*parseNumber(text), value) << text;
    }
}

#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/checked.h"

namespace deckplate {
namespace {

struct ParseCase {
    const char* name;
    const char* text;
    double expected;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsLeadingNumber) {
    EXPECT_EQ(ParseNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(
        ParseCase{"DisplayText", " 12.35", 12.35}, ParseCase{"NoLeadingZero", " .14", 0.14},
        ParseCase{"CommaIsNoSeparator", "1,5", 1}, ParseCase{"CommaTwo", "2,5", 2},
        ParseCase{"TrailingUnit", "12mm", 12}, ParseCase{"InnerBlank", "1 500", 1500},
        ParseCase{"TabsAndLineFeeds", "\t1\n2", 12}, ParseCase{"SecondPeriod", "1.2.3", 1.2},
        ParseCase{"Exponent", "1e3", 1000}, ParseCase{"CapitalExponent", "2.5E-1", 0.25},
        ParseCase{"ExponentWithoutDigits", "7e", 7}, ParseCase{"ExponentSignOnly", "7e+x", 7},
        ParseCase{"Letters", "abc", 0}, ParseCase{"Empty", "", 0}, ParseCase{"OneBlank", " ", 0},
        ParseCase{"SignOnly", "-", 0}, ParseCase{"PeriodOnly", ".", 0},
        ParseCase{"NegativeFraction", "-.5", -0.5}, ParseCase{"PlusSign", "+6.0", 6},
        ParseCase{"TrailingPeriod", "4.", 4}, ParseCase{"BlankAfterSign", "- 3", -3},
        ParseCase{"TooSmallIsZero", "1e-400", 0}, ParseCase{"ZeroWithHugeExponent", "0e99999", 0},
        ParseCase{"FullWidthDigitsAreText", "\xef\xbc\x91\xef\xbc\x92", 0},
        ParseCase{"ChineseUnitAfter", "6毫米", 6},
        ParseCase{"LongestDouble", "1.7976931348623157e308", 1.7976931348623157e308}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumber, NumberBeyondDoubleRangeOverflows) {
    for (const char* text :
         {"1e400", "-1e400", "0.0000001e320", "1.8e308", "99999999e999999999999"}) {
        try {
            ParseNumber(text);
            ADD_FAILURE() << text << " did not fail";
        } catch (const ArithmeticError& e) {
            EXPECT_EQ(e.fault(), ArithmeticFault::Overflow) << text;
        }
    }
}

struct RoundCase {
    const char* name;
    double x;
    int decimals;
    double expected;
};
void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.name; }

class RoundDecimalsTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDecimalsTest, HalvesGoToEvenAfterScaling) {
    const auto& c = GetParam();
    EXPECT_EQ(RoundDecimals(c.x, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundDecimalsTest,
    testing::Values(
        RoundCase{"ScaledTieGoesUp", 1.15, 1, 1.2}, RoundCase{"EighthDown", 0.125, 2, 0.12},
        RoundCase{"ThreeEighthsUp", 0.375, 2, 0.38}, RoundCase{"QuarterTie", 1.25, 1, 1.2},
        RoundCase{"TwoAndAHalf", 2.5, 0, 2}, RoundCase{"ThreeAndAHalf", 3.5, 0, 4},
        RoundCase{"FourPlaces", 12.3456, 2, 12.35}, RoundCase{"NegativeEighth", -0.125, 2, -0.12},
        RoundCase{"SmallToZero", 0.004, 2, 0}, RoundCase{"StressJustBelowLimit", 214.996, 2, 215},
        RoundCase{"StressPasses", 214.994, 2, 214.99},
        RoundCase{"HugeIsAlreadyWhole", 1e307, 2, 1e307},
        RoundCase{"LargestDouble", 1.7976931348623157e308, 1, 1.7976931348623157e308}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    double x;
    const char* display;
    const char* plain;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class NumberTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, WritesSignPositionAndNoLeadingZero) {
    const auto& c = GetParam();
    EXPECT_EQ(NumberText(c.x), c.display);
    EXPECT_EQ(PlainNumberText(c.x), c.plain);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    testing::Values(TextCase{"TwoDecimals", 12.35, " 12.35", "12.35"},
                    TextCase{"Whole", 20, " 20", "20"}, TextCase{"BelowOne", 0.14, " .14", "0.14"},
                    TextCase{"LeadingZeroDecimal", 0.05, " .05", "0.05"},
                    TextCase{"OneDecimal", 3.6, " 3.6", "3.6"},
                    TextCase{"Negative", -1.5, "-1.5", "-1.5"},
                    TextCase{"NegativeBelowOne", -0.25, "-.25", "-0.25"},
                    TextCase{"Third", 1.0 / 3.0, " .333333333333333", "0.333333333333333"},
                    TextCase{"NineDigits", 123456.789, " 123456.789", "123456.789"},
                    TextCase{"Zero", 0.0, " 0", "0"}, TextCase{"NegativeZero", -0.0, " 0", "0"},
                    TextCase{"Coefficient", 0.065, " .065", "0.065"},
                    TextCase{"NegativeRounded", -0.12, "-.12", "-0.12"},
                    TextCase{"FifteenDigitsRoundUp", 0.1 + 0.2, " .3", "0.3"},
                    TextCase{"SmallestFixed", 0.01, " .01", "0.01"},
                    TextCase{"Thousandth", 0.001, " .001", "0.001"},
                    TextCase{"TenThousandthIsExponent", 0.0001, " 1E-04", "1E-04"},
                    TextCase{"LargestFixed", 1e14, " 100000000000000", "100000000000000"},
                    TextCase{"FifteenDigitWhole", 999999999999999.0, " 999999999999999",
                             "999999999999999"},
                    TextCase{"RoundsIntoExponent", 9999999999999999.0, " 1E+16", "1E+16"},
                    TextCase{"HugeNegative", -1.5e20, "-1.5E+20", "-1.5E+20"},
                    TextCase{"ThreeDigitExponent", 1.7976931348623157e308, " 1.79769313486232E+308",
                             "1.79769313486232E+308"},
                    TextCase{"Tiny", 4.9e-324, " 4.94065645841247E-324", "4.94065645841247E-324"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, ReadsBackAsTheDisplayedValue) {
    for (double x : {0.14, 12.35, 214.99, 215.0, 1087613.33, -0.12, 0.001, 9.87654321e13}) {
        EXPECT_EQ(ParseNumber(NumberText(x)), x) << x;
        EXPECT_EQ(ParseNumber(PlainNumberText(x)), x) << x;
    }
}

}  // namespace
}  // namespace deckplate

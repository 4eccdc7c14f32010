#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

#include "expression/matutil.h"

namespace {

struct FormatCase {
    const char* name;
    long double value;
    const char* text;
};

class FloatToStrTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FloatToStrTest, WritesTheGeneralFormat) {
    EXPECT_EQ(FloatToStr(GetParam().value), GetParam().text);
}

const long double Infinity = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, FloatToStrTest,
    ::testing::Values(
        FormatCase{"Zero", 0.0L, "0"},
        FormatCase{"NegativeZero", -0.0L, "0"},
        FormatCase{"ErrorValue", ErrorValue, "10000001"},
        FormatCase{"NegativeTwoDecimals", -7.94L, "-7.94"},
        FormatCase{"OneTenth", 0.1L, "0.1"},
        FormatCase{"Pi", std::numbers::pi_v<long double>, "3.14159265358979"},
        FormatCase{"OneThird", 1.0L / 3.0L, "0.333333333333333"},
        FormatCase{"Integer", 42.0L, "42"},
        FormatCase{"FifteenDigitInteger", 123456789012345.0L, "123456789012345"},
        FormatCase{"SixteenDigitsGoScientific", 1e15L, "1E15"},
        FormatCase{"LargePower", 1e20L, "1E20"},
        FormatCase{"SmallestFixed", 0.00001L, "0.00001"},
        FormatCase{"BelowFixedGoesScientific", 1.5e-6L, "1.5E-6"},
        FormatCase{"NegativeScientific", -2.5e-7L, "-2.5E-7"},
        FormatCase{"RoundsToFifteenDigits", 0.1L + 0.2L, "0.3"},
        FormatCase{"RoundingCarriesIntoExponent", 9.9999999999999999L, "10"},
        FormatCase{"Infinity", Infinity, "INF"},
        FormatCase{"MinusInfinity", -Infinity, "-INF"},
        FormatCase{"NotANumber", std::numeric_limits<long double>::quiet_NaN(), "NAN"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundCase {
    const char* name;
    long double value;
    int decimals;
    const char* text;
};

class RoundToTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToTest, RoundsToAMultipleOfTheDecimal) {
    EXPECT_EQ(FloatToStr(RoundTo(GetParam().value, GetParam().decimals)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToTest,
    ::testing::Values(
        RoundCase{"SquareRootOfTwoToFour", std::sqrt(2.0L), 4, "1.4142"},
        RoundCase{"NegativeToFour", -std::sqrt(2.0L), 4, "-1.4142"},
        RoundCase{"TwoDecimals", 7.9375L, 2, "7.94"},
        RoundCase{"TieToEvenDown", 0.5L, 0, "0"},
        RoundCase{"TieToEvenUp", 1.5L, 0, "2"},
        RoundCase{"TieToEvenTwoAndHalf", 2.5L, 0, "2"},
        RoundCase{"TinyBecomesZero", 1e-13L, 12, "0"},
        RoundCase{"SixDecimals", 1.0L / 3.0L, 6, "0.333333"},
        RoundCase{"BeyondTheDoubleRange", 1e4000L, 4, "1E4000"},
        RoundCase{"HugeWithTwelveDecimals", -1e300L, 12, "-1E300"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Arc lengths and tangents of parametric and polar curves, computed from the
// formulas as the windows store them.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

#include "curves/curve_measures.h"
#include "expression/diffexpress.h"
#include "expression/matutil.h"

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
// The step of the arc windows on the 1280 layout's graph: 20 / 850 per pixel.
constexpr long double PixelX = 20.0L / 850;

std::string normalised(const char* text) { return NormaliseFormula(text); }

struct ArcCase {
    const char* name;
    const char* x;  // X(t), or R(x) for a polar curve
    const char* y;  // Y(t); empty for a polar curve
    long double a, b;
    std::optional<long double> length;
    long double tolerance;  // the last step may pass b: one step at the greatest speed
};

class ArcLengths : public testing::TestWithParam<ArcCase> {};

TEST_P(ArcLengths, SumTheSpeedFromAToB) {
    const ArcCase& c = GetParam();
    const bool polar = *c.y == 0;
    const long double step = arcStep(PixelX, polar ? 30 : 20, c.a, c.b);
    const std::optional<long double> length =
        polar ? polarArcLength(normalised(c.x), c.a, c.b, step)
              : parametricArcLength(normalised(c.x), normalised(c.y), c.a, c.b, step);
    ASSERT_EQ(length.has_value(), c.length.has_value());
    if (c.length) {
        EXPECT_NEAR(static_cast<double>(*length), static_cast<double>(*c.length), static_cast<double>(c.tolerance));
    }
}

INSTANTIATE_TEST_SUITE_P(
    , ArcLengths,
    testing::Values(ArcCase{"UnitCircleParametric", "cos(x)", "sin(x)", 0, 2 * Pi, 2 * Pi, PixelX / 20},
                    ArcCase{"SegmentOfSlopeThreeQuarters", "4x", "3x", 0, 1, 5, 1e-9L},
                    ArcCase{"LissajousLengthOfItsQuarter", "cos(3x)", "sin(2x)", 0, Pi / 2, 3.8223435L, 3.61L * PixelX / 20},
                    ArcCase{"EmptyIntervalIsZero", "cos(x)", "sin(x)", 1, 1, 0, 0},
                    ArcCase{"UndefinedSpeedIsAnError", "sqrt(x)", "x", -1, 1, std::nullopt, 0},
                    ArcCase{"UnitCirclePolar", "1", "", 0, 2 * Pi, 2 * Pi, PixelX / 30},
                    ArcCase{"CardioidIsEight", "1+cos(x)", "", 0, 2 * Pi, 8, 2 * PixelX / 30},
                    ArcCase{"LogarithmBelowZeroIsAnError", "ln(x)", "", -1, 1, std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArcLengthText, RoundsToTheWindowsDecimalsOrSaysErreur) {
    EXPECT_EQ(arcLengthText(2 * Pi, 4), "L(a,b)=6.2832");
    EXPECT_EQ(arcLengthText(2 * Pi, 3), "L(a,b)=6.283");
    EXPECT_EQ(arcLengthText(std::nullopt, 4), "L(a,b)=erreur");
}

TEST(ArcStep, AVeryLongIntervalGetsACoarserStepNotAnEndlessSum) {
    EXPECT_EQ(arcStep(PixelX, 20, 0, 1), PixelX / 20);
    EXPECT_EQ(arcStep(PixelX, 20, 0, 1e9L), 1e9L / MaxArcTerms);
    const std::optional<long double> length =
        parametricArcLength(normalised("x"), normalised("0"), 0, 1e9L, arcStep(PixelX, 20, 0, 1e9L));
    ASSERT_TRUE(length.has_value());
    EXPECT_NEAR(static_cast<double>(*length), 1e9, 1);
}

struct TangentCase {
    const char* name;
    const char* x;  // X(t), or R(x)
    const char* y;  // Y(t); empty for a polar curve
    long double at;
    std::optional<DirectionLine> expected;
};

std::optional<DirectionLine> tangentOf(const TangentCase& c) {
    const std::string x = normalised(c.x);
    if (*c.y == 0) return polarTangent(x, "(" + *derivativeOf(x) + ")", c.at);
    const std::string y = normalised(c.y);
    return parametricTangent(x, y, *derivativeOf(x), *derivativeOf(y), c.at);
}

class Tangents : public testing::TestWithParam<TangentCase> {};

TEST_P(Tangents, GiveTheSlopeThroughThePointOfContact) {
    const TangentCase& c = GetParam();
    const std::optional<DirectionLine> line = tangentOf(c);
    ASSERT_EQ(line.has_value(), c.expected.has_value());
    if (!line) return;
    EXPECT_NEAR(static_cast<double>(line->slope), static_cast<double>(c.expected->slope), 1e-12);
    EXPECT_NEAR(static_cast<double>(line->intercept), static_cast<double>(c.expected->intercept), 1e-12);
    EXPECT_NEAR(static_cast<double>(line->x), static_cast<double>(c.expected->x), 1e-12);
    EXPECT_NEAR(static_cast<double>(line->y), static_cast<double>(c.expected->y), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    , Tangents,
    testing::Values(TangentCase{"CircleAtZeroIsVertical", "cos(x)", "sin(x)", 0, DirectionLine{10000, 0, 1, 0}},
                    TangentCase{"CircleAtQuarterPi", "cos(x)", "sin(x)", Pi / 4,
                                DirectionLine{-1, 0, std::sqrt(0.5L), std::sqrt(0.5L)}},
                    TangentCase{"CuspHasNone", "x^2", "x^3", 0, std::nullopt},
                    TangentCase{"UndefinedPointHasNone", "ln(x)", "x", -1, std::nullopt},
                    TangentCase{"SpiralAtHalfPi", "x", "", Pi / 2, DirectionLine{-2 / Pi, Pi / 2, 0, Pi / 2}},
                    TangentCase{"UnitCircleAtZeroIsVerticalSoNone", "1", "", 0, std::nullopt},
                    TangentCase{"UnitCircleAtHalfPiIsHorizontal", "1", "", Pi / 2, DirectionLine{0, 1, 0, 1}},
                    TangentCase{"CardioidAtHalfPi", "1+cos(x)", "", Pi / 2, DirectionLine{1, 1, 0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DerivativeInX, GivesTheTextOrNothing) {
    EXPECT_EQ(FormulaValue(*derivativeOf(normalised("x^2")), 3), 6);
    EXPECT_FALSE(derivativeOf("x+").has_value());
}

}  // namespace

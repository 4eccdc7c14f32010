// The sums of the integration windows, their steps and texts, and where the
// rectangles and hatches stop, checked without widgets.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/plot_state.h"
#include "tools/graph_marks.h"
#include "tools/integration.h"

namespace {

constexpr long double Inf = std::numeric_limits<long double>::infinity();

struct SumCase {
    const char* name;
    const char* first;
    const char* second;  // empty: the integral of the first
    long double a, b, step;
    const char* text;
};

class Sums : public ::testing::TestWithParam<SumCase> {};

TEST_P(Sums, AreLeftSumsThatStopAtTheFirstUndefinedValue) {
    const SumCase& c = GetParam();
    const std::string text = *c.second == '\0'
                                 ? integralText(integralOf(c.first, c.a, c.b, c.step))
                                 : areaText(areaBetween(c.first, c.second, c.a, c.b, c.step));
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    , Sums,
    ::testing::Values(SumCase{"OneWithHalfSteps", "1", "", 0, 1, 0.5L, "S(a,b)=1"},
                      SumCase{"SquareWithTenSteps", "x^2", "", 0, 1, 0.1L, "S(a,b)=0.285"},
                      // The default step: 0.01 added a hundred times falls a hair short of 1.
                      SumCase{"OneWithHundredthStepsHasAHundredTerms", "1", "", 0, 1, 0.01L, "S(a,b)=1"},
                      SumCase{"LastStepMayOverhangB", "1", "", 0, 1, 0.3L, "S(a,b)=1.2"},
                      SumCase{"InverseStopsAtZero", "1/x", "", -1, 1, 0.5L, "S(a,b)=erreur"},
                      SumCase{"NegativeValuesCount", "x", "", -1, 0, 0.5L, "S(a,b)=-0.75"},
                      SumCase{"EmptyIntervalSumsNothing", "1", "", 1, 1, 0.5L, "S(a,b)=0"},
                      SumCase{"FormulaThatDoesNotCompileGivesZero", "x+", "", 0, 1, 0.5L, "S(a,b)=0"},
                      // Far from the origin the step vanishes in rounding: the sum ends.
                      SumCase{"StepLostInRoundingEnds", "1", "", 1e20L, 1e20L + 64, 1, "S(a,b)=1"},
                      SumCase{"AreaBetweenAFunctionAndItself", "x^2", "x^2", 0, 1, 1e-3L, "A(a,b)=0"},
                      SumCase{"AreaBetweenXAndItsSquare", "x", "x^2", 0, 1, 1e-4L, "A(a,b)=0.1667"},
                      SumCase{"AreaTakesTheGapWhicheverIsAbove", "x^2", "x", 0, 1, 1e-4L, "A(a,b)=0.1667"},
                      SumCase{"AreaErrorSpeaksOfS", "1/x", "0", -1, 1, 0.5L, "S(a,b)=erreur"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SumTerms, AreReportedWhereTheyStartWhileDefined) {
    std::vector<long double> starts;
    integralOf("1/x", -1, 1, 0.5L, [&](long double x, long double) { starts.push_back(x); });
    EXPECT_EQ(starts, (std::vector<long double>{-1, -0.5L}));
}

struct ArcCase {
    const char* name;
    const char* formula;
    long double a, b;
    bool defined;
    long double length;
};

class ArcLengths : public ::testing::TestWithParam<ArcCase> {};

// The step of the 1280 layout: a twentieth of a pixel of a frame 20 wide on 850 pixels.
TEST_P(ArcLengths, FollowTheDerivativeOrReportAnError) {
    const ArcCase& c = GetParam();
    const LeftSum length = arcLength(c.formula, c.a, c.b, 20.0L / 850 / 20);
    ASSERT_EQ(length.defined, c.defined);
    if (c.defined) EXPECT_NEAR(double(length.total), double(c.length), 1e-3);
    else EXPECT_EQ(arcLengthText(length), "L(a,b)=erreur");
}

INSTANTIATE_TEST_SUITE_P(
    , ArcLengths,
    ::testing::Values(ArcCase{"Parabola", "x^2", 0, 1, true, 1.4789L},
                      ArcCase{"Diagonal", "x", 0, 1, true, std::sqrt(2.0L)},
                      ArcCase{"AbsoluteValueDerivesToSgn", "abs(x)", 0, 1, false, 0},
                      ArcCase{"TangentCannotBeDerived", "tan(x)", 0, 1, false, 0},
                      ArcCase{"SquareRootUndefinedAtZero", "sqrt(x)", 0, 1, false, 0},
                      ArcCase{"LogarithmWhereItDoesNotExist", "ln(x)", -2, -1, false, 0},
                      ArcCase{"LogarithmWhereItExists", "ln(x)", 1, 2, true, 1.2218L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArcLengthText, IsRoundedToFourDecimals) {
    EXPECT_EQ(arcLengthText(arcLength("x", 0, 1, 1e-3L)), "L(a,b)=1.4142");
}

struct StepCase {
    const char* name;
    long double typed, a, b, used;
};

class IntegralSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(IntegralSteps, UnusableStepsFallBackToATenth) {
    const StepCase& c = GetParam();
    EXPECT_EQ(integralStep(c.typed, c.a, c.b), c.used);
}

INSTANTIATE_TEST_SUITE_P(
    , IntegralSteps,
    ::testing::Values(StepCase{"Kept", 0.01L, 0, 1, 0.01L},
                      StepCase{"TenMillionTermsKept", 1e-7L, 0, 1, 1e-7L},
                      StepCase{"Zero", 0, 0, 1, 0.1L},
                      StepCase{"Negative", -0.5L, 0, 1, 0.1L},
                      StepCase{"Infinite", Inf, 0, 1, 0.1L},
                      StepCase{"NotANumber", std::numeric_limits<long double>::quiet_NaN(), 0, 1, 0.1L},
                      StepCase{"OverTenMillionTerms", 1e-8L, 0, 1, 0.1L},
                      StepCase{"EvenATenthTooFine", 1e-3L, 0, 1e7L, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenStep, IsATwentiethOfAPixelUnlessThatNeedsTooManyTerms) {
    EXPECT_DOUBLE_EQ(double(screenStep(0.02L, 0, 1)), 0.001);
    EXPECT_EQ(screenStep(0.02L, 0, 1e6L), 0.1L);
    EXPECT_EQ(screenStep(0, 0, 1e3L), 1e-4L);
}

TEST(SegmentLength, IsRoundedToTwoDecimals) {
    EXPECT_EQ(segmentLengthText({1, 1}, {4, 5}), "l=5");
    EXPECT_EQ(segmentLengthText({0, 0}, {1, 1}), "l=1.41");
}

// --- Where the marks stop ------------------------------------------------------------

class IntegrationMarks : public ::testing::Test {
protected:
    void SetUp() override {
        frame.ymin = -7.94L;
        frame.ymax = 7.94L;
        frame.deriveFrom(850, 800);
    }
    TPlotFrame frame;
};

TEST_F(IntegrationMarks, RectanglesStopShortOfTheCurveOnEitherSide) {
    const long double gap = 2.3L * frame.pixely;
    const std::optional<MarkBox> above = integralRectangle(frame, 1, 0.5L, 2);
    ASSERT_TRUE(above);
    EXPECT_EQ(*above, (MarkBox{{frame.column(1), frame.originy}, {frame.column(1.5L), frame.row(2 - gap)}}));
    EXPECT_EQ(integralRectangle(frame, 1, 0.5L, -2)->corner2.y(), frame.row(-2 + gap));
    // Lower than the gap: the rectangle is flat on the axis, never beyond it.
    EXPECT_EQ(integralRectangle(frame, 1, 0.5L, gap / 2)->corner2.y(), frame.originy);
}

TEST_F(IntegrationMarks, NoRectangleOutsideTheFrameOrForAHugeValue) {
    EXPECT_FALSE(integralRectangle(frame, frame.xmin, 0.5L, 1));
    EXPECT_FALSE(integralRectangle(frame, frame.xmax, 0.5L, 1));
    EXPECT_FALSE(integralRectangle(frame, 0, 0.5L, 1e7L));
    EXPECT_TRUE(integralRectangle(frame, 0, 0.5L, -9.9e6L));
}

TEST_F(IntegrationMarks, HatchesStopShortOfBothCurves) {
    const long double gap = 2.25L * frame.pixely;
    EXPECT_EQ(hatchStroke(frame, 1, 0, 2),
              (MarkStroke{{frame.column(1), frame.row(gap)}, {frame.column(1), frame.row(2 - gap)}}));
    EXPECT_FALSE(hatchStroke(frame, 1, 0, 2 * gap));
}

}  // namespace

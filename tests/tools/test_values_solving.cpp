// The arithmetic of the value and solving windows, without any widget.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "tools/values_solving.h"

namespace {

void clearSlots() {
    for (TCurveSlot& slot : CurveSlot) slot.formula.clear();
}

class WithEmptySlots : public ::testing::Test {
protected:
    void SetUp() override { clearSlots(); }
    void TearDown() override { clearSlots(); }
};

// --- Planning the table: which step and how many rows -----------------------

struct PlanCase {
    const char* name;
    long double step, from, to;
    long double expectedStep;
    int expectedLastRow;
    bool expectedChange;
};

class TablePlanning : public ::testing::TestWithParam<PlanCase> {};

TEST_P(TablePlanning, ChoosesStepAndRows) {
    const PlanCase& c = GetParam();
    const TablePlan plan = planValueTable(c.step, c.from, c.to);
    EXPECT_EQ(plan.step, c.expectedStep);
    EXPECT_EQ(plan.lastRow, c.expectedLastRow);
    EXPECT_EQ(plan.stepChanged, c.expectedChange);
    EXPECT_EQ(plan.from, c.from);
}

INSTANTIATE_TEST_SUITE_P(
    , TablePlanning,
    ::testing::Values(
        PlanCase{"DefaultFieldsGiveTwentyOneRows", 1, -10, 10, 1, 20, false},
        PlanCase{"HalfStepOnUnitIntervalKept", 0.5L, -1, 1, 0.5L, 4, false},
        PlanCase{"StepOfHalfTheIntervalIsShortened", 10, 0, 20, 20.0L / 15, 15, true},
        PlanCase{"StepTooLargeIsShortenedToAFifteenth", 15, 0, 20, 20.0L / 15, 15, true},
        PlanCase{"ExactlyOneHundredThousandRowsAccepted", 1, 0, 99999, 1, 99999, false},
        PlanCase{"TooManyRowsFallBackToTheDefaultStep", 1e-6L, -10, 10, 1, 20, true},
        PlanCase{"OneRowTooManyIsRefused", 1, 0, 100000, 100000.0L / 15, 15, true},
        PlanCase{"TooManyRowsEvenWithDefaultStepAreShortened", 0.5L, 0, 150000, 10000, 15,
                 true},
        PlanCase{"ReversedIntervalCountsDownInFifteenSteps", 1, 10, -10, -20.0L / 15, 15, true},
        PlanCase{"IntervalWithoutWidthHasOneRow", 1, 3, 3, 0, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Filling the table -------------------------------------------------------

using ValueTableFilling = WithEmptySlots;

TEST_F(ValueTableFilling, ValuesAreRoundedToEightDecimals) {
    CurveSlot[2].formula = "x/3";
    const ValueTable table = computeValueTable(planValueTable(1, 1, 4));
    EXPECT_EQ(table.columns[2].at(0), "0.33333333");
    EXPECT_EQ(table.columns[2].at(1), "0.66666667");
}

TEST_F(ValueTableFilling, UndefinedSlotHasNoColumnAndUncompilableSlotOnlyItsTitle) {
    CurveSlot[1].formula = "x+";
    CurveSlot[3].formula = "x";
    const ValueTable table = computeValueTable(planValueTable(1, -10, 10));
    EXPECT_TRUE(table.slotShown[1]);
    EXPECT_TRUE(table.columns[1].empty());
    EXPECT_FALSE(table.slotShown[2]);
    EXPECT_TRUE(table.slotShown[3]);
    EXPECT_EQ(table.columns[3].size(), 21u);
}

TEST_F(ValueTableFilling, StoredPointsStopAtTheListCapacityAcrossSlots) {
    CurveSlot[1].formula = "x";
    CurveSlot[2].formula = "2*x";
    const ValueTable table = computeValueTable(planValueTable(1, 0, 1499));
    ASSERT_EQ(table.points.size(), static_cast<std::size_t>(ValuePointCapacity));
    EXPECT_EQ(table.points[1499].y, 1499);  // the last point of f
    EXPECT_EQ(table.points[1500].y, 0);     // then g from its start
    EXPECT_EQ(table.columns[2].size(), 1500u);
}

// --- Zeros, images, equations ------------------------------------------------

TEST(ZeroGridColumn, TitleCountsTheZerosAndEveryZeroKeepsItsRow) {
    ZeroList zeros;
    zeros.count = 3;
    zeros.values[0] = -1.41421356L;
    zeros.values[1] = 1.41421356L;
    zeros.values[2] = 1.41421356L;
    const ZeroColumn column = zeroColumn("f", zeros);
    EXPECT_EQ(column.title, "f  {3}");
    const std::vector<std::string> expected{"-1.4142", "1.4142", "1.4142"};
    EXPECT_EQ(column.cells, expected);
}

TEST(ZeroGridColumn, NoZeroGivesACountOfZero) {
    const ZeroColumn column = zeroColumn("h", ZeroList{});
    EXPECT_EQ(column.title, "h  {0}");
    EXPECT_TRUE(column.cells.empty());
}

struct ImageCase {
    const char* name;
    const char* formula;
    long double a;
    const char* expectedText;
};

class ImageReading : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ImageReading, ShowsTheRoundedImageOrAQuestionMark) {
    const ImageCase& c = GetParam();
    EXPECT_EQ(imageText(imageOf(c.formula, c.a)), c.expectedText);
}

INSTANTIATE_TEST_SUITE_P(
    , ImageReading,
    ::testing::Values(ImageCase{"DefinedValue", "x^2-2", 3, "7"},
                      ImageCase{"SixDecimals", "x/3", 1, "0.333333"},
                      ImageCase{"DivisionByZero", "1/x", 0, "?"},
                      ImageCase{"RootOfNegative", "sqrt(x)", -1, "?"},
                      ImageCase{"FormulaThatDoesNotCompile", "x+", 1, "?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EquationText, TinyAndHugeValuesStillCompile) {
    EXPECT_NEAR(static_cast<double>(FormulaValue(equationText("x", 1e-20L), 0)), -1e-20, 1e-30);
    EXPECT_NEAR(static_cast<double>(FormulaValue(equationText("x", 3e20L), 0)), -3e20, 1e6);
}

TEST(PointsOnCurve, PairsEachSolutionWithTheFunctionValue) {
    ZeroList solutions;
    solutions.count = 2;
    solutions.values[0] = -2;
    solutions.values[1] = 3;
    const std::vector<PlotPoint> points = pointsOnCurve("x^2", solutions);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].y, 4);
    EXPECT_EQ(points[1].y, 9);
}

TEST(ZerosAcrossFrame, SearchesNothingBeforeTheFrameHasASize) {
    const TPlotFrame kept = PlotFrame;
    PlotFrame = TPlotFrame{};
    EXPECT_EQ(zerosAcrossFrame("x", 2).count, 0);
    PlotFrame.deriveFrom(800, 800);
    EXPECT_EQ(zerosAcrossFrame("x-1", 2).count, 1);
    PlotFrame = kept;
}

}  // namespace

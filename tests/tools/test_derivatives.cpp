// The arithmetic of the derivative windows.

#include <gtest/gtest.h>


#include "model/plot_state.h"
#include "model/state_reset.h"
#include "tools/derivatives.h"

namespace {

struct EquationCase {
    const char* name;
    const char* formula;
    long double a;
    const char* tangent;
    const char* normal;
};

class Equations : public ::testing::TestWithParam<EquationCase> {};

TEST_P(Equations, TangentAndNormalAtA) {
    const EquationCase& c = GetParam();
    EXPECT_EQ(tangentEquation(c.formula, c.a), c.tangent);
    EXPECT_EQ(normalEquation(c.formula, c.a), c.normal);
}

INSTANTIATE_TEST_SUITE_P(
    , Equations,
    ::testing::Values(
        EquationCase{"SquareAtOne", "x^2", 1, "y=2x+-1", "y=-0.5x+1.5"},
        EquationCase{"CubicAtItsMinimum", "x^3-3*x", 1, "y=0x+-2", "x=1"},
        EquationCase{"NegativeInterceptKeepsItsSign", "x^2-x", 1.5L, "y=2x+-2.25", "y=-0.5x+1.5"},
        EquationCase{"SlopeRoundedToTwoDecimals", "sin(x)", 1, "y=0.54x+0.3", "y=-1.85x+2.69"},
        EquationCase{"DerivativeDoesNotCompile", "abs(x)", 2, "??", "??"},
        EquationCase{"FormulaCannotBeDerived", "tan(x)", 0, "??", "??"},
        EquationCase{"ValueUndefined", "ln(x)", -1, "??", "??"},
        EquationCase{"SlopeUndefined", "sqrt(x)", 0, "??", "??"},
        EquationCase{"AbscissaUndefined", "x^2", ErrorValue, "??", "??"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RateCase {
    const char* name;
    PlotPoint first, second;
    const char* shown;  // nullptr: nothing to show
};

class Rates : public ::testing::TestWithParam<RateCase> {};

TEST_P(Rates, RateToThreeDecimalsOrNothing) {
    const RateCase& c = GetParam();
    const std::optional<std::string> rate = rateText(c.first, c.second);
    if (c.shown) EXPECT_EQ(rate, c.shown);
    else EXPECT_EQ(rate, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    , Rates,
    ::testing::Values(RateCase{"Rising", {1, 1}, {3, 9}, "=4"},
                      RateCase{"Rounded", {0, 0}, {3, 1}, "=0.333"},
                      RateCase{"SameAbscissa", {2, 1}, {2, 5}, nullptr},
                      RateCase{"UndefinedValue", {0, ErrorValue}, {1, 1}, nullptr},
                      RateCase{"Overflow", {0, -1e4000L}, {1e-4000L, 1e4000L}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExtremumCase {
    const char* name;
    const char* formula;
    std::optional<std::vector<std::string>> cells;  // nothing: the slot gives nothing
    std::size_t extrema;
};

class Extrema : public ::testing::TestWithParam<ExtremumCase> {
protected:
    // The frame of "Fonction de x" on the 850 x 800 graph of the 1280 layout.
    void SetUp() override {
        initialisePlotState();
        PlotFrame.ymin = -7.94L;
        PlotFrame.ymax = 7.94L;
        PlotFrame.deriveFrom(850, 800);
    }
    void TearDown() override { initialisePlotState(); }
};

TEST_P(Extrema, OneRowPerZeroOfTheDerivativeFilledWhereItChangesSign) {
    const ExtremumCase& c = GetParam();
    const std::optional<ExtremumColumn> column = extremaAcrossFrame(c.formula);
    ASSERT_EQ(column.has_value(), c.cells.has_value());
    if (!column) return;
    EXPECT_EQ(column->cells, *c.cells);
    EXPECT_EQ(column->extrema.size(), c.extrema);
}

using Cells = std::vector<std::string>;

// A derivative undefined on one side of its zero does not change sign there,
// though its undefined value is a large positive number.
INSTANTIATE_TEST_SUITE_P(
    , Extrema,
    ::testing::Values(ExtremumCase{"Cubic", "x^3-3*x", Cells{"2 est atteint en -1", "-2 est atteint en 1"}, 2},
                      ExtremumCase{"Parabola", "x^2-2*x", Cells{"-1 est atteint en 1"}, 1},
                      ExtremumCase{"NoSignChange", "x^3", Cells{""}, 0},
                      ExtremumCase{"UndefinedOnOneSide", "-x*sqrt(x)", Cells{""}, 0},
                      ExtremumCase{"DerivativeDoesNotCompile", "abs(x)", std::nullopt, 0},
                      ExtremumCase{"NoDerivative", "tan(x)", std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

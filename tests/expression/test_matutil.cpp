#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expression/matutil.h"
#include "expression/parsor.h"

namespace {

const long double Pi = std::numbers::pi_v<long double>;
const long double NaN = std::numeric_limits<long double>::quiet_NaN();
const long double Infinity = std::numeric_limits<long double>::infinity();

// ---- Reading numbers -------------------------------------------------------

struct NumberCase {
    const char* name;
    const char* text;
    long double value;
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class NumberReaderTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberReaderTest, ReadsTheTypedValue) {
    EXPECT_NEAR(static_cast<double>(NumberReader(GetParam().text)),
                static_cast<double>(GetParam().value), 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    ConstantExpressions, NumberReaderTest,
    ::testing::Values(NumberCase{"Plain", "1.5", 1.5L},
                      NumberCase{"Negative", "-2.5", -2.5L},
                      NumberCase{"ImplicitProductWithPi", "2pi", 2 * Pi},
                      NumberCase{"HalfPi", "pi/2", Pi / 2},
                      NumberCase{"Third", "1/3", 1.0L / 3},
                      NumberCase{"SchoolSquareRoot", "2v(3)", 2 * std::sqrt(3.0L)},
                      NumberCase{"VariableIsReadAtZero", "x", 0},
                      NumberCase{"ParameterIsOne", "a", 1}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    WrongText, NumberReaderTest,
    ::testing::Values(NumberCase{"CommaSeparator", "1,5", ErrorValue},
                      NumberCase{"Empty", "", ErrorValue},
                      NumberCase{"DanglingOperator", "2*", ErrorValue},
                      NumberCase{"UnknownName", "abc", ErrorValue},
                      NumberCase{"DivisionByZero", "1/0", ErrorValue},
                      NumberCase{"LogarithmOfZero", "ln(0)", ErrorValue}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Values and slopes of stored formulas -----------------------------------

struct PointCase {
    const char* name;
    const char* formula;
    long double x;
    long double expected;
};

void PrintTo(const PointCase& c, std::ostream* out) {
    *out << c.formula << " at " << static_cast<double>(c.x);
}

class FormulaValueTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(FormulaValueTest, EvaluatesTheStoredText) {
    EXPECT_EQ(FormulaValue(GetParam().formula, GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormulaValueTest,
    ::testing::Values(PointCase{"Square", "x^2", -3, 9},
                      PointCase{"OnlyXVaries", "x+y+z", 2, 2},
                      PointCase{"UndefinedPoint", "1/x", 0, ErrorValue},
                      PointCase{"TextIsNotNormalised", "2x", 1, ErrorValue},
                      PointCase{"EmptyText", "", 1, ErrorValue}),
    [](const auto& info) { return std::string(info.param.name); });

class DerivativeValueTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(DerivativeValueTest, IsTheForwardDifference) {
    const long double d = DerivativeValue(GetParam().formula, GetParam().x);
    if (GetParam().expected == ErrorValue)
        EXPECT_EQ(d, ErrorValue);
    else
        EXPECT_NEAR(static_cast<double>(d), static_cast<double>(GetParam().expected), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DerivativeValueTest,
    ::testing::Values(PointCase{"Square", "x^2", 3, 6},
                      PointCase{"Sine", "sin(x)", 0, 1},
                      PointCase{"Exponential", "exp(x)", 1, std::numbers::e_v<long double>},
                      PointCase{"TextThatDoesNotCompile", "2x", 1, ErrorValue},
                      PointCase{"OutsideTheDomain", "sqrt(x)", -1, ErrorValue},
                      PointCase{"JustBeforeTheDomain", "sqrt(x)", -1e-10L, ErrorValue},
                      PointCase{"JustPastTheDomain", "sqrt(-x)", -1e-10L, ErrorValue}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SlopeAtTest, UsesTheCompiledExpression) {
    TExpress cube;
    cube.setExpression("x^3");
    ASSERT_FALSE(cube.SyntaxError());
    EXPECT_NEAR(static_cast<double>(SlopeAt(cube, 2)), 12, 1e-6);
    cube.setExpression("ln(x)");
    EXPECT_EQ(SlopeAt(cube, -1), ErrorValue);
}

// ---- Zero finder ---------------------------------------------------------

struct ZerosCase {
    const char* name;
    const char* formula;
    long double lower;
    long double upper;
    long double step;
    std::vector<long double> zeros;
};

void PrintTo(const ZerosCase& c, std::ostream* out) {
    *out << c.formula << " on [" << static_cast<double>(c.lower) << ", "
         << static_cast<double>(c.upper) << "] step " << static_cast<double>(c.step);
}

class FindZerosTest : public ::testing::TestWithParam<ZerosCase> {};

TEST_P(FindZerosTest, ListsTheRoundedZerosInOrder) {
    const ZerosCase& c = GetParam();
    const ZeroList zeros = FindZeros(c.formula, c.lower, c.upper, c.step);
    ASSERT_EQ(zeros.count, static_cast<int>(c.zeros.size()));
    for (int i = 0; i < zeros.count; ++i)
        EXPECT_NEAR(static_cast<double>(zeros.values[static_cast<std::size_t>(i)]),
                    static_cast<double>(c.zeros[static_cast<std::size_t>(i)]), 1e-12)
            << "zero " << i;
}

const auto zerosName = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(
    SignChanges, FindZerosTest,
    ::testing::Values(
        ZerosCase{"Parabola", "x^2-1", -10, 10, 0.04L, {-1, 1}},
        ZerosCase{"RoundedToFourDecimals", "x^2-2", -10, 10, 0.04L, {-1.4142L, 1.4142L}},
        ZerosCase{"Sine", "sin(x)", -10, 10, 0.04L,
                  {-9.4248L, -6.2832L, -3.1416L, 0, 3.1416L, 6.2832L, 9.4248L}},
        ZerosCase{"PoleIsNotAZero", "1/x", -10, 10, 0.04L, {}}),
    zerosName);

INSTANTIATE_TEST_SUITE_P(
    TouchingZeros, FindZerosTest,
    ::testing::Values(ZerosCase{"Square", "x^2", -10, 10, 0.04L, {0}},
                      ZerosCase{"SortedAcrossPasses", "x^2*(x-3)", -10, 10, 0.04L, {0, 3}},
                      ZerosCase{"DoubleRootRoundedFromItsValue", "(x-1)^2", -10, 10, 3 * 20 / 680.0L, {1}},
                      ZerosCase{"SineReachingOne", "sin(x)-1", -10, 10, 3 * 20 / 680.0L, {-4.7124L, 1.5708L, 7.854L}}),
    zerosName);

INSTANTIATE_TEST_SUITE_P(
    DomainEnds, FindZerosTest,
    ::testing::Values(ZerosCase{"HalfCircle", "sqrt(4-x^2)", -10, 10, 0.04L, {-2, 2}},
                      ZerosCase{"SquareRoot", "sqrt(x)", -10, 10, 0.04L, {0}},
                      ZerosCase{"DomainStartsAtTheLowerBound", "sqrt(x)", 0, 10, 0.04L, {0}},
                      ZerosCase{"EndWhereTheValueIsNotZero", "ln(x)", -10, 10, 0.04L, {1}},
                      ZerosCase{"ZeroInTheStepWhereTheDomainStarts", "ln(x)+3", -10, 10, 0.09L, {0.0498L}},
                      ZerosCase{"ZeroInTheStepWhereTheDomainEnds", "ln(-x)+3", -10, 10, 0.07L, {-0.0498L}}),
    zerosName);

INSTANTIATE_TEST_SUITE_P(
    Duplicates, FindZerosTest,
    ::testing::Values(ZerosCase{"ZeroOnAScanPointFoundTwice", "x", -1, 1, 0.5L, {0, 0}},
                      ZerosCase{"ZeroFoundBySignChangeAndDomainEnd", "sqrt(x)", -1, 1, 0.5L,
                                {0, 0}},
                      ZerosCase{"FlatZeroOnAScanPointFoundExactly", "(x-1)^2", -1, 3, 0.5L, {1, 1, 1}}),
    zerosName);

INSTANTIATE_TEST_SUITE_P(
    NoZeros, FindZerosTest,
    ::testing::Values(ZerosCase{"UndefinedEverywhere", "ln(-1-x^2)", -10, 10, 0.04L, {}},
                      ZerosCase{"NeverCompilesUnnormalised", "2x", -10, 10, 0.04L, {}},
                      ZerosCase{"NeverCompilesDangling", "x+", -10, 10, 0.04L, {}},
                      ZerosCase{"EmptyFormula", "", -10, 10, 0.04L, {}},
                      ZerosCase{"ReversedInterval", "x", 10, -10, 0.04L, {}},
                      ZerosCase{"EmptyInterval", "x", 1, 1, 0.04L, {}}),
    zerosName);

INSTANTIATE_TEST_SUITE_P(
    BadSteps, FindZerosTest,
    ::testing::Values(
        ZerosCase{"ZeroStep", "x", -1, 1, 0, {}},
        ZerosCase{"NegativeStep", "x", -1, 1, -0.04L, {}},
        ZerosCase{"NaNStep", "x", -1, 1, NaN, {}},
        ZerosCase{"InfiniteStep", "x", -1, 1, Infinity, {}},
        ZerosCase{"NaNLowerBound", "x", NaN, 1, 0.04L, {}},
        ZerosCase{"InfiniteUpperBound", "x", -1, Infinity, 0.04L, {}},
        ZerosCase{"InfiniteBounds", "x", -Infinity, Infinity, 0.04L, {}},
        ZerosCase{"TinyStepIsWidened", "x^2-1", -10, 10, 1e-30L, {-1, 1}},
        ZerosCase{"StepBelowThePrecisionOfTheBounds", "x", 1e30L, 1e30L + 1e12L, 1, {}}),
    zerosName);

TEST(FindZerosLimit, HoldsAtMostAHundredAscendingZeros) {
    const ZeroList zeros = FindZeros("sin(x)", -1000, 1000, 0.04L);
    ASSERT_EQ(zeros.count, 100);
    EXPECT_NEAR(static_cast<double>(zeros.values[0]), -999.0265, 1e-12);
    for (std::size_t i = 1; i < 100; ++i) EXPECT_LT(zeros.values[i - 1], zeros.values[i]);
}

// ---- Small helpers ---------------------------------------------------------

TEST(Geometry, PointDistanceIsEuclidean) {
    EXPECT_EQ(PointDistance(1, 1, 4, 5), 5);
    EXPECT_EQ(PointDistance(2, -3, 2, -3), 0);
}

TEST(Geometry, CrossProductIsRightHanded) {
    const SpaceVector k = CrossProduct({1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(k.x, 0);
    EXPECT_EQ(k.y, 0);
    EXPECT_EQ(k.z, 1);
    const SpaceVector w = CrossProduct({1, 2, 3}, {4, 5, 6});
    EXPECT_EQ(w.x, -3);
    EXPECT_EQ(w.y, 6);
    EXPECT_EQ(w.z, -3);
}

TEST(Geometry, VectorLengthIsEuclidean) { EXPECT_EQ(VectorLength({1, 2, 2}), 3); }

struct LetterCase {
    const char* name;
    std::string text;
    int code;
};

void PrintTo(const LetterCase& c, std::ostream* out) { *out << c.code; }

class LetterCodeTest : public ::testing::TestWithParam<LetterCase> {};

TEST_P(LetterCodeTest, GivesTheCodeOfTheFirstCharacter) {
    EXPECT_EQ(LetterCode(GetParam().text), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LetterCodeTest,
    ::testing::Values(LetterCase{"CapitalA", "A", 65},
                      LetterCase{"OnlyTheFirstCounts", "BA", 66},
                      LetterCase{"LowestCode", "\x01", 1},
                      LetterCase{"HighestCode", "\xfe", 254},
                      LetterCase{"LatinOneLetter", "\xe9", 233},
                      LetterCase{"EmptyText", "", 255},
                      LetterCase{"CodeZero", std::string(1, '\0'), 255},
                      LetterCase{"CodeTwoHundredFiftyFive", "\xff", 255}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WaitSecondsTest, WaitsAtLeastTheGivenTime) {
    const auto start = std::chrono::steady_clock::now();
    WaitSeconds(0.05L);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
}

TEST(WaitSecondsTest, NothingToWaitForReturnsAtOnce) {
    const auto start = std::chrono::steady_clock::now();
    for (const long double seconds : {0.0L, -5.0L, -Infinity, NaN}) WaitSeconds(seconds);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace

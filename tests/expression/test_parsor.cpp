#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "expression/parsor.h"

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
const long double Infinity = std::numeric_limits<long double>::infinity();

std::string CaseName(const char* name) { return name; }

// Keeps the compiler from folding an expected value at build time with a
// precision the run-time library does not have.
long double AtRunTime(long double v) {
    volatile long double kept = v;
    return kept;
}

// ---------------------------------------------------------------- values

long double RepeatedProduct(long double u, int count) {
    long double product = AtRunTime(u);
    for (int i = 1; i < count; ++i) product *= u;
    return product;
}

struct ValueCase {
    const char* name;
    std::string formula;
    long double x;
    long double expected;
    long double tolerance = 0;   // 0: the very same extended value
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.formula; }

class ValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueTest, EvaluatesToTheExpectedValue) {
    const ValueCase& c = GetParam();
    TExpress formula;
    formula.setExpression(c.formula);
    ASSERT_FALSE(formula.SyntaxError()) << c.formula;
    const long double value = formula.Evaluate(c.x, 0, 0);
    EXPECT_FALSE(MathError);
    if (c.tolerance == 0)
        EXPECT_EQ(value, c.expected) << c.formula << " gave " << static_cast<double>(value);
    else
        EXPECT_NEAR(static_cast<double>(value), static_cast<double>(c.expected),
                    static_cast<double>(c.tolerance));
}

auto ValueCaseName = [](const auto& info) { return CaseName(info.param.name); };

INSTANTIATE_TEST_SUITE_P(
    PrecedenceAndAssociativity, ValueTest,
    ::testing::Values(
        ValueCase{"SubtractionGroupsFromTheLeft", "8-4-2", 0, 2},
        ValueCase{"DivisionGroupsFromTheLeft", "8/4/2", 0, 1},
        ValueCase{"PowerGroupsFromTheLeft", "2^3^2", 0, 64},
        ValueCase{"ProductBeforeSum", "2+3*4", 0, 14},
        ValueCase{"ProductFirstThenSum", "2*3+4", 0, 10},
        ValueCase{"PowerBeforeProduct", "2*3^2", 0, 18},
        ValueCase{"PowerBeforeDivision", "18/3^2", 0, 2},
        ValueCase{"ParenthesesFirst", "(1+2)*3", 0, 9},
        ValueCase{"ParenthesisedRightOperand", "1-(2-3)", 0, 2},
        ValueCase{"MixedChain", "1+2*3-4/2^2", 0, 6},
        ValueCase{"ManyParentheses", "((((x))))", 7, 7},
        ValueCase{"SpacesAreRemoved", " 2 * x + 1 ", 3, 7}),
    ValueCaseName);

INSTANTIATE_TEST_SUITE_P(
    UnaryMinusAndSigns, ValueTest,
    ::testing::Values(
        ValueCase{"NegatedVariable", "-x", 2, -2},
        ValueCase{"MinusTakesThePower", "-x^2", 3, -9},
        ValueCase{"SignedNumberIsTheBase", "-2^2", 0, 4},
        ValueCase{"LeftOperandMinusTakesThePower", "-2^2+1", 0, -3},
        ValueCase{"NegatedParentheses", "-(x+1)", 2, -3},
        ValueCase{"NegatedCall", "-sqrt(x)", 4, -2},
        ValueCase{"NegatedTwoArgumentCall", "-min(x,1)", 5, -1},
        ValueCase{"NegatedSignedNumber", "--3", 0, 3},
        ValueCase{"SignedNumberOnTheRight", "2*-3", 0, -6},
        ValueCase{"PlusSignedNumber", "+3", 0, 3},
        ValueCase{"NegativeExponentNumber", "x^-1", 4, 0.25L},
        ValueCase{"MinusOnTheLeftOfASum", "-x+1", 2, -1},
        ValueCase{"MinusInsideParentheses", "x-(-x)", 2, 4}),
    ValueCaseName);

INSTANTIATE_TEST_SUITE_P(
    ConstantsAndParameters, ValueTest,
    ::testing::Values(
        ValueCase{"Decimal", "1.5", 0, 1.5L},
        ValueCase{"LeadingPoint", ".5", 0, 0.5L},
        ValueCase{"TrailingPoint", "5.", 0, 5},
        ValueCase{"Exponent", "1e3", 0, 1000},
        ValueCase{"CapitalExponent", "2.5E2", 0, 250},
        ValueCase{"NegativeExponent", "1e-3", 0, 0.001L},
        ValueCase{"SignsEverywhere", "+1e+3", 0, 1000},
        ValueCase{"ExtendedPrecisionNumber", "0.1", 0, 0.1L},
        ValueCase{"LowerPi", "pi", 0, Pi},
        ValueCase{"CapitalisedPi", "Pi", 0, Pi},
        ValueCase{"ParameterWorthOne", "a*x", 5, 5},
        ValueCase{"LastParameter", "f+x", 5, 6},
        ValueCase{"ParameterIsNotExponentLetter", "2*e", 0, 2}),
    ValueCaseName);

// x^2, x^3, x^4 and integer exponents multiply; they accept negative bases.
INSTANTIATE_TEST_SUITE_P(
    Powers, ValueTest,
    ::testing::Values(
        ValueCase{"SquareOfNegative", "x^2", -3, 9},
        ValueCase{"SquareInParentheses", "x^(2)", -3, 9},
        ValueCase{"SquareWrittenAsDecimal", "x^2.0", -3, 9},
        ValueCase{"SquareWrittenWithExponent", "x^2e0", -3, 9},
        ValueCase{"CubeOfNegative", "x^3", -2, -8},
        ValueCase{"FourthPowerOfNegative", "x^4", -2, 16},
        ValueCase{"FifthPowerOfNegative", "x^5", -2, -32},
        ValueCase{"FifthPowerIsARepeatedProduct", "x^5", 1.1L, 1.1L * 1.1L * 1.1L * 1.1L * 1.1L},
        ValueCase{"HundredthPowerIsARepeatedProduct", "x^100", 1.01L, RepeatedProduct(1.01L, 100)},
        ValueCase{"ZeroExponentGivesOne", "x^0", 0, 1},
        ValueCase{"FirstPowerIsTheBase", "x^1", -7, -7},
        ValueCase{"NegativeIntegerExponent", "x^(-1)", -2, -0.5L},
        ValueCase{"ReciprocalOfAProduct", "x^-3", 2, 0.125L},
        ValueCase{"ReciprocalOfZeroStaysZero", "x^-2", 0, 0},
        ValueCase{"FractionalExponentGoesThroughLogarithm", "x^2.5", 4,
                  std::exp(2.5L * std::log(AtRunTime(4)))},
        ValueCase{"VariableExponent", "2^x", 10, std::exp(10 * std::log(AtRunTime(2)))},
        ValueCase{"LongestRepeatedProduct", "x^65536", 1.00001L, RepeatedProduct(1.00001L, 65536)},
        ValueCase{"LongerProductsAreSquaredInstead", "x^70000", 1.0001L,
                  RepeatedProduct(1.0001L, 70000), 1e-9L},
        ValueCase{"HugeEvenExponentOfMinusOne", "x^1e30", -1, 1},
        ValueCase{"HugeExponentOverflows", "x^1e30", 1.0000001L, Infinity},
        ValueCase{"HugeNegativeExponentGivesZero", "x^-1e30", 2, 0}),
    ValueCaseName);

INSTANTIATE_TEST_SUITE_P(
    OneArgumentCalls, ValueTest,
    ::testing::Values(
        ValueCase{"Cosine", "cos(x)", 1, std::cos(1.0L), 1e-18L},
        ValueCase{"Sine", "sin(x)", 1, std::sin(1.0L), 1e-18L},
        ValueCase{"SineOfTen", "sin(x)", 10, std::sin(10.0L), 1e-18L},
        ValueCase{"Exponential", "exp(x)", 1.5L, std::exp(AtRunTime(1.5L))},
        ValueCase{"Logarithm", "ln(x)", 10, std::log(AtRunTime(10))},
        ValueCase{"SquareRoot", "sqrt(x)", 2, std::sqrt(2.0L)},
        ValueCase{"SquareRootOfZero", "sqrt(x)", 0, 0},
        ValueCase{"ArcTangent", "arctan(x)", 1, Pi / 4, 1e-18L},
        ValueCase{"Absolute", "abs(x)", -2.5L, 2.5L},
        ValueCase{"HeavisideAtZero", "heav(x)", 0, 1},
        ValueCase{"HeavisideBelowZero", "heav(x)", -1e-30L, 0},
        ValueCase{"PrincipalAngle", "ph(x)", 7, 7 - 2 * Pi, 1e-18L},
        ValueCase{"PrincipalAngleOfNegative", "ph(x)", -4, -4 + 2 * Pi, 1e-18L},
        ValueCase{"HyperbolicSine", "sinh(x)", 1,
                  (std::exp(AtRunTime(1)) - std::exp(AtRunTime(-1))) / 2},
        ValueCase{"HyperbolicCosine", "cosh(x)", 1,
                  (std::exp(AtRunTime(1)) + std::exp(AtRunTime(-1))) / 2},
        ValueCase{"FractionKeepsTheSign", "fr(x)", -2.5L, -0.5L},
        ValueCase{"Tangent", "tan(x)", 1, std::tan(1.0L), 1e-18L},
        ValueCase{"HyperbolicTangent", "tanh(x)", 0.5L, std::tanh(0.5L), 1e-18L},
        ValueCase{"HyperbolicTangentFarRight", "tanh(x)", 20000, 1},
        ValueCase{"HyperbolicTangentFarLeft", "tanh(x)", -20000, -1},
        ValueCase{"ArcsineOfOneIsExactlyHalfPi", "arcsin(x)", 1, Pi / 2},
        ValueCase{"ArcsineOfMinusOne", "arcsin(x)", -1, -Pi / 2},
        ValueCase{"ArcsineOfHalf", "arcsin(x)", 0.5L, Pi / 6, 1e-18L},
        ValueCase{"ArccosineOfMinusOneIsPi", "arccos(x)", -1, Pi},
        ValueCase{"ArccosineOfZero", "arccos(x)", 0, Pi / 2},
        ValueCase{"ArccosineOfHalf", "arccos(x)", 0.5L, Pi / 3, 1e-18L},
        ValueCase{"ArccosineOfNegativeHalf", "arccos(x)", -0.5L, 2 * Pi / 3, 1e-18L},
        ValueCase{"HyperbolicNameIsNotSine", "sinh(x)", 0, 0},
        ValueCase{"SineOfHugeArgumentIsZero", "sin(x)", 0x1p63L, 0},
        ValueCase{"SineOfHugeNegativeArgumentIsZero", "sin(x)", -1e30L, 0},
        ValueCase{"CosineOfHugeArgumentIsZero", "cos(x)", 0x1p63L, 0},
        ValueCase{"SineJustBelowTheLimitIsReduced", "sin(x)^2+cos(x)^2", 0x1p62L, 1, 1e-15L}),
    ValueCaseName);

INSTANTIATE_TEST_SUITE_P(
    TwoArgumentCalls, ValueTest,
    ::testing::Values(
        ValueCase{"Maximum", "max(x,2)", 1, 2},
        ValueCase{"MaximumFirst", "max(x,2)", 3, 3},
        ValueCase{"Minimum", "min(x,2)", 1, 1},
        ValueCase{"NestedSplitAtTheSecondComma", "min(max(1,2),3)", 0, 2},
        ValueCase{"ArgumentOnTheVerticalAxis", "arg(0,-1)", 0, Pi / 2},
        ValueCase{"ArgumentRightHalf", "arg(1,1)", 0, Pi / 4, 1e-18L},
        ValueCase{"ArgumentUpperLeft", "arg(-1,1)", 0, 3 * Pi / 4, 1e-18L},
        ValueCase{"ArgumentLowerLeft", "arg(-1,-1)", 0, -3 * Pi / 4, 1e-18L},
        ValueCase{"ArgumentOnTheNegativeAxis", "arg(-1,0)", 0, -Pi},
        ValueCase{"Radius", "r(3,4)", 0, 5},
        ValueCase{"LessTrue", "lt(1,2)", 0, 1},
        ValueCase{"LessFalse", "lt(2,2)", 0, 0},
        ValueCase{"LessOrEqual", "le(2,2)", 0, 1},
        ValueCase{"EqualTrue", "eq(x,2)", 2, 1},
        ValueCase{"EqualFalse", "eq(x,2)", 3, 0},
        ValueCase{"NotEqual", "ne(x,2)", 3, 1},
        ValueCase{"CertainHit", "rn(1,0)", 0, 1},
        ValueCase{"ImpossibleHit", "rn(1,1)", 0, 0},
        ValueCase{"EmptyRangeDrawsZero", "rn(0,0)", 0, 1},
        ValueCase{"RangeTakenModulo65536", "rn(65537,0)", 0, 1},
        ValueCase{"NegativeRangeTakenModulo65536", "rn(-65535,0)", 0, 1},
        ValueCase{"DrawnValueRoundedDownToEven", "rn(1,0.5)", 0, 1},
        ValueCase{"DrawnValueRoundedUpToEven", "rn(1,1.5)", 0, 0},
        ValueCase{"NormalDrawWithoutDeviation", "rm(5,0)", 0, 5}),
    ValueCaseName);

// Overflow and invalid operations are values, not errors.
INSTANTIATE_TEST_SUITE_P(
    UnguardedOverflow, ValueTest,
    ::testing::Values(
        ValueCase{"ExponentialOverflows", "exp(x)", 20000, Infinity},
        ValueCase{"InfinityPassesThrough", "x+1", Infinity, Infinity},
        ValueCase{"HyperbolicCosineOverflows", "cosh(x)", 20000, Infinity}),
    ValueCaseName);

// ---------------------------------------------------------------- domain errors

struct DomainCase {
    const char* name;
    std::string formula;
    long double x;
};

class DomainTest : public ::testing::TestWithParam<DomainCase> {};

TEST_P(DomainTest, GivesErrorValueAndSetsMathError) {
    TExpress formula;
    formula.setExpression(GetParam().formula);
    ASSERT_FALSE(formula.SyntaxError()) << GetParam().formula;
    EXPECT_EQ(formula.Evaluate(GetParam().x, 0, 0), ErrorValue);
    EXPECT_TRUE(MathError);
}

INSTANTIATE_TEST_SUITE_P(
    DomainRules, DomainTest,
    ::testing::Values(
        DomainCase{"DivisionByZero", "1/x", 0},
        DomainCase{"FractionalPowerOfNegative", "x^2.5", -3},
        DomainCase{"FractionalPowerOfZero", "0^0.5", 0},
        DomainCase{"TwiceParenthesisedSquareGoesThroughLogarithm", "x^((2))", -3},
        DomainCase{"VariablePowerOfNegative", "x^y", -3},
        DomainCase{"LogarithmOfZero", "ln(x)", 0},
        DomainCase{"LogarithmOfNegative", "ln(x)", -1},
        DomainCase{"SquareRootOfNegative", "sqrt(x)", -1},
        DomainCase{"ArcsineAboveOne", "arcsin(x)", 1.5L},
        DomainCase{"ArcsineBelowMinusOne", "arcsin(x)", -1.5L},
        DomainCase{"ArccosineAboveOne", "arccos(x)", 1.5L},
        DomainCase{"ArccosineOfNaN", "arccos(x)", std::numeric_limits<long double>::quiet_NaN()},
        DomainCase{"TangentBeyondReduction", "tan(x)", 1e30L},
        DomainCase{"ErrorInsideALargerFormula", "2+3*ln(x-1)", 1},
        DomainCase{"ErrorInTheFirstOperand", "ln(x)+sqrt(1)", 0},
        DomainCase{"ErrorInTheSecondArgument", "max(1,sqrt(x))", -4}),
    [](const auto& info) { return CaseName(info.param.name); });

// ---------------------------------------------------------------- syntax

struct SyntaxCase {
    const char* name;
    std::string formula;
    bool compiles;
};

class SyntaxTest : public ::testing::TestWithParam<SyntaxCase> {};

TEST_P(SyntaxTest, CompilesOnlyValidFormulas) {
    TExpress formula;
    formula.setExpression(GetParam().formula);
    EXPECT_EQ(!formula.SyntaxError(), GetParam().compiles) << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(
    Recognition, SyntaxTest,
    ::testing::Values(
        SyntaxCase{"Empty", "", false},
        SyntaxCase{"OnlySpaces", "   ", false},
        SyntaxCase{"MinusBeforeVariableOnTheRight", "2*-x", false},
        SyntaxCase{"DoubleUnaryMinus", "--x", false},
        SyntaxCase{"UnaryPlus", "+x", false},
        SyntaxCase{"CapitalPi", "PI", false},
        SyntaxCase{"CapitalisedFunction", "Sin(x)", false},
        SyntaxCase{"CallWithoutParentheses", "sin x", false},
        SyntaxCase{"ThreeArguments", "max(1,2,3)", false},
        SyntaxCase{"OneArgumentToATwoArgumentCall", "max(1)", false},
        SyntaxCase{"TwoArgumentsToAOneArgumentCall", "sin(1,2)", false},
        SyntaxCase{"DecimalComma", "1,5", false},
        SyntaxCase{"ExponentWithoutDigits", "1e", false},
        SyntaxCase{"PointAlone", ".", false},
        SyntaxCase{"TwoPoints", "1.2.3", false},
        SyntaxCase{"NumberBeyondTheExtendedRange", "1e5000", false},
        SyntaxCase{"ImplicitProduct", "2x", false},
        SyntaxCase{"UnbalancedOpening", "(x", false},
        SyntaxCase{"UnbalancedClosing", "x)", false},
        SyntaxCase{"ClosingBeforeOpening", ")x(", false},
        SyntaxCase{"EmptyParentheses", "()", false},
        SyntaxCase{"TrailingOperator", "x+", false},
        SyntaxCase{"LeadingTimes", "*x", false},
        SyntaxCase{"UnknownLetter", "w", false},
        SyntaxCase{"UnknownFunction", "log(x)", false},
        SyntaxCase{"ZeroByte", std::string("x\0", 2), false},
        SyntaxCase{"HighByte", "x\xB2", false},
        SyntaxCase{"MinusBeforeSignedNumber", "2*--3", false},
        SyntaxCase{"Decimal", "1.5", true},
        SyntaxCase{"ParameterProduct", "a*x", true},
        SyntaxCase{"AllVariables", "x*y*z", true},
        SyntaxCase{"HyperbolicSine", "sinh(x)", true},
        SyntaxCase{"NestedCalls", "sqrt(abs(sin(x)))", true},
        SyntaxCase{"NestedTwoArgumentCalls", "min(max(1,2),max(3,min(4,5)))", true},
        SyntaxCase{"PowerOfCall", "sin(x)^2", true},
        SyntaxCase{"NegatedProductOnTheLeft", "-x*y+1", true}),
    [](const auto& info) { return CaseName(info.param.name); });

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

std::string SumOfOnes(int terms) { return "1" + Repeat("+1", terms - 1); }

// A balanced tree with `seventh` operations on level 7 ("-x" and "x*x" under
// each level-6 "-x+x*x"): 50 fit, 51 are one too many.
std::string WideFormula(int seventh) {
    const std::string four = "(-x+x*x)*(-x+x*x)";
    const std::string sixteen = "(" + four + "+" + four + ")*(" + four + "+" + four + ")";
    const std::string thirtyTwo = sixteen + "+" + sixteen;
    const std::string tail = seventh == 50 ? "((-x+x*x)*x+x)*x" : "((-x+x*x)*(x+x*x)+x)*x";
    return "(" + thirtyTwo + ")*((" + four + "+" + four + ")*(" + four + "+" + four + ")+" + tail
           + ")";
}

INSTANTIATE_TEST_SUITE_P(
    LevelLimits, SyntaxTest,
    ::testing::Values(
        SyntaxCase{"ThirtyLevelsOfSums", SumOfOnes(31), true},
        SyntaxCase{"ThirtyOneLevelsOfSums", SumOfOnes(32), false},
        SyntaxCase{"ThirtyNestedCalls", Repeat("sin(", 30) + "x" + Repeat(")", 30), true},
        SyntaxCase{"ThirtyOneNestedCalls", Repeat("sin(", 31) + "x" + Repeat(")", 31), false},
        SyntaxCase{"FiftyOperationsOnOneLevel", WideFormula(50), true},
        SyntaxCase{"FiftyOneOperationsOnOneLevel", WideFormula(51), false}),
    [](const auto& info) { return CaseName(info.param.name); });

// Texts that make a naive recogniser try exponentially many readings.
INSTANTIATE_TEST_SUITE_P(
    AdversarialTexts, SyntaxTest,
    ::testing::Values(
        SyntaxCase{"LongMinusRun", Repeat("-", 254) + "x", false},
        SyntaxCase{"DeepParentheses", Repeat("(", 127) + "x" + Repeat(")", 127), true},
        SyntaxCase{"LongPowerChain", "x" + Repeat("^x", 127), false},
        SyntaxCase{"LongAlternatingChain", Repeat("-x*", 84) + "x", false},
        SyntaxCase{"UnclosedParentheses", Repeat("(x+", 85), false},
        SyntaxCase{"ManyCommas", "min(" + Repeat("1,", 125) + "1)", false},
        SyntaxCase{"ManySmallParentheses", Repeat("(1)+", 63) + "(1)", false},
        SyntaxCase{"NestedMinusCalls", Repeat("-sin(", 42) + "x" + Repeat(")", 42), false}),
    [](const auto& info) { return CaseName(info.param.name); });

// ---------------------------------------------------------------- component state

TEST(TExpressState, StartsUncompiledWithX) {
    TExpress formula;
    EXPECT_EQ(formula.Expression(), "x");
    EXPECT_FALSE(formula.SyntaxError());
    EXPECT_EQ(formula.Evaluate(5, 0, 0), 1);
    EXPECT_EQ(formula.VariableList, "xyz");
    EXPECT_EQ(formula.ParameterList, "abcdef");
}

TEST(TExpressState, FailedCompilationKeepsThePreviousTextAndEvaluatesToOne) {
    TExpress formula;
    formula.setExpression("x^2");
    ASSERT_EQ(formula.Evaluate(3, 0, 0), 9);
    formula.setExpression("x^");
    EXPECT_TRUE(formula.SyntaxError());
    EXPECT_EQ(formula.Expression(), "x^2");
    EXPECT_EQ(formula.Evaluate(3, 0, 0), 1);
    EXPECT_FALSE(MathError);
    formula.setExpression("x+1");
    EXPECT_FALSE(formula.SyntaxError());
    EXPECT_EQ(formula.Expression(), "x+1");
    EXPECT_EQ(formula.Evaluate(3, 0, 0), 4);
}

TEST(TExpressState, KeepsTheTextAsWrittenWithItsSpaces) {
    TExpress formula;
    formula.setExpression("x + 1");
    EXPECT_EQ(formula.Expression(), "x + 1");
    EXPECT_EQ(formula.Evaluate(1, 0, 0), 2);
}

TEST(TExpressState, KeepsOnlyTheFirst255Characters) {
    const std::string kept = "x+" + std::string(253, '1');
    TExpress formula;
    formula.setExpression(kept + ")*garbage");
    ASSERT_FALSE(formula.SyntaxError());
    EXPECT_EQ(formula.Expression(), kept);
    formula.setExpression(std::string(254, ' ') + "x" + "+1");
    EXPECT_EQ(formula.Evaluate(5, 0, 0), 5);
}

TEST(TExpressState, SingleCellFormulas) {
    TExpress formula;
    formula.setExpression("y");
    EXPECT_EQ(formula.Evaluate(1, 2, 3), 2);
    formula.setExpression("z");
    EXPECT_EQ(formula.Evaluate(1, 2, 3), 3);
    formula.setExpression("2.5");
    EXPECT_EQ(formula.Evaluate(1, 2, 3), 2.5L);
    formula.setExpression("b");
    EXPECT_EQ(formula.Evaluate(1, 2, 3), 1);
}

TEST(TExpressState, ParameterValuesAreCopiedAtCompilation) {
    TExpress formula;
    formula.ParameterValues[0] = 3;
    formula.ParameterValues[5] = -1;
    formula.setExpression("a*x+f");
    EXPECT_EQ(formula.Evaluate(2, 0, 0), 5);
    formula.ParameterValues[0] = 10;
    EXPECT_EQ(formula.Evaluate(2, 0, 0), 5);
    formula.setExpression("a*x+f");
    EXPECT_EQ(formula.Evaluate(2, 0, 0), 19);
}

TEST(TExpressState, NameListsApplyAtTheNextCompilation) {
    TExpress formula;
    formula.VariableList = "tuvw";
    formula.ParameterList = "mnopqrs";
    formula.setExpression("t*u+v");
    ASSERT_FALSE(formula.SyntaxError());
    EXPECT_EQ(formula.Evaluate(2, 3, 4), 10);
    formula.setExpression("w");
    EXPECT_TRUE(formula.SyntaxError());
    formula.setExpression("r");
    EXPECT_FALSE(formula.SyntaxError());
    formula.setExpression("s");
    EXPECT_TRUE(formula.SyntaxError());
    formula.setExpression("x");
    EXPECT_TRUE(formula.SyntaxError());
}

TEST(TExpressState, EvaluateUsesAllThreeVariables) {
    TExpress formula;
    formula.setExpression("x+2*y+3*z");
    EXPECT_EQ(formula.Evaluate(1, 10, 100), 321);
}

TEST(TExpressState, EvaluateClearsMathError) {
    TExpress formula;
    formula.setExpression("1/x");
    EXPECT_EQ(formula.Evaluate(0, 0, 0), ErrorValue);
    EXPECT_TRUE(MathError);
    EXPECT_EQ(formula.Evaluate(4, 0, 0), 0.25L);
    EXPECT_FALSE(MathError);
}

TEST(TExpressState, TwoFormulasShareNoCells) {
    TExpress first;
    TExpress second;
    second.ParameterValues[0] = 2;
    first.setExpression("a*x+1");
    second.setExpression("a*x+1");
    EXPECT_EQ(first.Evaluate(3, 0, 0), 4);
    EXPECT_EQ(second.Evaluate(5, 0, 0), 11);
    EXPECT_EQ(first.Evaluate(3, 0, 0), 4);
    first.setExpression("x-1");
    EXPECT_EQ(second.Evaluate(5, 0, 0), 11);
}

TEST(TExpressState, ArbitraryBytesNeverBreakTheCompiler) {
    std::mt19937 random(7);
    const std::string alphabet = "xyzabc()+-*/^,.0123456789e pisncoqrtlhfgmaxv";
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 320, ' ');
        for (char& c : text)
            c = round % 3 == 0 ? static_cast<char>(random() % 256)
                               : alphabet[random() % alphabet.size()];
        TExpress formula;
        formula.setExpression(text);
        const long double value = formula.Evaluate(0.5L, -1, 2);
        if (formula.SyntaxError()) {
            EXPECT_EQ(value, 1);
        }
    }
}

// ---------------------------------------------------------------- random draws

TEST(RandomDraws, HitsAboutOnceInTwo) {
    TExpress formula;
    formula.setExpression("rn(2,1)");
    int hits = 0;
    for (int i = 0; i < 4000; ++i) hits += static_cast<int>(formula.Evaluate(0, 0, 0));
    EXPECT_GT(hits, 1600);
    EXPECT_LT(hits, 2400);
}

TEST(RandomDraws, NormalDrawHasItsMeanAndDeviation) {
    TExpress formula;
    formula.setExpression("rm(10,2)");
    long double sum = 0;
    long double squares = 0;
    const int count = 20000;
    for (int i = 0; i < count; ++i) {
        const long double v = formula.Evaluate(0, 0, 0);
        sum += v;
        squares += v * v;
    }
    const long double mean = sum / count;
    EXPECT_NEAR(static_cast<double>(mean), 10, 0.2);
    EXPECT_NEAR(std::sqrt(static_cast<double>(squares / count - mean * mean)), 2, 0.2);
}

}  // namespace

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "expression/diffexpress.h"
#include "expression/parsor.h"

namespace {

struct DeriveCase {
    const char* name;
    const char* formula;
    const char* derivative;
};

void PrintTo(const DeriveCase& c, std::ostream* out) { *out << c.formula; }

std::string caseName(const ::testing::TestParamInfo<DeriveCase>& info) { return info.param.name; }

// Derives with respect to x; a leftover MathError from earlier work must not matter.
std::string derive(const std::string& formula, const std::string& variable = "x") {
    TDiffExpress diff;
    diff.setFormula(formula);
    MathError = true;
    std::string result = "untouched";
    diff.Derive(variable, result);
    return result;
}

class Derivative : public ::testing::TestWithParam<DeriveCase> {};

TEST_P(Derivative, GivesTheSimplifiedText) {
    TDiffExpress diff;
    diff.setFormula(GetParam().formula);
    MathError = true;
    std::string result;
    diff.Derive("x", result);
    EXPECT_EQ(result, GetParam().derivative);
    EXPECT_FALSE(MathError);
    EXPECT_FALSE(diff.DiffError());
    EXPECT_EQ(diff.Formula(), GetParam().formula);
}

INSTANTIATE_TEST_SUITE_P(
    SchoolFunctions, Derivative,
    ::testing::Values(
        DeriveCase{"Square", "x^2", "2*x"},
        DeriveCase{"Cube", "x^3", "3*x^2"},
        DeriveCase{"Sine", "sin(x)", "cos(x)"},
        DeriveCase{"Cosine", "cos(x)", "(-sin(x))"},
        DeriveCase{"Exponential", "exp(x)", "exp(x)"},
        DeriveCase{"Logarithm", "ln(x)", "1/x"},
        DeriveCase{"SquareRoot", "sqrt(x)", "0.5/sqrt(x)"},
        DeriveCase{"Reciprocal", "1/x", "(-1)/x^2"},
        DeriveCase{"ConstantFactor", "2*x", "2"},
        DeriveCase{"LikeTermsAreNotCollected", "x*x", "x+x"},
        DeriveCase{"AbsoluteValue", "abs(x)", "sgn(x)"},
        DeriveCase{"ParameterIsAConstant", "a*x", "a"},
        DeriveCase{"NegativeExponentInParentheses", "x^(-1)", "(-1)*x^(-2)"},
        DeriveCase{"PiBeforeX", "pi*x", "pi"},
        DeriveCase{"PiAfterX", "x*pi", "pi"},
        DeriveCase{"PowerOfOneReducesToItsBase", "sin(x)^2", "2*sin(x)*cos(x)"},
        DeriveCase{"FractionalExponent", "x^2.5", "2.5*x^1.5"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    FunctionTable, Derivative,
    ::testing::Values(
        DeriveCase{"Tangent", "tg(x)", "1/(cos(x))^2"},
        DeriveCase{"Cotangent", "ctg(x)", "(-1)/(sin(x))^2"},
        DeriveCase{"Sign", "sgn(x)", "0"},
        DeriveCase{"SignLongName", "sign(x)", "0"},
        DeriveCase{"Heaviside", "heaviside(x)", "0"},
        DeriveCase{"HeavisideShortName", "h(x)", "0"},
        DeriveCase{"ArcSine", "arcsin(x)", "1/sqrt(1-x^2)"},
        DeriveCase{"ArcCosine", "arccos(x)", "(-1)/sqrt(1-x^2)"},
        DeriveCase{"ArcTangent", "arctg(x)", "1/(1+x^2)"},
        DeriveCase{"ArcCotangent", "arcctg(x)", "(-1)/(1+x^2)"},
        DeriveCase{"HyperbolicSine", "sh(x)", "ch(x)"},
        DeriveCase{"HyperbolicCosine", "ch(x)", "sh(x)"},
        DeriveCase{"HyperbolicTangent", "th(x)", "1/(ch(x))^2"},
        DeriveCase{"HyperbolicCotangent", "cth(x)", "(-1)/(sh(x))^2"},
        DeriveCase{"ChainRuleKeepsTheInnerDerivative", "sin(x^2)", "cos(x^2)*2*x"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Constants, Derivative,
    ::testing::Values(
        DeriveCase{"Zero", "0", "0"},
        DeriveCase{"Number", "3.5", "0"},
        DeriveCase{"NegativeNumber", "-7", "0"},
        DeriveCase{"VariableAbsent", "a*b+pi", "0"},
        DeriveCase{"FunctionOfAConstant", "sin(2)*ln(3)", "0"},
        DeriveCase{"UpperCaseXIsAnotherName", "X^2", "0"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Tokens, Derivative,
    ::testing::Values(
        DeriveCase{"SpacesAreSkipped", " x ^ 2 ", "2*x"},
        DeriveCase{"LeadingPlusIsSkipped", "+x", "1"},
        DeriveCase{"LeadingMinusNegatesTheWholeTerm", "-x*3", "(-3)"},
        DeriveCase{"MinusAfterParenthesisNegates", "(-x)*2", "(-2)"},
        DeriveCase{"NegativeNumberAtStartIsTheBase", "-2^2*x", "4"},
        DeriveCase{"ExponentNotation", "1e3*x", "1000"},
        DeriveCase{"ExponentWithSign", "2.5E-1*x", "0.25"},
        DeriveCase{"PointWithoutFraction", "2.*x", "2"},
        DeriveCase{"NamesTakeDigitsAndUnderscores", "x_1*x+_b2*x", "x_1+_b2"},
        DeriveCase{"FunctionNamePrefixIsAName", "cosa*x", "cosa"},
        DeriveCase{"PowerChainGroupsFromTheLeft", "x^2^3", "3*(x^2)^2*2*x"},
        DeriveCase{"ParenthesisedExponent", "x^(3)", "3*x^2"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Simplification, Derivative,
    ::testing::Values(
        DeriveCase{"SumOfNumbersFolds", "2*x+3*x", "5"},
        DeriveCase{"QuotientFoldsToFifteenDigits", "x/3", "0.333333333333333"},
        DeriveCase{"ZeroMinusBecomesNegation", "2-sin(x)", "(-cos(x))"},
        DeriveCase{"DifferenceOfNumbersFolds", "1-x", "(-1)"},
        DeriveCase{"NegatedNumberFolds", "-(x*2)", "(-2)"},
        DeriveCase{"ZeroBaseGivesZeroEvenWithNegativeExponent", "x*0^(-1)", "0"},
        DeriveCase{"ZeroExponentGivesOne", "x*5^0", "1"},
        DeriveCase{"EvenPowerOfNegativeBase", "x*(-2)^2", "4"},
        DeriveCase{"OddPowerOfNegativeBase", "x*(-2)^3", "(-8)"},
        DeriveCase{"NegativeOddExponent", "x*(-2)^(-1)", "(-0.5)"},
        DeriveCase{"NegativeEvenExponent", "x*(-2)^(-2)", "0.25"},
        DeriveCase{"CosineFolds", "x*cos(0)", "1"},
        DeriveCase{"SineFolds", "x*sin(1)", "0.841470984807897"},
        DeriveCase{"TangentFolds", "x*tg(1)", "1.5574077246549"},
        DeriveCase{"CotangentFolds", "x*ctg(1)", "0.642092615934331"},
        DeriveCase{"AbsFolds", "x*abs(-2)", "2"},
        DeriveCase{"SignFolds", "x*sgn(-3)", "(-1)"},
        DeriveCase{"SquareRootFolds", "x*sqrt(2)", "1.4142135623731"},
        DeriveCase{"LogarithmFolds", "x*ln(2)", "0.693147180559945"},
        DeriveCase{"ExponentialFolds", "x*exp(1)", "2.71828182845905"},
        DeriveCase{"ArcSineFolds", "x*arcsin(0.5)", "0.523598775598299"},
        DeriveCase{"ArcCosineFolds", "x*arccos(0)", "1.5707963267949"},
        DeriveCase{"ArcTangentFolds", "x*arctg(1)", "0.785398163397448"},
        DeriveCase{"ArcCotangentFolds", "x*arcctg(1)", "0.785398163397448"},
        DeriveCase{"HyperbolicSineFolds", "x*sh(1)", "1.1752011936438"},
        DeriveCase{"HyperbolicCosineFolds", "x*ch(1)", "1.54308063481524"},
        DeriveCase{"HyperbolicTangentFolds", "x*th(1)", "0.761594155955765"},
        DeriveCase{"HyperbolicCotangentFolds", "x*cth(1)", "1.31303528549933"},
        DeriveCase{"HeavisideOfZeroIsOne", "x*h(0)", "1"},
        DeriveCase{"HeavisideOfNegativeIsZero", "x*h(-1)", "0"},
        // The derivative of a non-finite constant is folded too: 0 times infinity.
        DeriveCase{"InfiniteFoldKeepsItsSpelling", "x*ln(0)", "(-INF)+NAN*x"},
        DeriveCase{"UndefinedFoldKeepsItsSpelling", "x*sqrt(-1)", "NAN+NAN*x"},
        DeriveCase{"OverflowKeepsItsSpelling", "x*exp(100000)", "INF+NAN*x"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Printer, Derivative,
    ::testing::Values(
        DeriveCase{"SubtractedSumIsWrapped", "x-(x^2+x)", "1-(2*x+1)"},
        DeriveCase{"SubtractedNegationIsWrapped", "x-cos(x)", "1-((-sin(x)))"},
        DeriveCase{"AddedNegationKeepsItsOwnParentheses", "x+cos(x)", "1+(-sin(x))"},
        DeriveCase{"SumFactorIsWrapped", "(x^2+x)*x", "(2*x+1)*x+x^2+x"},
        DeriveCase{"QuotientWrapsSumNumeratorNotPowerDenominator", "x/(x+1)",
                   "(x+1-x)/(x+1)^2"},
        DeriveCase{"ProductDenominatorIsWrapped", "ln(2*x)", "1/(2*x)*2"},
        DeriveCase{"NegatedProductIsWrapped", "cos(2*x)", "(-(sin(2*x)*2))"},
        DeriveCase{"NegatedNameIsNotWrapped", "1-x*a", "(-a)"},
        DeriveCase{"PowerOfANameIsNotWrapped", "x*x^3", "x^3+3*x^2*x"}),
    caseName);

TEST(DerivativeVariable, IsTheNameGivenToDerive) {
    EXPECT_EQ(derive("t^2", "t"), "2*t");
    EXPECT_EQ(derive("t^2", "x"), "0");
    EXPECT_EQ(derive("x*y", "y"), "x");
    EXPECT_EQ(derive("x^2", "X"), "0");
}

TEST(DerivativeComponent, StartsWithZeroFormula) {
    TDiffExpress diff;
    EXPECT_EQ(diff.Formula(), "0");
    std::string result;
    diff.Derive("x", result);
    EXPECT_EQ(result, "0");
    EXPECT_FALSE(MathError);
}

TEST(DerivativeComponent, CanBeReusedAfterAnError) {
    TDiffExpress diff;
    std::string result;
    diff.setFormula("tan(x)");
    diff.Derive("x", result);
    ASSERT_TRUE(diff.DiffError());
    diff.setFormula("x^3");
    diff.Derive("x", result);
    EXPECT_EQ(result, "3*x^2");
    EXPECT_FALSE(diff.DiffError());
    EXPECT_FALSE(MathError);
}

struct FailureCase {
    const char* name;
    std::string formula;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.formula.substr(0, 40); }

class DerivativeFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DerivativeFailure, SetsBothFlagsAndReadsZero) {
    TDiffExpress diff;
    diff.setFormula(GetParam().formula);
    MathError = false;
    std::string result = "previous derivative";
    diff.Derive("x", result);
    EXPECT_TRUE(MathError);
    EXPECT_TRUE(diff.DiffError());
    EXPECT_EQ(result, "0");
    EXPECT_EQ(diff.Formula(), "0");
}

std::string repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

std::string sumOfX(int terms) { return "x" + repeated("+x", terms - 1); }

INSTANTIATE_TEST_SUITE_P(
    Syntax, DerivativeFailure,
    ::testing::Values(
        FailureCase{"EmptyText", ""},
        FailureCase{"UnsignedNegativeExponent", "x^-1"},
        FailureCase{"UnclosedParenthesis", "(x+1"},
        FailureCase{"ExtraClosingParenthesis", "x+1)"},
        FailureCase{"ClosingBeforeOpening", "x)+(1"},
        FailureCase{"EmptyParentheses", "()"},
        FailureCase{"ExponentMarkAtTheEnd", "2*x+1e"},
        FailureCase{"ExponentMarkWithoutDigits", "2e*x"},
        FailureCase{"ExponentSignWithoutDigits", "2e+"},
        FailureCase{"FunctionWithoutParenthesis", "sin x"},
        FailureCase{"ExponentIsAName", "x^y"},
        FailureCase{"ExponentIsAnExpression", "x^(1+1)"},
        FailureCase{"ParenthesisedExponentUnclosed", "x^(2"},
        FailureCase{"CharacterOutsideTheLanguage", "x#2"},
        FailureCase{"CommaIsNotADecimalSeparator", "1,5*x"},
        FailureCase{"SignAfterAnOperator", "2*-x"},
        FailureCase{"SignAfterPlus", "x+-1"},
        FailureCase{"ImplicitProduct", "2x"},
        FailureCase{"NamesAreCaseSensitive", "Sin(x)"},
        FailureCase{"SuperscriptTwoIsNotAToken", "x\xb2"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NamesOutsideTheTable, DerivativeFailure,
    ::testing::Values(FailureCase{"Tan", "tan(x)"}, FailureCase{"ArcTan", "arctan(x)"},
                      FailureCase{"Sinh", "sinh(x)"}, FailureCase{"Cosh", "cosh(x)"},
                      FailureCase{"Tanh", "tanh(x)"}, FailureCase{"Max", "max(x,1)"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Simplification, DerivativeFailure,
    ::testing::Values(FailureCase{"NonConstantOverConstantZero", "sin(x/0)"},
                      FailureCase{"NonConstantOverFoldedZero", "cos(x/(1-1))"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Limits, DerivativeFailure,
    ::testing::Values(
        FailureCase{"MoreNodesThanThePool", sumOfX(2501)},
        FailureCase{"BothTreesTogetherOverflowThePool", sumOfX(1300)},
        FailureCase{"QuadraticDerivativeText", "x" + repeated("*x", 2000)},
        FailureCase{"DeepParentheses", repeated("(", 100000) + "x" + repeated(")", 100000)},
        FailureCase{"DeepUnclosedParentheses", repeated("(", 100000)},
        FailureCase{"DeepFunctionCalls", repeated("sin(", 50000) + "x" + repeated(")", 50000)},
        FailureCase{"LongPowerChain", "x" + repeated("^1", 6000)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DerivativeLimits, TreesThatFitThePoolTogetherAreDerived) {
    EXPECT_EQ(derive(sumOfX(1000)), "1000");
    EXPECT_EQ(derive(repeated("(", 500) + "x^2" + repeated(")", 500)), "2*x");
}

// The derivative, compiled like any formula, must agree with a central difference of
// the formula itself.
class DerivativeAgreesWithCentralDifference : public ::testing::TestWithParam<const char*> {};

TEST_P(DerivativeAgreesWithCentralDifference, AtSamplePoints) {
    const std::string formula = GetParam();
    const std::string text = derive(formula);
    ASSERT_FALSE(MathError) << formula;
    TExpress f;
    TExpress derivative;
    f.setExpression(formula);
    derivative.setExpression(text);
    ASSERT_FALSE(f.SyntaxError()) << formula;
    ASSERT_FALSE(derivative.SyntaxError()) << text;
    const long double h = 1e-6L;
    for (const long double x : {0.3L, 0.7L, 1.3L, 2.1L}) {
        const long double central = (f.Evaluate(x + h, 0, 0) - f.Evaluate(x - h, 0, 0)) / (2 * h);
        const long double exact = derivative.Evaluate(x, 0, 0);
        EXPECT_NEAR(static_cast<double>(exact), static_cast<double>(central),
                    1e-7 * std::max(1.0, std::fabs(static_cast<double>(central))))
            << formula << " -> " << text << " at x = " << static_cast<double>(x);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, DerivativeAgreesWithCentralDifference,
    ::testing::Values("x^2", "x^3", "sin(x)", "cos(x)", "exp(x)", "ln(x)", "sqrt(x)", "1/x",
                      "x*sin(x)", "sin(x)^2", "exp(2*x)/x", "sqrt(1+x^2)", "ln(x^2+1)",
                      "cos(x)^3*x", "(x+1)/(x-1)", "x^(-1)", "x^2.5", "arcsin(x/3)",
                      "arccos(x/3)", "-x^2+3*x-1", "exp(sin(x))", "sqrt(x)*ln(x)",
                      "x/(1+x^2)^2", "(x-1)^3", "a*x^2", "pi*x^2", "-(x-2)*(x+5)/(x^2+1)",
                      "sin(cos(x))*exp(-x)", "ln(sqrt(x)+1)^2", "1/(1+exp(-x))"));

}  // namespace

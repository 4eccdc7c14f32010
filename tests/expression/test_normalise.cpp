#include <algorithm>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "expression/matutil.h"
#include "expression/parsor.h"

namespace {

struct RewriteCase {
    const char* name;
    std::string typed;
    std::string normal;
};

void PrintTo(const RewriteCase& c, std::ostream* os) { *os << c.name; }

std::string CaseName(const ::testing::TestParamInfo<RewriteCase>& info) { return info.param.name; }

class NormaliseTest : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(NormaliseTest, RewritesIntoTheCompilerSyntax) {
    EXPECT_EQ(NormaliseFormula(GetParam().typed), GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(
    ImplicitProducts, NormaliseTest,
    ::testing::Values(
        RewriteCase{"NumberBeforeVariable", "2x", "2*x"},
        RewriteCase{"VariableBeforeNumber", "x2", "x*2"},
        RewriteCase{"TwoVariables", "xy", "x*y"},
        RewriteCase{"FourVariablesAllSeparated", "xxxx", "x*x*x*x"},
        RewriteCase{"NumberBeforeParenthesis", "2(x+1)", "2*(x+1)"},
        RewriteCase{"TwoParentheses", "(x+1)(x-1)", "(x+1)*(x-1)"},
        RewriteCase{"ParenthesisBeforeNumber", "(x+1)2", "(x+1)*2"},
        RewriteCase{"NumberBeforeSine", "2sin(x)", "2*sin(x)"},
        RewriteCase{"VariableBeforeSine", "xsin(x)", "x*sin(x)"},
        RewriteCase{"CallAfterCall", "sin(x)cos(x)", "sin(x)*cos(x)"},
        RewriteCase{"NumberBeforeHyperbolicCosine", "2cosh(x)", "2*cosh(x)"},
        RewriteCase{"NumberBeforeLogarithm", "2ln(x)", "2*ln(x)"},
        RewriteCase{"NumberBeforePi", "2pi", "2*pi"},
        RewriteCase{"PiBeforeVariable", "pix", "pi*x"},
        RewriteCase{"NumberBeforeArcsine", "2arcsin(x)", "2*arcsin(x)"},
        RewriteCase{"ArccosineKeepsItsCosine", "arccos(x)", "arccos(x)"},
        RewriteCase{"SpaceCountsAsACharacter", "2 x", "2 *x"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    SchoolNotation, NormaliseTest,
    ::testing::Values(
        RewriteCase{"SquareRootLetter", "2v(x)", "2*sqrt(x)"},
        RewriteCase{"ExponentialLetter", "3e(x)", "3*exp(x)"},
        RewriteCase{"BareExponential", "e(x)", "exp(x)"},
        RewriteCase{"SuperscriptTwo", "x\xB2", "x^2"},
        RewriteCase{"TwoSuperscriptTwos", "x\xB2\xB2", "x^2^2"},
        RewriteCase{"AnimationParameterBecomesY", "2k", "2*y"},
        RewriteCase{"MinusPlus", "x-+1", "x-1"},
        RewriteCase{"PlusMinus", "x+-1", "x-1"},
        RewriteCase{"EmptyStaysEmpty", "", ""}),
    CaseName);

// Rewritings that leave a text the compiler refuses, as the notation implies.
INSTANTIATE_TEST_SUITE_P(
    Breakages, NormaliseTest,
    ::testing::Values(
        RewriteCase{"TypedExpIsBroken", "exp(x)", "exp*x*p(x)"},
        RewriteCase{"MaxIsBroken", "max(1,2)", "ma*x*(1,2)"},
        RewriteCase{"VariableBeforeCommaGetsAProduct", "min(x,1)", "min(x*,1)"},
        RewriteCase{"DeletedPlusMovesInUnvisited", "-++x", "-+x"},
        RewriteCase{"CommaIsNoDecimalSeparator", "1,5x", "1,5*x"},
        RewriteCase{"InsertionsPushTheLastVariableOutOfReach", "x2x2x2x2", "x*2*x*2*x*2*x2"},
        RewriteCase{"CaseIsLeftAlone", "Sin(X)", "Sin(X)"}),
    CaseName);

struct CompileCase {
    const char* name;
    std::string typed;
    bool compiles;
};

class NormalisedTextCompileTest : public ::testing::TestWithParam<CompileCase> {};

TEST_P(NormalisedTextCompileTest, CompilesOnlyWhenTheNotationAllowsIt) {
    TExpress formula;
    formula.setExpression(NormaliseFormula(GetParam().typed));
    EXPECT_EQ(!formula.SyntaxError(), GetParam().compiles);
}

INSTANTIATE_TEST_SUITE_P(
    TypedFormulas, NormalisedTextCompileTest,
    ::testing::Values(
        CompileCase{"SquareTyped", "x\xB2-2", true},
        CompileCase{"ImplicitProducts", "2x(x+1)", true},
        CompileCase{"SquareRootLetter", "v(x)+3e(x)", true},
        CompileCase{"AnimationParameter", "kx", true},
        CompileCase{"SpaceInside", "2 x", true},
        CompileCase{"TypedExp", "exp(x)", false},
        CompileCase{"DoubledPlus", "-++x", false},
        CompileCase{"DecimalComma", "1,5x", false},
        CompileCase{"UnreachedProduct", "x2x2x2x2", false},
        CompileCase{"CapitalPi", "PI", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormaliseBehaviour, GivesTheSameValueAsTheExplicitFormula) {
    TExpress typed;
    TExpress explicitForm;
    typed.setExpression(NormaliseFormula("3x\xB2-2x+v(x)e(x)"));
    explicitForm.setExpression("3*x^2-2*x+sqrt(x)*exp(x)");
    ASSERT_FALSE(typed.SyntaxError());
    for (long double x : {0.0L, 0.5L, 2.0L, 7.25L})
        EXPECT_EQ(typed.Evaluate(x, 0, 0), explicitForm.Evaluate(x, 0, 0)) << "x = " << double(x);
}

TEST(NormaliseBehaviour, SquareOfSquareIsReadAsPowerOfPower) {
    TExpress formula;
    formula.setExpression(NormaliseFormula("x\xB2\xB2"));
    EXPECT_EQ(formula.Evaluate(3, 0, 0), 81);
}

// Any byte string comes back, whatever it holds (zero bytes, high bytes, long runs).
TEST(NormaliseBehaviour, ReturnsForArbitraryBytes) {
    std::mt19937 random(20261208);
    const std::string alphabet = "xyzkv\xB2pie()+-*/^,.0123456789 sqrtlncoahd";
    for (int round = 0; round < 400; ++round) {
        std::string text(random() % 300, ' ');
        for (char& c : text)
            c = round % 2 == 0 ? alphabet[random() % alphabet.size()]
                               : static_cast<char>(random() % 256);
        const std::string normal = NormaliseFormula(text);
        // Only a "+" is ever deleted; every other character is kept or expanded.
        const auto pluses = static_cast<std::size_t>(std::count(text.begin(), text.end(), '+'));
        EXPECT_GE(normal.size(), text.size() - pluses);
        TExpress formula;
        formula.setExpression(normal);
        formula.Evaluate(1, 2, 3);
    }
}

TEST(NormaliseBehaviour, LongRunsOfInsertionsStayBounded) {
    const std::string text(1000, 'x');
    const std::string normal = NormaliseFormula(text);
    EXPECT_EQ(normal.size(), 1999u);
    EXPECT_EQ(normal.substr(0, 5), "x*x*x");
}

}  // namespace

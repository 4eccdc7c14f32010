// The arithmetic of the property windows: parity, period and the marks of the
// inequality modes.

#include <gtest/gtest.h>


#include "expression/matutil.h"
#include "model/plot_state.h"
#include "tools/function_properties.h"

namespace {

// The default frame of "Fonction de x" on the 850 x 800 graph of the 1280 layout.
TPlotFrame defaultFrame(long double xmin = -10, long double xmax = 10) {
    TPlotFrame frame;
    frame.xmin = xmin;
    frame.xmax = xmax;
    frame.ymin = -7.94L;
    frame.ymax = 7.94L;
    frame.deriveFrom(850, 800);
    return frame;
}

struct ParityCase {
    const char* name;
    const char* formula;
    Symmetry symmetry;
    bool holds;
};

class Parity : public ::testing::TestWithParam<ParityCase> {};

TEST_P(Parity, ComparesEachSideOfTheYAxisExactly) {
    const ParityCase& c = GetParam();
    const std::optional<ParityTest> test = testParity(c.formula, defaultFrame(), c.symmetry);
    ASSERT_TRUE(test);
    EXPECT_EQ(test->holds, c.holds);
}

INSTANTIATE_TEST_SUITE_P(
    , Parity,
    ::testing::Values(ParityCase{"SquareIsEven", "x^2", Symmetry::Even, true},
                      ParityCase{"CubeIsOdd", "x^3", Symmetry::Odd, true},
                      ParityCase{"SquarePlusXIsNotEven", "x^2+x", Symmetry::Even, false},
                      ParityCase{"SquareIsNotOdd", "x^2", Symmetry::Odd, false},
                      ParityCase{"CosineIsEven", "cos(x)", Symmetry::Even, true},
                      ParityCase{"SineIsOdd", "sin(x)", Symmetry::Odd, true},
                      ParityCase{"UndefinedOnOneSideIsNotEven", "sqrt(x)", Symmetry::Even, false},
                      ParityCase{"UndefinedOnBothSidesStaysOdd", "x*sqrt(x^2-1)", Symmetry::Odd, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParityPairs, RunEveryFivePixelsToTheYAxisFromTwoUnitsLeftForOdd) {
    const TPlotFrame frame = defaultFrame();
    const long double step = 5 * frame.pixelx;
    const std::optional<ParityTest> odd = testParity("x/10", frame, Symmetry::Odd);
    ASSERT_TRUE(odd);
    ASSERT_FALSE(odd->shown.empty());
    const MirrorPair& first = odd->shown.front();
    EXPECT_EQ(first.x, -12);
    EXPECT_EQ(first.mirrorX, 12);
    EXPECT_NEAR(first.mirrorY, 1.2L, 1e-15L);
    EXPECT_LT(odd->shown.back().x, step);
    EXPECT_GE(odd->shown.back().x + step, step);
    EXPECT_EQ(odd->shown.size(), static_cast<std::size_t>(std::floor(12 / step)) + 1);

    // Only the points within the frame's height are shown.
    const std::optional<ParityTest> even = testParity("x^2", frame, Symmetry::Even);
    ASSERT_TRUE(even);
    for (const MirrorPair& pair : even->shown) EXPECT_LE(pair.y, frame.ymax);
    EXPECT_GT(even->shown.front().x, -sqrtl(7.94L));
}

TEST(ParityPairs, ANarrowFrameStartsTheOddTestOneWidthLeftOfIt) {
    const TPlotFrame frame = defaultFrame(-1e-6L, 1e-6L);
    const std::optional<ParityTest> odd = testParity("x", frame, Symmetry::Odd);
    ASSERT_TRUE(odd);
    EXPECT_NEAR(odd->shown.front().x, -3e-6L, 1e-18L);
    EXPECT_LT(odd->shown.size(), 400u);
}

TEST(ParityPairs, NeedZeroInsideTheFrameAndAFormula) {
    EXPECT_FALSE(testParity("x^2", defaultFrame(0, 10), Symmetry::Even));
    EXPECT_FALSE(testParity("x^2", defaultFrame(-10, 0), Symmetry::Odd));
    EXPECT_FALSE(testParity("", defaultFrame(), Symmetry::Even));
    EXPECT_FALSE(testParity("x^2", TPlotFrame{}, Symmetry::Even));
}

TEST(ParityVerdicts, KeepTheirLeadingSpaces) {
    EXPECT_EQ(parityVerdict("f", Symmetry::Even, true), "     f SEMBLE paire.");
    EXPECT_EQ(parityVerdict("g", Symmetry::Even, false), "    g n'est pas paire.");
    EXPECT_EQ(parityVerdict("h", Symmetry::Odd, true), "     h SEMBLE impaire.");
    EXPECT_EQ(parityVerdict("i", Symmetry::Odd, false), "    i n'est pas impaire.");
}

struct PeriodCase {
    const char* name;
    const char* formula;
    const char* text;  // nullptr: no period found
};

class Periods : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(Periods, FoundAndWrittenWithPi) {
    const PeriodCase& c = GetParam();
    const std::optional<long double> period = findPeriod(c.formula, defaultFrame());
    if (!c.text) {
        EXPECT_FALSE(period);
        return;
    }
    ASSERT_TRUE(period);
    EXPECT_EQ(periodText(*period), c.text);
}

INSTANTIATE_TEST_SUITE_P(, Periods,
                         ::testing::Values(PeriodCase{"Cosine", "cos(x)", "2pi"},
                                           PeriodCase{"SineOfTwoX", "sin(2*x)", "1pi"},
                                           PeriodCase{"SineOfXOverTwo", "sin(x/2)", "4pi"},
                                           PeriodCase{"TangentDespiteItsPoles", "tan(x)", "1pi"},
                                           PeriodCase{"Square", "x^2", nullptr},
                                           PeriodCase{"UndefinedEverywhere", "sqrt(-1-x^2)", nullptr},
                                           PeriodCase{"DefinedFromFiveOnly", "cos(x)+sqrt(x-5)", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PeriodScan, FirstCandidateIsTheFirstReturnOfTheFirstDefinedValue) {
    // sqrt(x+9) is undefined before -9: the scan starts at the first pixel from there.
    const TPlotFrame frame = defaultFrame();
    const std::optional<long double> period = findPeriod("cos(x)*(sqrt(x+9)/sqrt(x+9))", frame);
    ASSERT_TRUE(period);
    EXPECT_NEAR(*period, 2 * 3.14159265358979L, 0.002L);
}

struct PeriodTextCase {
    const char* name;
    long double period;
    const char* text;
};

class PeriodTexts : public ::testing::TestWithParam<PeriodTextCase> {};

TEST_P(PeriodTexts, RewriteMultiplesOfPiWithPiTakenAs314) {
    EXPECT_EQ(periodText(GetParam().period), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(, PeriodTexts,
                         ::testing::Values(PeriodTextCase{"TwoPi", 6.283L, "2pi"},
                                           PeriodTextCase{"PiWritesItsOne", 3.142L, "1pi"},
                                           PeriodTextCase{"PiOverThree", 1.047L, "1pi/3"},
                                           PeriodTextCase{"ThreePiOverFour", 2.356L, "3pi/4"},
                                           PeriodTextCase{"FourPi", 12.566L, "4pi"},
                                           PeriodTextCase{"NoMultipleStaysDecimal", 2.5L, "2.5"},
                                           PeriodTextCase{"TableReplacesTwoPiOverThree", 2.09L, "2p/3"},
                                           PeriodTextCase{"RoundedToTwoDecimals", 1.234L, "1.23"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct InequalityCase {
    const char* name;
    InteractionMode mode;
    long double left[3];
    long double right;
    bool solution;
    BracketTicks bracket;
};

class InequalityMarks : public ::testing::TestWithParam<InequalityCase> {};

TEST_P(InequalityMarks, DotWhereSolvedAndBracketWhereTheSignChanges) {
    const InequalityCase& c = GetParam();
    InequalitySides sides{{c.left[0], c.left[1], c.left[2]}, {c.right, c.right, c.right}};
    const std::optional<InequalityMark> mark = inequalityMark(c.mode, sides);
    ASSERT_TRUE(mark);
    EXPECT_EQ(*mark, (InequalityMark{c.solution, c.bracket}));
}

constexpr auto Below = InteractionMode::BelowConstant;
constexpr auto Above = InteractionMode::AboveConstant;
constexpr auto AtMost = InteractionMode::AtMostConstant;
constexpr auto AtLeast = InteractionMode::AtLeastConstant;

INSTANTIATE_TEST_SUITE_P(
    , InequalityMarks,
    ::testing::Values(
        InequalityCase{"BelowInside", Below, {-2, -1, 0.5}, 0, true, BracketTicks::Right},
        InequalityCase{"BelowOutside", Below, {1, 2, 3}, 0, false, BracketTicks::None},
        InequalityCase{"BelowOnTheBoundIsMarked", Below, {-1, 0, 1}, 0, true, BracketTicks::Right},
        InequalityCase{"BelowEnteringFromTheRight", Below, {1, 0, -1}, 0, true, BracketTicks::Left},
        InequalityCase{"AboveLeavingToTheRight", Above, {1, 0, -1}, 0, true, BracketTicks::Right},
        InequalityCase{"AboveEnteringFromTheRight", Above, {-1, 0, 1}, 0, true, BracketTicks::Left},
        InequalityCase{"AtMostClosesItsInterval", AtMost, {-1, 0, 1}, 0, true, BracketTicks::Left},
        InequalityCase{"AtLeastOpensItsInterval", AtLeast, {-1, 0, 1}, 0, true, BracketTicks::Right},
        InequalityCase{"AgainstA", AtLeast, {2, 3, 4}, 3, true, BracketTicks::Right},
        InequalityCase{"BelowAFunction", InteractionMode::BelowFunction, {-1, 0, 1}, 0, true, BracketTicks::Right},
        InequalityCase{"AtLeastAFunction", InteractionMode::AtLeastFunction, {1, 0, -1}, 0, true,
                       BracketTicks::Left}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InequalityMark, NothingWhereASideIsUndefined) {
    EXPECT_FALSE(inequalityMark(Below, {{ErrorValue, 0, 1}, {0, 0, 0}}));
    EXPECT_FALSE(inequalityMark(Below, {{-1, 0, 1}, {0, ErrorValue, 0}}));
}

}  // namespace

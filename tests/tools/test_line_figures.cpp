// The equations of a line, the meeting point of two lines and the transformed
// formulas, checked without widgets.

#include <gtest/gtest.h>

#include "tools/line_figures.h"

namespace {

struct LineCase {
    const char* name;
    PlotPoint first, second;
    const char* general;
    const char* reduced;  // nullptr: a vertical line has none
};

class Lines : public ::testing::TestWithParam<LineCase> {};

TEST_P(Lines, HaveAGeneralAndAReducedEquation) {
    const LineCase& c = GetParam();
    const LineEquations equations = lineEquations(c.first, c.second);
    EXPECT_EQ(equations.general, c.general);
    if (c.reduced) EXPECT_EQ(equations.reduced, c.reduced);
    else EXPECT_FALSE(equations.reduced);
}

INSTANTIATE_TEST_SUITE_P(
    , Lines,
    ::testing::Values(LineCase{"Rising", {0, 1}, {2, 5}, "4x+-2y+2=0", "y=2x+1"},
                      LineCase{"Vertical", {1, 0}, {1, 3}, "3x+0y+-3=0", nullptr},
                      LineCase{"Horizontal", {0, 2}, {4, 2}, "0x+-4y+8=0", "y=0x+2"},
                      LineCase{"ThroughTheOrigin", {0, 0}, {-1, -1}, "-1x+1y+0=0", "y=1x+0"},
                      LineCase{"RoundedToOneDecimal", {0, 0}, {3, 1}, "1x+-3y+0=0", "y=0.3x+0"},
                      LineCase{"NegativeIntercept", {0, -1.5L}, {1, 0}, "1.5x+-1y+-1.5=0", "y=1.5x+-1.5"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MeetingCase {
    const char* name;
    PlotPoint a, b, c, d;
    const char* text;
};

class Meetings : public ::testing::TestWithParam<MeetingCase> {};

TEST_P(Meetings, AreOnePointOrNone) {
    const MeetingCase& c = GetParam();
    EXPECT_EQ(intersectionText(c.a, c.b, c.c, c.d), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    , Meetings,
    ::testing::Values(MeetingCase{"Crossing", {0, 0}, {1, 1}, {0, 2}, {2, 0}, "p(1;1)"},
                      MeetingCase{"FirstLineHorizontal", {0, 1}, {2, 1}, {0, 0}, {1, 1}, "p(1;1)"},
                      MeetingCase{"FirstLineVertical", {3, 0}, {3, 1}, {0, 0}, {1, 1}, "p(3;3)"},
                      MeetingCase{"RoundedToTwoDecimals", {0, 0}, {1, 1}, {0, 1}, {1, -1}, "p(0.33;0.33)"},
                      MeetingCase{"Parallel", {0, 0}, {1, 1}, {0, 1}, {1, 2}, "Pas de point unique."},
                      MeetingCase{"SameLine", {0, 0}, {1, 1}, {2, 2}, {3, 3}, "Pas de point unique."}),
    [](const auto& info) { return std::string(info.param.name); });

struct TransformCase {
    const char* name;
    const char* formula;
    Transformation transformation;
    const char* text;
};

class Transforms : public ::testing::TestWithParam<TransformCase> {};

TEST_P(Transforms, BuildTheFormulaPieceByPiece) {
    const TransformCase& c = GetParam();
    EXPECT_EQ(transformedFormula(c.formula, c.transformation), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    , Transforms,
    ::testing::Values(TransformCase{"Nothing", "x^2", {}, "x^2"},
                      TransformCase{"AddedAndShifted", "x^2", {1, 2, false, false}, "(x+(2))^2+(1)"},
                      TransformCase{"ExponentialKeepsItsName", "exp(x)", {0, 1, false, false}, "exp((x+(1)))"},
                      TransformCase{"NegativeDecimal", "x", {-1.5L, 0, false, false}, "x+(-1.5)"},
                      TransformCase{"AbsoluteValue", "x-1", {0, 0, true, false}, "abs(x-1)"},
                      TransformCase{"OfAbsoluteX", "x^3+x", {0, 0, false, true}, "abs(x)^3+abs(x)"},
                      TransformCase{"Everything", "x", {1, 2, true, true}, "abs((abs(x)+(2))+(1))"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

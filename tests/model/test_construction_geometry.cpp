#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/construction_geometry.h"

namespace {

constexpr long double Tolerance = 1e-15L;

void expectNear(WorldPoint actual, WorldPoint expected) {
    EXPECT_NEAR(static_cast<double>(actual.x), static_cast<double>(expected.x), Tolerance);
    EXPECT_NEAR(static_cast<double>(actual.y), static_cast<double>(expected.y), Tolerance);
}

const WorldPoint Origin{0, 0}, UnitX{1, 0}, UnitY{0, 1};

struct TranslationCase {
    const char* name;
    WorldPoint source, from, to;
    long double factor;
    WorldPoint expected;
};

class TranslationImage : public testing::TestWithParam<TranslationCase> {};

TEST_P(TranslationImage, MovesTheSourceByFactorTimesTheVector) {
    const TranslationCase& c = GetParam();
    expectNear(translationImage(c.source, c.from, c.to, c.factor), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, TranslationImage,
    testing::Values(TranslationCase{"ByIMovesAlongX", {1, 2}, Origin, UnitX, 3, {4, 2}},
                    TranslationCase{"ByJMovesAlongY", {1, 2}, Origin, UnitY, 3, {1, 5}},
                    TranslationCase{"ByMinusHalfAB", {0, 0}, {1, 1}, {3, 5}, -0.5L, {-1, -2}},
                    TranslationCase{"ZeroFactorKeepsTheSource", {7, -3}, {1, 1}, {3, 5}, 0, {7, -3}}),
    [](const auto& info) { return std::string(info.param.name); });

struct SymmetryCase {
    const char* name;
    WorldPoint p, a, b, expected;
};

class AxialSymmetryImage : public testing::TestWithParam<SymmetryCase> {};

TEST_P(AxialSymmetryImage, MirrorsThePointInTheAxis) {
    const SymmetryCase& c = GetParam();
    expectNear(axialSymmetryImage(c.p, c.a, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, AxialSymmetryImage,
    testing::Values(SymmetryCase{"VerticalAxis", {3, 2}, {1, 1}, {1, 5}, {-1, 2}},
                    SymmetryCase{"VerticalAxisPointsInEitherOrder", {3, 2}, {1, 5}, {1, -1}, {-1, 2}},
                    SymmetryCase{"HorizontalAxis", {3, 2}, {0, -1}, {4, -1}, {3, -4}},
                    SymmetryCase{"FirstDiagonalSwapsCoordinates", {5, -2}, {0, 0}, {1, 1}, {-2, 5}},
                    SymmetryCase{"PointOnTheAxisStays", {2, 4}, {0, 0}, {1, 2}, {2, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RotationImage, QuarterTurnOfUnitXAboutOriginGivesUnitY) {
    expectNear(rotationImage({1, 0}, Origin, std::numbers::pi_v<long double> / 2), {0, 1});
}

TEST(RotationImage, ThirdOfHalfTurnAboutAnotherCentre) {
    expectNear(rotationImage({2, 0}, {1, 0}, std::numbers::pi_v<long double> / 3),
               {1.5L, sqrtl(3) / 2});
}

TEST(RotationImage, NegativeAngleTurnsClockwise) {
    expectNear(rotationImage({0, 1}, Origin, -std::numbers::pi_v<long double> / 2), {1, 0});
}

TEST(Midpoint, IsHalfwayBetweenBothEnds) { expectNear(midpoint({-4, 2}, {6, -2}), {1, 0}); }

TEST(ArrowHead, ZeroLengthHasNoHead) { EXPECT_FALSE(arrowHead(50, 60, 50, 60).has_value()); }

struct ArrowCase {
    const char* name;
    int x1, y1, x2, y2;
    PixelPoint first, second;
};

class ArrowHeadStrokes : public testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowHeadStrokes, TwoTenPixelStrokesAtFortyFiveDegreesBehindTheTip) {
    const ArrowCase& c = GetParam();
    const auto head = arrowHead(c.x1, c.y1, c.x2, c.y2);
    ASSERT_TRUE(head.has_value());
    EXPECT_EQ((*head)[0], c.first);
    EXPECT_EQ((*head)[1], c.second);
}

// 10 / sqrt(2) = 7.07 truncates to 7 on each axis.
INSTANTIATE_TEST_SUITE_P(Directions, ArrowHeadStrokes,
                         testing::Values(ArrowCase{"Right", 0, 0, 100, 0, {92, 7}, {92, -7}},
                                         ArrowCase{"Left", 100, 0, 0, 0, {7, -7}, {7, 7}},
                                         ArrowCase{"Down", 0, 0, 0, 100, {-7, 92}, {7, 92}},
                                         ArrowCase{"Diagonal", 0, 0, 50, 50, {40, 50}, {50, 40}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IntegerSquareRoot, PerfectSquaresGiveTheirRoot) {
    for (std::int64_t k : {1, 2, 7, 100, 999, 1979}) EXPECT_EQ(IntegerSquareRoot(k * k), k) << k;
}

TEST(IntegerSquareRoot, ZeroAndNegativeGiveZeroWithoutDividingByZero) {
    EXPECT_EQ(IntegerSquareRoot(0), 0);
    EXPECT_EQ(IntegerSquareRoot(-4), 0);
}

TEST(IntegerSquareRoot, TwelveRoundsStayWithinOneOfTheRootUpToAThousandPixels) {
    for (std::int64_t s = 1; s <= 1000000; s += 997) {
        const auto exact = static_cast<std::int64_t>(std::sqrt(static_cast<double>(s)));
        EXPECT_LE(std::abs(IntegerSquareRoot(s) - exact), 1) << s;
    }
}

std::vector<PixelPoint> controlPolygon(const std::vector<PixelPoint>& vertices) {
    std::vector<PixelPoint> controls(3 * (vertices.size() - 1) + 1);
    for (std::size_t i = 0; i < vertices.size(); ++i) controls[3 * i] = vertices[i];
    return controls;
}

TEST(SmoothControls, InteriorVertexGetsControlsFromBothNeighbours) {
    auto controls = controlPolygon({{0, 0}, {100, 0}, {100, 100}});
    SmoothControls(controls, 90);
    // Before (100,0): W = (100,-90); half(half(100,0) + half(200,-90)) = half(150,-45).
    EXPECT_EQ(controls[2], (PixelPoint{75, -22}));
    // After: W = (190,0); half(half(200,100) + half(290,0)) = half(245,50).
    EXPECT_EQ(controls[4], (PixelPoint{122, 25}));
}

TEST(SmoothControls, OpenOutlineKeepsItsEndsAsControls) {
    auto controls = controlPolygon({{0, 0}, {100, 0}, {100, 100}});
    SmoothControls(controls, 90);
    EXPECT_EQ(controls[1], controls[0]);
    EXPECT_EQ(controls[5], controls[6]);
}

TEST(SmoothControls, ClosedOutlineSmoothsItsJoinWithTheNeighboursAcrossIt) {
    auto controls = controlPolygon({{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}});
    SmoothControls(controls, 90);
    // After the join: P = (100,0), Q = (0,100), W = (0,-90): half((50,0) + (0,-45)).
    EXPECT_EQ(controls[1], (PixelPoint{25, -22}));
    // Before it: P = (0,100), Q = (100,0), W = (-90,0): half((0,50) + (-45,0)).
    EXPECT_EQ(controls[11], (PixelPoint{-22, 25}));
}

TEST(SmoothControls, WrongCountIsLeftAlone) {
    std::vector<PixelPoint> controls{{0, 0}, {1, 1}, {2, 2}};
    SmoothControls(controls, 90);
    EXPECT_EQ(controls[1], (PixelPoint{1, 1}));
}

TEST(BezierPolyline, RunsFromTheFirstToTheLastControlPoint) {
    const auto path = bezierPolyline({{0, 0}, {30, 90}, {70, 90}, {100, 0}});
    ASSERT_GE(path.size(), 2u);
    EXPECT_EQ(path.front(), (PixelPoint{0, 0}));
    EXPECT_EQ(path.back(), (PixelPoint{100, 0}));
}

TEST(BezierPolyline, NeverRepeatsAPixel) {
    const auto path = bezierPolyline({{0, 0}, {1, 1}, {2, 1}, {3, 0}, {40, 40}, {80, 0}, {120, 40}});
    for (std::size_t i = 1; i < path.size(); ++i) EXPECT_NE(path[i], path[i - 1]);
}

TEST(BezierPolyline, CollinearControlsStayOnTheirLine) {
    for (const PixelPoint& p : bezierPolyline({{0, 10}, {40, 10}, {80, 10}, {120, 10}}))
        EXPECT_EQ(p.y, 10);
}

TEST(BezierPolyline, StepsFollowTheLengthOfEachPiece) {
    // 120 pixels of control polygon: 15 steps.
    EXPECT_EQ(bezierPolyline({{0, 0}, {40, 0}, {80, 0}, {120, 0}}).size(), 16u);
}

TEST(BezierPolyline, CountNotThreeNPlusOneDrawsNothing) {
    EXPECT_TRUE(bezierPolyline({{0, 0}, {1, 1}, {2, 2}}).empty());
}

}  // namespace

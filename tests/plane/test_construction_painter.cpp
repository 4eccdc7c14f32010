#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <numbers>

#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/construction_painter.h"
#include "tests/support/points.h"

namespace {

constexpr int Size = 400;

// A 400 x 400 picture of the frame [-10, 10] x [-10, 10] (20 pixels a unit).
class ConstructionPainter : public testing::Test {
protected:
    void SetUp() override {
        PointTable = {};
        initialisePlotState();
        PlotFrame.deriveFrom(Size, Size);
        style.penWidth = 1;
    }

    void draw() {
        window.fill(clWhite);
        drawPointsAndLines(window, offscreen, style);
        drawPolygons(window);
    }

    static int column(long double x) { return PlotFrame.column(x); }
    static int row(long double y) { return PlotFrame.row(y); }
    bool red(int x, int y) const { return window.pixel(x, y) == clRed; }
    bool redAt(long double x, long double y) const { return red(column(x), row(y)); }
    // Within one pixel: a stroke between truncated ends may pass beside the exact point.
    bool redNear(int x, int y) const {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (red(x + dx, y + dy)) return true;
        return false;
    }
    bool redNearWorld(long double x, long double y) const { return redNear(column(x), row(y)); }

    // The centre and the four arms of a point mark.
    bool crossAt(long double x, long double y) const {
        const int c = column(x), r = row(y);
        return red(c, r) && red(c - 3, r - 3) && red(c + 3, r + 3) && red(c + 3, r - 3) && red(c - 3, r + 3);
    }
    // Dark text pixels where the label of a point at (x, y) starts.
    bool labelAt(long double x, long double y) const {
        const int left = column(x) - 15, top = row(y) - 30;
        for (int dy = 0; dy < 24; ++dy)
            for (int dx = 0; dx < 14; ++dx)
                if (window.pixel(left + dx, top + dy) == clBlack) return true;
        return false;
    }
    int redPixelsInColumn(int x) const {
        int count = 0;
        for (int y = 0; y < Size; ++y) count += red(x, y);
        return count;
    }
    int redPixelsInRow(int y) const {
        int count = 0;
        for (int x = 0; x < Size; ++x) count += red(x, y);
        return count;
    }
    int redPixels() const {
        int count = 0;
        for (int y = 0; y < Size; ++y) count += redPixelsInRow(y);
        return count;
    }

    QImage windowImage{Size, Size, QImage::Format_RGB32};
    QImage offscreenImage{Size, Size, QImage::Format_RGB32};
    Canvas window{windowImage};
    Canvas offscreen{offscreenImage};
    ConstructionStyle style;
};

TEST_F(ConstructionPainter, FreeAndFixedPointsGetACrossAndTheirLetter) {
    addPoint(PointKind::Free, 3, 4);
    addPoint(PointKind::Fixed, -5, -2);
    draw();
    EXPECT_TRUE(crossAt(3, 4));
    EXPECT_TRUE(labelAt(3, 4));
    EXPECT_TRUE(crossAt(-5, -2));
    EXPECT_TRUE(labelAt(-5, -2));
}

TEST_F(ConstructionPainter, PointsOutsideTheFrameAndTheOriginAreNotMarked) {
    addPoint(PointKind::Free, 12, 0);
    for (int i = 0; i < 14; ++i) addPoint(PointKind::Free, 12, 0);  // the count now passes the origin's slot
    ASSERT_GE(PointCount, OriginSlot);
    draw();
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(ConstructionPainter, PointOnACurveTakesItsValueAtItsAbscissa) {
    CurveSlot[1].formula = "x^2";
    const int slot = addPoint(PointKind::OnCurve, 2, 0);
    PointTable[slot].slot = 1;
    draw();
    EXPECT_EQ(PointTable[slot].y, 4);
    EXPECT_TRUE(crossAt(2, 4));
    EXPECT_TRUE(labelAt(2, 4));
}

TEST_F(ConstructionPainter, PointOnAnUndefinedValueIsNotMarked) {
    CurveSlot[1].formula = "ln(x)";
    PointTable[addPoint(PointKind::OnCurve, -2, 0)].slot = 1;
    draw();
    EXPECT_EQ(redPixels(), 0);
}

struct ImageCase {
    const char* name;
    WorldPoint expected;
    // Writes the sources and the image point; returns the image's slot.
    int (*build)(ConstructionPainter&);
};

}  // namespace

// Builders need the fixture's helpers.
class ImagePoints : public ConstructionPainter, public testing::WithParamInterface<ImageCase> {
public:
    int point(PointKind kind, long double x = 0, long double y = 0) { return addPoint(kind, x, y); }
};

namespace {

int translationByI(ConstructionPainter& p) {
    auto& t = static_cast<ImagePoints&>(p);
    const int a = t.point(PointKind::Free, 1, 2), image = t.point(PointKind::Translation);
    PointTable[image].source = a;
    PointTable[image].first = OriginSlot;
    PointTable[image].second = UnitXSlot;
    PointTable[image].factor = 3;
    return image;
}

int translationByJ(ConstructionPainter& p) {
    const int image = translationByI(p);
    PointTable[image].second = UnitYSlot;
    return image;
}

int symmetryAboutVertical(ConstructionPainter& p) {
    auto& t = static_cast<ImagePoints&>(p);
    const int a = t.point(PointKind::Fixed, 1, 1), b = t.point(PointKind::Fixed, 1, 5), source = t.point(PointKind::Free, 3, 2), image = t.point(PointKind::AxialSymmetry);
    PointTable[image].source = source;
    PointTable[image].first = a;
    PointTable[image].second = b;
    return image;
}

int quarterTurn(ConstructionPainter& p) {
    auto& t = static_cast<ImagePoints&>(p);
    const int source = t.point(PointKind::Free, 1, 0), image = t.point(PointKind::Rotation);
    PointTable[image].source = source;
    PointTable[image].first = OriginSlot;
    PointTable[image].angle = std::numbers::pi_v<long double> / 2;
    return image;
}

int thirdOfHalfTurn(ConstructionPainter& p) {
    auto& t = static_cast<ImagePoints&>(p);
    const int source = t.point(PointKind::Free, 2, 0), centre = t.point(PointKind::Fixed, 1, 0), image = t.point(PointKind::Rotation);
    PointTable[image].source = source;
    PointTable[image].first = centre;
    PointTable[image].angle = std::numbers::pi_v<long double> / 3;
    return image;
}

int midpointOf(ConstructionPainter& p) {
    auto& t = static_cast<ImagePoints&>(p);
    const int a = t.point(PointKind::Free, -4, 2), b = t.point(PointKind::Free, 6, -4), image = t.point(PointKind::Midpoint);
    PointTable[image].ref1 = a;
    PointTable[image].ref2 = b;
    return image;
}

int projectionOnX(ConstructionPainter& p) {
    auto& t = static_cast<ImagePoints&>(p);
    const int a = t.point(PointKind::Free, 3, 4), image = t.point(PointKind::ProjectionOnX);
    PointTable[image].ref1 = a;
    return image;
}

int projectionOnY(ConstructionPainter& p) {
    const int image = projectionOnX(p);
    PointTable[image].kind = PointKind::ProjectionOnY;
    return image;
}

}  // namespace

TEST_P(ImagePoints, IsMarkedAndNamedAtItsComputedPosition) {
    const int image = GetParam().build(*this);
    draw();
    const WorldPoint expected = GetParam().expected;
    EXPECT_NEAR(static_cast<double>(PointTable[image].x), static_cast<double>(expected.x), 1e-15);
    EXPECT_NEAR(static_cast<double>(PointTable[image].y), static_cast<double>(expected.y), 1e-15);
    EXPECT_TRUE(crossAt(expected.x, expected.y));
    EXPECT_TRUE(labelAt(expected.x, expected.y));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ImagePoints,
    testing::Values(ImageCase{"TranslationByI", {4, 2}, translationByI},
                    ImageCase{"TranslationByJ", {1, 5}, translationByJ},
                    ImageCase{"SymmetryAboutAVerticalAxis", {-1, 2}, symmetryAboutVertical},
                    ImageCase{"RotationOfUnitXAboutOriginByHalfPi", {0, 1}, quarterTurn},
                    ImageCase{"RotationAboutAnotherCentreByThirdPi", {1.5L, 0.866025403784438646763723L},
                              thirdOfHalfTurn},
                    ImageCase{"Midpoint", {1, -1}, midpointOf},
                    ImageCase{"ProjectionOnTheXAxis", {3, 0}, projectionOnX},
                    ImageCase{"ProjectionOnTheYAxis", {0, 4}, projectionOnY}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {

TEST_F(ConstructionPainter, MovingASourceMovesItsImagesAtTheNextDrawing) {
    const int a = addPoint(PointKind::Free, 2, 1), b = addPoint(PointKind::Free, 4, 1), mid = addPoint(PointKind::Midpoint);
    PointTable[mid].ref1 = a;
    PointTable[mid].ref2 = b;
    draw();
    ASSERT_TRUE(crossAt(3, 1));
    PointTable[a].x = -6;
    PointTable[a].y = 5;
    draw();
    EXPECT_TRUE(crossAt(-1, 3));
    EXPECT_FALSE(red(column(3), row(1)));
}

TEST_F(ConstructionPainter, ImageOfAnImageUsesTheSourcesPositionOfThisDrawingWhenComputedEarlier) {
    const int a = addPoint(PointKind::Free, 1, 0), rotated = addPoint(PointKind::Rotation), projected = addPoint(PointKind::ProjectionOnY);
    PointTable[rotated].source = a;
    PointTable[rotated].first = OriginSlot;
    PointTable[rotated].angle = std::numbers::pi_v<long double> / 2;
    PointTable[projected].ref1 = rotated;
    draw();
    EXPECT_NEAR(static_cast<double>(PointTable[projected].y), 1, 1e-15);
}

TEST_F(ConstructionPainter, ReferenceBeyondTheCountDrawsFromWhatTheSlotHolds) {
    const int a = addPoint(PointKind::Free, 2, 2), b = addPoint(PointKind::Free, 6, 2), mid = addPoint(PointKind::Midpoint);
    PointTable[mid].ref1 = a;
    PointTable[mid].ref2 = b;
    draw();
    // Remove the midpoint and B; a new midpoint of A and the old midpoint's slot.
    deleteLastPoint();
    deleteLastPoint();
    const int again = addPoint(PointKind::Midpoint);
    PointTable[again].ref1 = a;
    PointTable[again].ref2 = mid;
    draw();
    EXPECT_TRUE(crossAt(3, 2));
}

TEST_F(ConstructionPainter, ReferenceOutsideTheTableIsSkipped) {
    const int a = addPoint(PointKind::Free, 12, 12);
    const int bad = addPoint(PointKind::Midpoint, 3, 3);
    PointTable[bad].ref1 = a;
    PointTable[bad].ref2 = 40;
    const int worse = addPoint(PointKind::Translation, 3, 3);
    PointTable[worse].source = -1;
    draw();
    EXPECT_EQ(PointTable[bad].x, 3);
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(ConstructionPainter, TracedPointLeavesARedDotInTheBackBuffer) {
    offscreen.fill(clWhite);
    const int a = addPoint(PointKind::Free, 2, 2), b = addPoint(PointKind::Free, 4, 4), mid = addPoint(PointKind::Midpoint);
    PointTable[mid].ref1 = a;
    PointTable[mid].ref2 = b;
    PointTable[mid].trace = true;
    draw();
    EXPECT_EQ(offscreen.pixel(column(3), row(3)), clRed);
    EXPECT_EQ(offscreen.pixel(column(2), row(2)), clWhite);
}

TEST_F(ConstructionPainter, ValuePointsAreCrossedOnlyWhenAsked) {
    ValuePoints[0] = {1, 1};
    ValuePoints[1] = {20, 1};
    ValuePointCount = 2;
    draw();
    EXPECT_EQ(redPixels(), 0);
    style.showValuePoints = true;
    draw();
    EXPECT_TRUE(crossAt(1, 1));
    EXPECT_FALSE(labelAt(1, 1));
}

TEST_F(ConstructionPainter, TranslationVectorsAreArrowsWhenAsked) {
    translationByI(*this);
    style.showTranslationVectors = true;
    draw();
    // The arrow from A (1, 2) to its image (4, 2), and the vector from O to (1, 0).
    EXPECT_TRUE(redAt(2.5L, 2));
    EXPECT_TRUE(redAt(0.5L, 0));
    EXPECT_TRUE(labelAt(4, 2));
}

TEST_F(ConstructionPainter, ZeroTranslationShowsAnArrowWithoutHead) {
    const int image = translationByI(*this);
    PointTable[image].factor = 0;
    style.showTranslationVectors = true;
    draw();
    // Only the head of the vector i: nothing around the image, which sits on A.
    for (int dx = -8; dx <= 8; ++dx) EXPECT_FALSE(red(column(1) + dx, row(2) + 5)) << dx;
}

TEST_F(ConstructionPainter, SegmentJoinsTwoDifferentPoints) {
    addPoint(PointKind::Free, -4, 3);
    addPoint(PointKind::Free, 4, 3);
    SegmentTable[0] = {1, 2};
    SegmentTable[1] = {1, 1};
    SegmentCount = 2;
    draw();
    EXPECT_TRUE(redAt(0, 3));
    EXPECT_EQ(redPixelsInColumn(column(-8)), 0);
}

TEST_F(ConstructionPainter, LineThroughTwoPointsCrossesTheWholeWindow) {
    addPoint(PointKind::Fixed, 1, 1);
    addPoint(PointKind::Fixed, 2, 2);
    LineTable[0] = TLineRecord{LineKind::TwoPoints, 1, 2};
    LineCount = 1;
    draw();
    EXPECT_TRUE(redAt(-9, -9));
    EXPECT_TRUE(redAt(9, 9));
}

// A far end is clamped to the pixel range; the line must still pass through its points.
TEST_F(ConstructionPainter, LinesAndSegmentsWithAFarPointStayOnTheirLine) {
    for (const long double far : {1e6L, 1e10L, 1e300L}) {
        SCOPED_TRACE(double(far));
        const int near = addPoint(PointKind::Fixed, 0, 0.5L);
        const int away = addPoint(PointKind::Fixed, far, 2 * far + 0.5L);
        LineTable[0] = TLineRecord{LineKind::TwoPoints, near, away};
        LineCount = 1;
        SegmentTable[0] = {away, near};
        SegmentCount = 1;
        draw();
        for (const long double x : {-4.0L, -1.5L, 2.0L, 4.5L}) EXPECT_TRUE(redNearWorld(x, 2 * x + 0.5L)) << double(x);
        EXPECT_FALSE(redNearWorld(4, 4.5L));
    }
}

TEST_F(ConstructionPainter, VerticalLineThroughTwoPointsSpansTheFullHeight) {
    addPoint(PointKind::Fixed, 2, 1);
    addPoint(PointKind::Fixed, 2, 3);
    LineTable[0] = TLineRecord{LineKind::TwoPoints, 1, 2};
    LineCount = 1;
    draw();
    EXPECT_GE(redPixelsInColumn(column(2)), Size - 1);
    // Drawn upward from the bottom edge: the top row is its left-out end.
    EXPECT_TRUE(red(column(2), Size - 1));
    EXPECT_FALSE(red(column(2), 0));
}

TEST_F(ConstructionPainter, LineThroughCoincidentPointsDrawsNothing) {
    addPoint(PointKind::Fixed, 12, 1);
    addPoint(PointKind::Fixed, 12, 1);
    LineTable[0] = TLineRecord{LineKind::TwoPoints, 1, 2};
    LineCount = 1;
    draw();
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(ConstructionPainter, DeletingTheLastPointRepointsItsLineToTheOrigin) {
    addPoint(PointKind::Fixed, 4, 2);
    addPoint(PointKind::Fixed, 4, -6);
    LineTable[0] = TLineRecord{LineKind::TwoPoints, 1, 2};
    LineCount = 1;
    SegmentTable[0] = {2, 1};
    SegmentCount = 1;
    deleteLastPoint();
    draw();
    // Line (AO): y = x / 2 across the window; segment [OA].
    EXPECT_TRUE(redAt(-8, -4));
    EXPECT_TRUE(redAt(2, 1));
    EXPECT_EQ(redPixelsInColumn(column(4)) < 20, true);
}

TEST_F(ConstructionPainter, ReducedEquationLine) {
    LineTable[0] = TLineRecord{LineKind::ReducedEquation, 0, 0, 0, 0.5L, 1};
    LineCount = 1;
    draw();
    EXPECT_TRUE(redAt(4, 3));
    EXPECT_TRUE(redAt(-8, -3));
}

TEST_F(ConstructionPainter, CartesianLineWithBZeroIsAFullHeightVertical) {
    LineTable[0] = TLineRecord{LineKind::CartesianEquation, 0, 0, 0, 3, 0, -6};
    LineCount = 1;
    draw();
    EXPECT_GE(redPixelsInColumn(column(2)), Size - 1);
    // Drawn downward from the top edge.
    EXPECT_TRUE(red(column(2), 0));
}

TEST_F(ConstructionPainter, CartesianLineWithAZeroIsHorizontal) {
    LineTable[0] = TLineRecord{LineKind::CartesianEquation, 0, 0, 0, 0, 2, -4};
    LineCount = 1;
    draw();
    EXPECT_GE(redPixelsInRow(row(2)), Size - 1);
}

TEST_F(ConstructionPainter, TangentShowsTwoUnitArrowsAndItsPoint) {
    CurveSlot[1].formula = "x^2";
    TLineRecord tangent{LineKind::Tangent};
    tangent.slot = 1;
    tangent.a = 1;
    LineTable[0] = tangent;
    LineCount = 1;
    draw();
    EXPECT_TRUE(crossAt(1, 1));
    const long double u = 1 / sqrtl(5);
    // Half-way along each unit vector of slope 2.
    EXPECT_TRUE(redNearWorld(1 + u / 2, 1 + u));
    EXPECT_TRUE(redNearWorld(1 - u / 2, 1 - u));
    // Nothing beyond one unit.
    EXPECT_FALSE(redNearWorld(1 + 2 * u, 1 + 4 * u));
}

TEST_F(ConstructionPainter, TangentWhereTheFunctionIsUndefinedIsHidden) {
    CurveSlot[1].formula = "ln(x)";
    TLineRecord tangent{LineKind::Tangent};
    tangent.slot = 1;
    tangent.a = -1;
    LineTable[0] = tangent;
    TLineRecord normal = tangent;
    normal.kind = LineKind::Normal;
    LineTable[1] = normal;
    LineCount = 2;
    draw();
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(ConstructionPainter, NormalIsPerpendicularToTheCurve) {
    CurveSlot[1].formula = "x^2";
    TLineRecord normal{LineKind::Normal};
    normal.slot = 1;
    normal.a = 1;
    LineTable[0] = normal;
    LineCount = 1;
    draw();
    // y = 1 - (x - 1) / 2
    EXPECT_TRUE(redAt(3, 0));
    EXPECT_TRUE(redAt(-5, 4));
}

TEST_F(ConstructionPainter, NormalAtAFlatPointIsTheVertical) {
    CurveSlot[1].formula = "x^2";
    TLineRecord normal{LineKind::Normal};
    normal.slot = 1;
    normal.a = 0;
    LineTable[0] = normal;
    LineCount = 1;
    draw();
    EXPECT_GE(redPixelsInColumn(column(0)), Size - 1);
}

TEST_F(ConstructionPainter, DirectionVectorsAreFortyPixelArrows) {
    TLineRecord direction{LineKind::Direction};
    direction.a = 0;
    direction.c = 2;
    direction.d = 2;
    LineTable[0] = direction;
    LineCount = 1;
    draw();
    EXPECT_TRUE(red(column(2) + 30, row(2)));
    EXPECT_TRUE(red(column(2) - 30, row(2)));
    EXPECT_FALSE(red(column(2) + 45, row(2)));
}

void addSquare(ConstructionPainter& p) {
    auto& t = static_cast<ImagePoints&>(p);
    t.point(PointKind::Fixed, -4, -4);
    t.point(PointKind::Fixed, 4, -4);
    t.point(PointKind::Fixed, 4, 4);
    t.point(PointKind::Fixed, -4, 4);
}

TEST_F(ConstructionPainter, SmoothedClosedPolygonBulgesOutsideItsStraightEdges) {
    addSquare(*this);
    ASSERT_TRUE(appendPolygon("ABCDA", true));
    draw();
    for (const auto& [x, y] : {std::pair{-4, -4}, {4, -4}, {4, 4}, {-4, 4}}) EXPECT_TRUE(redAt(x, y));
    // The middle of edge [AB] is left for a curve passing below it.
    EXPECT_FALSE(redAt(0, -4));
    int below = 0;
    for (int r = row(-4) + 1; r < row(-4) + 60; ++r) below += red(column(0), r);
    EXPECT_GT(below, 0);
}

TEST_F(ConstructionPainter, StraightPolygonFollowsItsEdges) {
    addSquare(*this);
    ASSERT_TRUE(appendPolygon("ABCDA", false));
    draw();
    EXPECT_TRUE(redAt(0, -4));
    EXPECT_TRUE(redAt(-4, 0));
}

TEST_F(ConstructionPainter, SmoothedPolygonOfMoreThanThirtyFourVerticesIsDrawnStraight) {
    addSquare(*this);
    std::string names;
    for (int i = 0; i < 35; ++i) names += "ABCD"[i % 4];
    ASSERT_TRUE(appendPolygon(names, true));
    draw();
    EXPECT_TRUE(redAt(0, -4));
}

TEST_F(ConstructionPainter, ArrowOfZeroLengthDrawsNothing) {
    window.fill(clWhite);
    window.setPen(clRed, 1);
    DrawArrow(window, 50, 50, 50, 50);
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(ConstructionPainter, ArrowHasItsShaftAndTwoHeadStrokes) {
    window.fill(clWhite);
    window.setPen(clRed, 1);
    DrawArrow(window, 100, 100, 200, 100);
    EXPECT_TRUE(red(150, 100));
    // The strokes end at (192, 107) and (192, 93).
    EXPECT_TRUE(redNear(193, 106));
    EXPECT_TRUE(redNear(193, 94));
    EXPECT_TRUE(redNear(196, 103));
    EXPECT_TRUE(redNear(196, 97));
    EXPECT_FALSE(redNear(203, 100));
}

}  // namespace

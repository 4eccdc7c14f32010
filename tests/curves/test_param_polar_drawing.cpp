// The dots of parametric and polar curves and the polar grid, checked pixel
// by pixel on a white picture of the 1280 layout's graph size.

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <numbers>

#include "expression/matutil.h"
#include "expression/parsor.h"
#include "model/curve_entries.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/curve_kinds.h"
#include "plane/graph_renderer.h"

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

class CurvePicture : public testing::Test {
protected:
    CurvePicture() : picture_(850, 800, QImage::Format_RGB32), canvas_(picture_) {
        initialisePlotState();
        picture_.fill(Qt::white);
        PlotFrame.ymin = -7.94L;
        PlotFrame.ymax = 7.94L;
        PlotFrame.deriveFrom(850, 800);
        ParametricRange = TCurveRange{};
        PolarRange = TCurveRange{};
        PolarGrid = TPolarGrid{};
    }
    ~CurvePicture() override { initialisePlotState(); }

    TColor at(long double x, long double y) const {
        return fromQColor(picture_.pixelColor(PlotFrame.column(x), PlotFrame.row(y)));
    }

    // Thin circles pass within a pixel of the truncated pixel of their points.
    bool silverNear(long double x, long double y) const {
        const int column = PlotFrame.column(x), row = PlotFrame.row(y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (fromQColor(picture_.pixelColor(column + dx, row + dy)) == clSilver) return true;
        return false;
    }

    QImage picture_;
    Canvas canvas_;
    GraphOptions options_;
};

TEST_F(CurvePicture, ParametricDotsLieAtThePixelsOfTheirPoints) {
    CurveSlot[1].formula = NormaliseFormula("cos(3x)");
    CurveSlot[2].formula = NormaliseFormula("sin(2x)");
    drawParametricCurve(canvas_, PlotFrame, options_);
    for (const long double t : {0.0L, 0.5L, 1.0L, 2.0L, 4.0L, 6.0L})
        EXPECT_EQ(at(cosl(3 * t), sinl(2 * t)), clBlue) << "t=" << static_cast<double>(t);
    // The curve stays within [-1, 1] on both axes.
    EXPECT_EQ(at(1.5L, 0.3L), clWhite);
    EXPECT_EQ(at(0.2L, -1.5L), clWhite);
}

TEST_F(CurvePicture, ParametricCurveCoversOnlyItsRangeAndHidesWhenAsked) {
    CurveSlot[1].formula = "cos(x)";
    CurveSlot[2].formula = "sin(x)";
    ParametricRange.maxText = "pi";
    drawParametricCurve(canvas_, PlotFrame, options_);
    EXPECT_EQ(at(0, 1), clBlue);
    EXPECT_EQ(at(0, -1), clWhite);
    picture_.fill(Qt::white);
    ParametricRange.hidden = true;
    drawParametricCurve(canvas_, PlotFrame, options_);
    EXPECT_EQ(at(0, 1), clWhite);
}

TEST_F(CurvePicture, PolarDotsLieAtThePixelsOfTheirPoints) {
    CurveSlot[1].formula = NormaliseFormula("1+cos(x)");
    drawPolarCurve(canvas_, PlotFrame, options_);
    for (const long double angle : {0.0L, Pi / 3, Pi / 2, 2.0L, 4.0L, 5.5L}) {
        const long double r = 1 + cosl(angle);
        EXPECT_EQ(at(r * cosl(angle), r * sinl(angle)), clBlue) << "angle=" << static_cast<double>(angle);
    }
    EXPECT_EQ(at(-1, 0.5L), clWhite);
}

// A range far from 0, where the step vanishes, or one far too long for the
// precision, ends in a bounded number of samples.
TEST_F(CurvePicture, ParameterRangesOfAnySizeEnd) {
    TExpress x, y;
    x.setExpression("x");
    y.setExpression("0");
    EXPECT_LE(parametricDots(x, y, PlotFrame, 1e20L, 1e20L + 1, 3).size(), 1u);
    x.setExpression("x/100000000");
    const std::vector<QPoint> dots = parametricDots(x, y, PlotFrame, -1e9L, 1e9L, 3);
    EXPECT_GE(dots.size(), 800u);  // the whole width is still covered
    EXPECT_LE(dots.size(), 850u);
}

// Qt rounds some ellipses of width 3 differently by one pixel from one place
// to another; a stamped dot is the same everywhere.
TEST_F(CurvePicture, DotsAreStampedWithThePixelsOfTheirEllipses) {
    QImage drawn(850, 800, QImage::Format_RGB32), stamped(850, 800, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    stamped.fill(Qt::white);
    Canvas byEllipse(drawn), byStamp(stamped);
    for (int width = 1; width <= 8; ++width) {
        byEllipse.setPen(clBlue, width);
        byStamp.setPen(clBlue, width);
        for (int y = 0; y < 800; y += 37) {
            for (int x = 0; x < 850; x += 53) {
                byEllipse.ellipse(x - 1, y + 1, x + 1, y - 1);
                drawDots(byStamp, {QPoint(x, y)});
                int different = 0;
                for (int row = std::max(0, y - 8); row < std::min(800, y + 9); ++row) {
                    for (int column = std::max(0, x - 8); column < std::min(850, x + 9); ++column) {
                        different += drawn.pixel(column, row) != stamped.pixel(column, row);
                        drawn.setPixel(column, row, qRgb(255, 255, 255));
                        stamped.setPixel(column, row, qRgb(255, 255, 255));
                    }
                }
                EXPECT_LE(different, 1) << "width " << width << " at " << x << "," << y;
            }
        }
    }
}

struct GridCase {
    const char* name;
    const char* circleText;
    const char* rayText;
    const char* circleShown;  // the texts after the drawing
    const char* rayShown;
    long double circle, ray;  // the steps drawn
};

class PolarGridSettings : public CurvePicture, public testing::WithParamInterface<GridCase> {};

TEST_P(PolarGridSettings, WrongStepsFallBackAndAreRewritten) {
    const GridCase& c = GetParam();
    PolarGrid.circleText = c.circleText;
    PolarGrid.rayText = c.rayText;
    bool rewritten = false;
    const PolarGridSteps steps = polarGridSteps(&rewritten);
    EXPECT_EQ(PolarGrid.circleText, c.circleShown);
    EXPECT_EQ(PolarGrid.rayText, c.rayShown);
    EXPECT_EQ(rewritten, PolarGrid.circleText != c.circleText || PolarGrid.rayText != c.rayText);
    EXPECT_NEAR(static_cast<double>(steps.circle), static_cast<double>(c.circle), 1e-15);
    EXPECT_NEAR(static_cast<double>(steps.ray), static_cast<double>(c.ray), 1e-15);
}

INSTANTIATE_TEST_SUITE_P(, PolarGridSettings,
                         testing::Values(GridCase{"Defaults", "1", "pi/4", "1", "pi/4", 1, Pi / 4},
                                         GridCase{"RayZero", "2", "0", "2", "pi/4", 2, 0.7853975L},
                                         GridCase{"NegativeCircles", "-1", "pi/6", "1", "pi/6", 1, Pi / 6},
                                         GridCase{"NotNumbers", "a+", "", "1", "pi/4", 1, 0.7853975L}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CurvePicture, PolarGridHasCirclesRaysAndTheUnitSegment) {
    PolarGrid.circleText = "2";
    drawPolarGrid(canvas_, PlotFrame, options_.thickness, polarGridSteps());
    // Circles of radius 2 and 4, away from any ray.
    EXPECT_TRUE(silverNear(2 * cosl(0.4L), 2 * sinl(0.4L)));
    EXPECT_TRUE(silverNear(4 * cosl(2.0L), 4 * sinl(2.0L)));
    EXPECT_FALSE(silverNear(3 * cosl(2.0L), 3 * sinl(2.0L)));
    // Rays every pi/4, away from the circles.
    EXPECT_EQ(at(3 * cosl(3 * Pi / 4), 3 * sinl(3 * Pi / 4)), clSilver);
    EXPECT_EQ(at(5, -5), clSilver);
    // The unit segment is black up to the first circle.
    EXPECT_EQ(at(1, 0), clBlack);
    PolarGrid.circles = false;
    picture_.fill(Qt::white);
    drawPolarGrid(canvas_, PlotFrame, options_.thickness, polarGridSteps());
    EXPECT_FALSE(silverNear(2 * cosl(0.4L), 2 * sinl(0.4L)));
    EXPECT_EQ(at(5, -5), clSilver);
}

// Circles a hair apart, or a frame far from the origin, draw in bounded time.
TEST_F(CurvePicture, PolarGridOfTinyCirclesOrAFarOriginEnds) {
    drawPolarGrid(canvas_, PlotFrame, options_.thickness, {1e-9L, 1e-9L});
    EXPECT_FALSE(silverNear(2 * cosl(0.4L), 2 * sinl(0.4L)));
    PlotFrame.xmin = 100000;
    PlotFrame.xmax = 100020;
    PlotFrame.deriveFrom(850, 800);
    picture_.fill(Qt::white);
    drawPolarGrid(canvas_, PlotFrame, options_.thickness, {1, Pi / 4});
    // The circles about the far origin cross the window as near-vertical lines.
    int silver = 0;
    for (int column = 0; column < 850; ++column)
        silver += fromQColor(picture_.pixelColor(column, 400)) == clSilver;
    EXPECT_GE(silver, 15);
}

}  // namespace

// The curves of the animation and cartesian-equation kinds, checked at
// computed pixels on a white picture of the 1280 layout's graph size.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/curve_kinds.h"

namespace {

TPlotFrame functionOfXFrame() {
    TPlotFrame frame;
    frame.ymin = -7.94L;
    frame.ymax = 7.94L;
    frame.deriveFrom(850, 800);
    return frame;
}

std::vector<QPoint> dotsOf(const char* equation, int precision, bool verticalLines) {
    TExpress compiled;
    compiled.setExpression(NormaliseFormula(equation));
    EXPECT_FALSE(compiled.SyntaxError()) << equation;
    std::vector<QPoint> dots = equationDots(compiled, functionOfXFrame(), precision, verticalLines);
    std::sort(dots.begin(), dots.end(), [](QPoint a, QPoint b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
    return dots;
}

TEST(CartesianEquation, TheDotsOfACircleLieOnIt) {
    const TPlotFrame frame = functionOfXFrame();
    for (const bool vertical : {false, true}) {
        const std::vector<QPoint> dots = dotsOf("x^2+y^2-(4)", 3, vertical);
        ASSERT_GT(dots.size(), 100u);
        for (const QPoint& dot : dots) {
            const long double r = std::hypot(frame.worldX(dot.x()), frame.worldY(dot.y()));
            EXPECT_NEAR(static_cast<double>(r), 2, 2.5 * static_cast<double>(frame.pixelx)) << dot.x() << "," << dot.y();
        }
    }
}

TEST(CartesianEquation, TheVerticalPassFillsTheTopAndBottomOfTheCircle) {
    const TPlotFrame frame = functionOfXFrame();
    const auto nearTop = [&](const std::vector<QPoint>& dots) {
        return std::count_if(dots.begin(), dots.end(), [&](QPoint p) {
            return std::abs(p.x() - frame.column(0)) <= 3 && std::abs(p.y() - frame.row(2)) <= 3;
        });
    };
    EXPECT_GT(nearTop(dotsOf("x^2+y^2-(4)", 3, true)), nearTop(dotsOf("x^2+y^2-(4)", 3, false)));
}

TEST(CartesianEquation, BothSidesMayHoldTheFunction) {
    EXPECT_EQ(dotsOf("y-(x^2)", 3, true), dotsOf("x^2-(y)", 3, true));
}

// The program has always substituted each line's y into the text of the
// equation; the compiled equation with y as a variable must draw the same dots.
TEST(CartesianEquation, DrawsWhatTheTextSubstitutionDrew) {
    const TPlotFrame frame = functionOfXFrame();
    const std::string equation = NormaliseFormula("x^2+y^2-(4)");
    std::vector<QPoint> expected;
    for (long double y = frame.ymin; y < frame.ymax; y += 5 * frame.pixelx) {
        std::string text;
        for (const char c : equation) text += c == 'y' ? "(" + FloatToStr(y) + ")" : std::string(1, c);
        const ZeroList zeros = FindZeros(text, frame.xmin, frame.xmax, 3 * frame.pixelx);
        for (int i = 0; i < zeros.count && zeros.count <= 29; ++i)
            if (frame.inside(zeros.values[i], y)) expected.emplace_back(frame.column(zeros.values[i]), frame.row(y));
    }
    std::sort(expected.begin(), expected.end(), [](QPoint a, QPoint b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
    EXPECT_EQ(dotsOf("x^2+y^2-(4)", 2, false), expected);
}

TEST(AnimationFrame, DrawsFAndGAtTheValueOfK) {
    initialisePlotState();
    CurveSlot[1].formula = NormaliseFormula("kx^2");
    CurveSlot[2].formula = NormaliseFormula("x+k");
    QImage picture(850, 800, QImage::Format_RGB32);
    picture.fill(Qt::white);
    Canvas canvas(picture);
    const TPlotFrame frame = functionOfXFrame();
    PlotFrame = frame;
    drawAnimationFrame(canvas, frame, GraphOptions{}, -1);
    const auto colourAt = [&](long double x, long double y) {
        return fromQColor(picture.pixelColor(frame.column(x), frame.row(y)));
    };
    EXPECT_EQ(colourAt(2, -4), clBlue);   // -x^2
    EXPECT_EQ(colourAt(2, 4), clWhite);   // not x^2
    EXPECT_EQ(colourAt(4, 3), clLime);    // x - 1
    initialisePlotState();
}

}  // namespace

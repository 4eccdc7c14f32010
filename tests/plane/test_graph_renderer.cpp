#include <QImage>
#include <QThreadPool>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "expression/parsor.h"
#include "model/plot_state.h"
#include "plane/graph_renderer.h"

namespace {

// Frame [-8, 8] x [-8, 8] on 512 x 512: 32 pixels per unit, origin at (256, 256),
// every mapping exact.
constexpr int Size = 512;
constexpr int O = 256;

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        image = QImage(Size, Size, QImage::Format_RGB32);
        frame = TPlotFrame{};
        frame.xmin = frame.ymin = -8;
        frame.xmax = frame.ymax = 8;
        frame.deriveFrom(Size, Size);
        clearGraph(canvas);
        for (auto& slot : CurveSlot) slot = TCurveSlot{};
        resetCurveColours();
    }

    void setSlot(int slot, const std::string& formula) { CurveSlot[slot].formula = formula; }

    // Pixels of `colour` in the rectangle [left, right] x [top, bottom].
    int count(TColor colour, int left, int top, int right, int bottom) const {
        int found = 0;
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y)
                if (canvas.pixel(x, y) == colour) ++found;
        return found;
    }
    int countDark(int left, int top, int right, int bottom) const {
        int found = 0;
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() < 128 && c.green() < 128 && c.blue() < 128) ++found;
            }
        return found;
    }

    QImage image;
    Canvas canvas{image};
    TPlotFrame frame;
    GraphOptions options;
};

// --- axes, grid, labels -----------------------------------------------------

TEST_F(RendererTest, AxesCrossAtTheOriginPixel) {
    drawAxes(canvas, frame, 3);
    EXPECT_EQ(canvas.pixel(O, 60), clBlack);
    EXPECT_EQ(canvas.pixel(O, 450), clBlack);
    EXPECT_EQ(canvas.pixel(60, O), clBlack);
    EXPECT_EQ(canvas.pixel(450, O), clBlack);
    EXPECT_EQ(canvas.pixel(60, 60), clWhite);
}

TEST_F(RendererTest, YArrowHeadSitsAtTheFirstGraduation) {
    drawAxes(canvas, frame, 3);
    // Strokes from (256, 224) down-left and down-right by 7 pixels.
    EXPECT_EQ(canvas.pixel(O - 3, 227), clBlack);
    EXPECT_EQ(canvas.pixel(O + 3, 227), clBlack);
    EXPECT_EQ(canvas.pixel(O - 3, 221), clWhite);
}

TEST_F(RendererTest, GridLinesLieAtTheGraduationPixels) {
    drawGrid(canvas, frame, 3);
    for (const int column : {32, 192, 224, 288, 320, 480})
        EXPECT_EQ(canvas.pixel(column, 130), clSilver) << "column " << column;
    for (const int row : {32, 224, 320, 480}) EXPECT_EQ(canvas.pixel(130, row), clSilver) << row;
    EXPECT_EQ(canvas.pixel(240, 130), clWhite);
    EXPECT_EQ(canvas.pixel(130, 240), clWhite);
}

TEST_F(RendererTest, GridFollowsUnequalSteps) {
    frame.graduex = 2.5L;  // every 80 pixels
    frame.graduey = 0.5L;  // every 16 pixels
    drawGrid(canvas, frame, 3);
    EXPECT_EQ(canvas.pixel(336, 130), clSilver);
    EXPECT_EQ(canvas.pixel(176, 130), clSilver);
    EXPECT_EQ(canvas.pixel(300, 130), clWhite);
    EXPECT_EQ(canvas.pixel(130, 272), clSilver);
    EXPECT_EQ(canvas.pixel(130, 240), clSilver);
    EXPECT_EQ(canvas.pixel(130, 264), clWhite);
}

struct UnusableStep {
    const char* name;
    long double step;
};

class UnusableGridStep : public RendererTest, public ::testing::WithParamInterface<UnusableStep> {};

TEST_P(UnusableGridStep, DrawsNoLinesForThatAxisAndEnds) {
    frame.graduex = GetParam().step;
    drawGrid(canvas, frame, 3);
    EXPECT_EQ(count(clSilver, 0, 130, Size - 1, 130), 0);
    // The other axis keeps its lines.
    EXPECT_EQ(canvas.pixel(130, 224), clSilver);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, UnusableGridStep,
    ::testing::Values(UnusableStep{"Zero", 0}, UnusableStep{"Negative", -1},
                      UnusableStep{"NotANumber", std::numeric_limits<long double>::quiet_NaN()},
                      UnusableStep{"Infinite", std::numeric_limits<long double>::infinity()},
                      UnusableStep{"BelowOnePixel", 0.01L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RendererTest, GridFarFromTheOriginIsDrawnWithoutWalkingThere) {
    frame.xmin = 1e6L;  // the origin lies 32 million pixels to the left
    frame.xmax = 1e6L + 16;
    frame.deriveFrom(Size, Size);
    const auto start = std::chrono::steady_clock::now();
    drawGrid(canvas, frame, 3);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    // Whole units fall every 32 pixels from the left edge.
    EXPECT_EQ(canvas.pixel(32, 130), clSilver);
    EXPECT_EQ(canvas.pixel(48, 130), clWhite);
}

TEST_F(RendererTest, LabelsGrowWithTheFontSize) {
    options.fontSize = 10;
    drawLabels(canvas, frame, options);
    const int small = countDark(226, 262, 252, 320);  // the "O" below-left of the origin
    clearGraph(canvas);
    options.fontSize = 22;
    drawLabels(canvas, frame, options);
    const int large = countDark(226, 262, 252, 320);
    EXPECT_GT(small, 0);
    EXPECT_GT(large, small * 2);
}

TEST_F(RendererTest, PolarFrameHasNoOrdinateLabel) {
    options.fontSize = 22;
    drawLabels(canvas, frame, options);
    const int withLabel = countDark(236, 200, 255, 240);  // the "1" left of the y axis
    clearGraph(canvas);
    options.polar = true;
    drawLabels(canvas, frame, options);
    EXPECT_GT(withLabel, 0);
    EXPECT_EQ(countDark(236, 200, 255, 240), 0);
}

TEST_F(RendererTest, XArrowHeadSitsAtTheFirstGraduation) {
    drawLabels(canvas, frame, options);
    EXPECT_EQ(canvas.pixel(285, 253), clBlack);
    EXPECT_EQ(canvas.pixel(285, 259), clBlack);
}

// --- pixel mapping --------------------------------------------------------------

struct MappingCase {
    const char* name;
    long double value;
    int pixel;  // its truncation toward zero, clamped to +-10^8
};

class PixelMapping : public ::testing::TestWithParam<MappingCase> {};

// With one unit per pixel and the origin at pixel 0 the mapping is the truncation
// itself, for columns and (downward) rows alike.
TEST_P(PixelMapping, TruncatesTowardZeroAndClampsTheRest) {
    TPlotFrame unit;
    unit.xmin = unit.ymin = -400;
    unit.xmax = unit.ymax = 400;
    unit.deriveFrom(800, 800);
    ASSERT_EQ(unit.pixelx, 1);
    EXPECT_EQ(unit.column(GetParam().value) - unit.originx, GetParam().pixel);
    EXPECT_EQ(unit.originy - unit.row(GetParam().value), GetParam().pixel);
}

constexpr long double Infinity = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, PixelMapping,
    // Values within an 80-bit step of an integer round onto it as doubles.
    ::testing::Values(MappingCase{"JustBelowThree", std::nextafter(3.0L, 0.0L), 2},
                      MappingCase{"Three", 3, 3},
                      MappingCase{"JustAboveThree", std::nextafter(3.0L, 4.0L), 3},
                      MappingCase{"JustAboveMinusThree", std::nextafter(-3.0L, 0.0L), -2},
                      MappingCase{"JustBelowMinusThree", std::nextafter(-3.0L, -4.0L), -3},
                      MappingCase{"NegativeHalf", -0.5L, 0},
                      MappingCase{"JustBelowTheLimit", std::nextafter(1e8L, 0.0L), 99999999},
                      MappingCase{"BeyondTheLimit", 3e9L, 100000000},
                      MappingCase{"FarBelow", -1e300L, -100000000},
                      MappingCase{"Infinite", Infinity, 100000000},
                      MappingCase{"MinusInfinite", -Infinity, -100000000},
                      MappingCase{"NotANumber", std::numeric_limits<long double>::quiet_NaN(),
                                  100000000}),
    [](const auto& info) { return std::string(info.param.name); });

// --- sampling ---------------------------------------------------------------

struct StepCase {
    int precision;
    long double coarse;  // in pixels
};

class SamplingStep : public RendererTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SamplingStep, FlatCurveUsesTheCoarseStep) {
    TExpress formula;
    formula.setExpression("3");
    const auto samples = sampleFunction(formula, frame, TDomain{}, GetParam().precision, 3);
    ASSERT_GE(samples.size(), 3u);
    // The jump from the start value 0 to 3 takes one fine step first.
    EXPECT_NEAR(double(samples[2].x - samples[1].x), double(GetParam().coarse * frame.pixelx),
                1e-12);
    EXPECT_EQ(samples.front().x, frame.xmin);
    EXPECT_LE(samples.back().x, frame.xmax);
}

TEST_P(SamplingStep, SteepCurveUsesTheFineStep) {
    TExpress formula;
    formula.setExpression("100*x");
    const auto samples = sampleFunction(formula, frame, TDomain{}, GetParam().precision, 3);
    ASSERT_GE(samples.size(), 3u);
    const long double fine = samples[2].x - samples[1].x;
    EXPECT_LT(double(fine), double(GetParam().coarse * frame.pixelx));
}

INSTANTIATE_TEST_SUITE_P(Precisions, SamplingStep,
                         ::testing::Values(StepCase{1, 4}, StepCase{2, 0.5L}, StepCase{3, 0.2L}));

TEST_F(RendererTest, SamplingEndsWhenTheStepVanishesInRounding) {
    frame.xmin = 1e30L;
    frame.xmax = 1e30L + 1e12L;
    frame.deriveFrom(Size, Size);
    TExpress formula;
    formula.setExpression("1");
    const auto samples = sampleFunction(formula, frame, TDomain{}, 3, 3);
    EXPECT_LE(samples.size(), 5u * Size + 2);
}

TEST_F(RendererTest, SamplesOutsideARestrictedDomainAreNotEvaluated) {
    TExpress formula;
    formula.setExpression("x");
    const auto samples = sampleFunction(formula, frame, TDomain{0, 2, true}, 2, 3);
    ASSERT_FALSE(samples.empty());
    for (const auto& sample : samples) {
        EXPECT_GE(sample.x, 0);
        EXPECT_LE(sample.x, 2);
    }
}

// The sampling rule written plainly: the step after each abscissa is fine where
// the value moved by more than 5 pixels / thickness since the last one.
std::vector<CurveSample> referenceSamples(TExpress& formula, const TPlotFrame& frame,
                                          const TDomain& domain, int precision) {
    const long double coarse[] = {4 * frame.pixelx, frame.pixelx / 2, frame.pixelx / 5};
    const long double fine[] = {frame.pixelx, frame.pixelx / 8, frame.pixelx / 30};
    std::vector<CurveSample> samples;
    long double x = frame.xmin, previous = 0, y = 0;
    do {
        if (domain.contains(x)) {
            y = formula.Evaluate(x, 0, 0);
            samples.push_back({x, y});
        }
        x += std::fabs(y - previous) > 5 * frame.pixelx / 3 ? fine[precision - 1]
                                                            : coarse[precision - 1];
        previous = y;
    } while (x <= frame.xmax);
    return samples;
}

struct SamplingCase {
    const char* formula;
    TDomain domain;
};

// Thousands of samples: the values and steps carry over from one batch of
// samples to the next, also across a stretch outside the domain.
TEST_F(RendererTest, SamplesFollowTheSteppingRuleOverTheWholeWidth) {
    const SamplingCase cases[] = {{"sin(10*x)", TDomain{}},
                                  {"1/x", TDomain{}},
                                  {"ln(x)", TDomain{}},
                                  {"x^3", TDomain{-7.5L, -1, true}},
                                  {"e(x)", TDomain{-1, 0.5L, true}}};
    for (const SamplingCase& c : cases) {
        TExpress formula;
        formula.setExpression(c.formula);
        for (int precision = 1; precision <= 3; ++precision) {
            SCOPED_TRACE(std::string(c.formula) + " at precision " + std::to_string(precision));
            const auto expected = referenceSamples(formula, frame, c.domain, precision);
            const auto samples = sampleFunction(formula, frame, c.domain, precision, 3);
            ASSERT_EQ(samples.size(), expected.size());
            for (std::size_t i = 0; i < samples.size(); ++i) {
                ASSERT_EQ(samples[i].x, expected[i].x) << "sample " << i;
                ASSERT_EQ(samples[i].y, expected[i].y) << "sample " << i;
            }
        }
    }
}

// --- curves -------------------------------------------------------------------

struct CurvePoint {
    const char* formula;
    long double x, y;
};

class CurvePassesThrough : public RendererTest, public ::testing::WithParamInterface<CurvePoint> {};

TEST_P(CurvePassesThrough, ItsComputedPixelInTheSlotColour) {
    setSlot(1, GetParam().formula);
    EXPECT_TRUE(drawFunctionCurves(canvas, frame, options).empty());
    EXPECT_EQ(canvas.pixel(frame.column(GetParam().x), frame.row(GetParam().y)), clBlue);
}

INSTANTIATE_TEST_SUITE_P(Functions, CurvePassesThrough,
                         ::testing::Values(CurvePoint{"x^2-2", 1, -1}, CurvePoint{"x^2-2", -2.5L, 4.25L},
                                           CurvePoint{"sin(x)", 1.5L, std::sin(1.5L)},
                                           CurvePoint{"1/x", 0.5L, 2}, CurvePoint{"2*x+1", -3, -5}));

TEST_F(RendererTest, EachSlotHasItsColour) {
    setSlot(0, "1");
    setSlot(2, "2");
    setSlot(3, "3");
    setSlot(4, "4");
    drawFunctionCurves(canvas, frame, options);
    EXPECT_EQ(canvas.pixel(330, frame.row(1)), clAqua);
    EXPECT_EQ(canvas.pixel(330, frame.row(2)), clLime);
    EXPECT_EQ(canvas.pixel(330, frame.row(3)), clFuchsia);
    EXPECT_EQ(canvas.pixel(330, frame.row(4)), clMaroon);
}

TEST_F(RendererTest, NothingIsDrawnOutsideARestrictedDomain) {
    setSlot(1, "x^2-2");
    CurveSlot[1].domain = TDomain{0, 2, true};
    drawFunctionCurves(canvas, frame, options);
    EXPECT_EQ(count(clBlue, 0, 0, frame.column(0) - 3, Size - 1), 0);
    EXPECT_EQ(count(clBlue, frame.column(2) + 3, 0, Size - 1, Size - 1), 0);
    EXPECT_EQ(canvas.pixel(frame.column(1), frame.row(-1)), clBlue);
}

TEST_F(RendererTest, PenIsLiftedAtAPole) {
    setSlot(1, "1/x");
    drawFunctionCurves(canvas, frame, options);
    // Both branches are there...
    EXPECT_EQ(canvas.pixel(frame.column(2), frame.row(0.5L)), clBlue);
    EXPECT_EQ(canvas.pixel(frame.column(-2), frame.row(-0.5L)), clBlue);
    // ...but nothing joins them across the frame near x = 0.
    EXPECT_EQ(count(clBlue, O - 2, 150, O + 2, 362), 0);
}

TEST_F(RendererTest, ValuesOutsideTheFrameLiftThePen) {
    frame.ymin = -1;
    frame.ymax = 1;
    frame.deriveFrom(Size, Size);
    setSlot(1, "10*sin(x)");
    drawFunctionCurves(canvas, frame, options);
    // Between the crossings at 0 and pi the curve is far above the frame:
    // no stroke may run along the top edge there.
    EXPECT_EQ(count(clBlue, frame.column(0.5L), 0, frame.column(2.5L), 3), 0);
}

struct HugeCase {
    const char* name;
    const char* formula;
};

class HugeValues : public RendererTest, public ::testing::WithParamInterface<HugeCase> {};

TEST_P(HugeValues, DrawWithinTheFrameOnly) {
    setSlot(1, GetParam().formula);
    const auto start = std::chrono::steady_clock::now();
    drawFunctionCurves(canvas, frame, options);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // Away from x = 0 every value lies far outside the frame.
    EXPECT_EQ(count(clBlue, 0, 0, O - 16, Size - 1), 0);
    EXPECT_EQ(count(clBlue, O + 16, 0, Size - 1, Size - 1), 0);
}

INSTANTIATE_TEST_SUITE_P(Formulas, HugeValues,
                         ::testing::Values(HugeCase{"Finite", "10^300*x"},
                                           HugeCase{"Overflowing", "exp(100000*abs(x))"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RendererTest, HiddenCurvesKeepTheTransformedFunction) {
    setSlot(0, "1");
    setSlot(1, "2");
    setSlot(4, "3");
    options.hideCurves = true;
    drawFunctionCurves(canvas, frame, options);
    EXPECT_EQ(canvas.pixel(330, frame.row(1)), clAqua);
    EXPECT_EQ(count(clBlue, 0, 0, Size - 1, Size - 1), 0);
    EXPECT_EQ(count(clMaroon, 0, 0, Size - 1, Size - 1), 0);
}

TEST_F(RendererTest, AFormulaThatDoesNotCompileIsReportedAndTheOthersDrawn) {
    CurveSlot[1].name = "f";
    setSlot(1, "2*x+");
    setSlot(2, "1");
    const std::vector<int> failed = drawFunctionCurves(canvas, frame, options);
    EXPECT_EQ(failed, std::vector<int>{1});
    EXPECT_EQ(canvas.pixel(330, frame.row(1)), clLime);
    EXPECT_EQ(invalidFormulaMessage(1), QString::fromUtf8("écriture de la fonction f non valide"));
    EXPECT_EQ(invalidFormulaMessage(0), QString::fromUtf8("écriture de la fonction  non valide"));
}

TEST_F(RendererTest, ThicknessWidensTheCurvePen) {
    setSlot(1, "2");
    options.thickness = 3;
    drawFunctionCurves(canvas, frame, options);
    const int thin = count(clBlue, 330, frame.row(2) - 10, 330, frame.row(2) + 10);
    clearGraph(canvas);
    options.thickness = 6;
    drawFunctionCurves(canvas, frame, options);
    const int thick = count(clBlue, 330, frame.row(2) - 10, 330, frame.row(2) + 10);
    EXPECT_EQ(thin, 4);  // pen E + 1
    EXPECT_EQ(thick, 7);
}

// --- curves evaluated on another thread ----------------------------------------

void drawBackground(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options) {
    clearGraph(canvas);
    drawAxes(canvas, frame, options.thickness);
    drawGrid(canvas, frame, options.thickness);
}

struct CurveSet {
    const char* name;
    std::array<const char*, 5> formulas;  // slots 0..4, empty where none
};

class EvaluatedApart : public RendererTest, public ::testing::WithParamInterface<CurveSet> {};

// Evaluated on two threads while the background is drawn, the curves have the
// pixels of curves evaluated as they are drawn, whichever thread takes which
// curve and however their chunks of samples interleave.
TEST_P(EvaluatedApart, CurvesHaveThePixelsOfCurvesEvaluatedHere) {
    for (int slot = 0; slot <= 4; ++slot) setSlot(slot, GetParam().formulas[slot]);
    CurveSlot[1].domain = TDomain{-1.5L, 3, true};
    for (const int precision : {1, 2, 3}) {
        options.precision = precision;
        drawBackground(canvas, frame, options);
        EXPECT_TRUE(FunctionCurves(frame, options, FunctionCurves::Evaluating::Here).draw(canvas).empty());
        const QImage here = image.copy();
        FunctionCurves apart(frame, options);
        drawBackground(canvas, frame, options);
        apart.draw(canvas);
        EXPECT_EQ(image, here) << "precision " << precision;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Curves, EvaluatedApart,
    ::testing::Values(
        // Fine steps, a pole, a restricted domain, undefined values.
        CurveSet{"Mixed", {"sin(10*x)", "x^3-2*x", "1/x", "ln(x)", "sqrt(4-x^2)"}},
        // The drawing thread takes the cheap curves while the other is still on
        // the first, and strokes them only after it.
        CurveSet{"SlowFirst", {"sin(100*x)*exp(cos(x))", "x", "-x", "2", "-2"}},
        CurveSet{"OneCurve", {"", "x^2-2", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

// The background can fail before the curves are drawn: their evaluation must
// still end, though nobody takes its samples, and leave the thread free.
TEST_F(RendererTest, CurvesNeverDrawnLetTheirEvaluationEnd) {
    setSlot(1, "sin(100*x)");  // only fine steps: many chunks of samples
    setSlot(2, "x^2");
    options.precision = 3;
    { FunctionCurves(frame, options); }
    EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(10000));
    drawFunctionCurves(canvas, frame, options);
    EXPECT_EQ(canvas.pixel(frame.column(1), frame.row(1)), clLime);
}

}  // namespace

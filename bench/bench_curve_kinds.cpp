// The cartesian-equation curve at precision 3 on the graph of the 1280 layout,
// against one evaluation of F at every point the zero finder's scan samples
// on the same lines; and one frame of the animation of k, without its pacing,
// against the static picture it is drawn over. Prints the ratios.

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

#include "expression/matutil.h"
#include "expression/parsor.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/curve_kinds.h"
#include "plane/graph_renderer.h"
#include "platform/canvas.h"
#include "bench/bench_summary.h"

namespace {

constexpr int GraphWidth = 850;
constexpr int GraphHeight = 800;
const char* const Equations[] = {"x^2+y^2-(4)", "sin(x)-(cos(y))"};

void setUpFrame() {
    initialisePlotState();
    PlotFrame.ymin = -7.94L;
    PlotFrame.ymax = 7.94L;
    PlotFrame.deriveFrom(GraphWidth, GraphHeight);
}

TExpress& equation(int index) {
    static TExpress compiled;
    compiled.setExpression(NormaliseFormula(Equations[index]));
    return compiled;
}

void Equation(benchmark::State& state) {
    setUpFrame();
    TExpress& f = equation(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(equationDots(f, PlotFrame, 3, true));
}

// F once at every scan point of both passes: the horizontal lines 3 pixels
// apart scanned every 3 pixels, then the vertical ones.
void EquationSweep(benchmark::State& state) {
    setUpFrame();
    TExpress& f = equation(int(state.range(0)));
    const TPlotFrame& frame = PlotFrame;
    for (auto _ : state) {
        for (long double y = frame.ymin; y < frame.ymax; y += 3 * frame.pixelx)
            for (long double x = frame.xmin; x < frame.xmax; x += 3 * frame.pixelx)
                benchmark::DoNotOptimize(f.Evaluate(x, y, 0));
        for (long double x = frame.xmin; x < frame.xmax; x += 3 * frame.pixelx)
            for (long double y = frame.ymin; y < frame.ymax; y += 3 * frame.pixely)
                benchmark::DoNotOptimize(f.Evaluate(x, y, 0));
    }
}

// One frame of the animation of f(x,k) = kx^2 and g(x,k) = sin(x+k) at k = 0.5
// against the static picture of the same curves, 0.5x^2 and sin(x+0.5): the
// background, axes, grid and labels copied to the window picture, then the curves.
void picture(benchmark::State& state, bool animated) {
    setUpFrame();
    CurveSlot[1].formula = NormaliseFormula(animated ? "kx^2" : "0.5x^2");
    CurveSlot[2].formula = NormaliseFormula(animated ? "sin(x+k)" : "sin(x+0.5)");
    const GraphOptions options;
    QImage back(GraphWidth, GraphHeight, QImage::Format_RGB32);
    QImage window(GraphWidth, GraphHeight, QImage::Format_RGB32);
    Canvas backCanvas(back), windowCanvas(window);
    for (auto _ : state) {
        clearGraph(backCanvas);
        drawAxes(backCanvas, PlotFrame, options.thickness);
        drawGrid(backCanvas, PlotFrame, options.thickness);
        drawLabels(backCanvas, PlotFrame, options);
        windowCanvas.draw(0, 0, back);
        if (animated)
            drawAnimationFrame(windowCanvas, PlotFrame, options, 0.5L);
        else
            drawFunctionCurves(windowCanvas, PlotFrame, options);
    }
}

void StaticPicture(benchmark::State& state) { picture(state, false); }
void AnimationFrame(benchmark::State& state) { picture(state, true); }

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::RegisterBenchmark("Equation", Equation)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("EquationSweep", EquationSweep)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("StaticPicture", StaticPicture)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AnimationFrame", AnimationFrame)->Unit(benchmark::kMillisecond);
    MedianTimes times;
    if (!RunBenchmarks(argc, argv, times)) return 1;
    PrintRatioHeader();
    PrintRatio(times, "x^2+y^2=4 / one sweep", "Equation/0", "EquationSweep/0");
    PrintRatio(times, "sin(x)=cos(y) / one sweep", "Equation/1", "EquationSweep/1");
    PrintRatio(times, "animation frame / static picture", "AnimationFrame", "StaticPicture");
    return 0;
}

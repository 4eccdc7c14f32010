// One complete composition of the plane graph (background, axes, grid, labels,
// four curves, copy to the window picture) at each precision, against the cost
// of only evaluating the same formulas at the same abscissas, by the wall
// clock: the curves are evaluated on another thread while the background and
// the strokes are drawn, or on one thread for comparison. Prints the ratios of
// the medians and the share of the picture without curves.

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_summary.h"
#include "expression/matutil.h"
#include "expression/parsor.h"
#include "model/plot_state.h"
#include "plane/graph_renderer.h"
#include "platform/canvas.h"

namespace {

// The graph window of the 1280 layout.
constexpr int GraphWidth = 850;
constexpr int GraphHeight = 800;

const char* const Typed[] = {"x^2-2", "sin(x)*e(-x/5)", "1/x", "sqrt(abs(x))+ln(x^2+1)"};

void setUpGraph() {
    PlotFrame = TPlotFrame{};
    PlotFrame.xmin = -10;
    PlotFrame.xmax = 10;
    PlotFrame.ymin = -7.94L;
    PlotFrame.ymax = 7.94L;
    PlotFrame.deriveFrom(GraphWidth, GraphHeight);
    resetCurveColours();
    for (int slot = 1; slot <= 4; ++slot) {
        CurveSlot[slot].formula = NormaliseFormula(Typed[slot - 1]);
        CurveSlot[slot].domain = TDomain{};
    }
}

GraphOptions optionsAt(int precision) {
    GraphOptions options;
    options.precision = precision;
    return options;
}

// The whole picture as the graph window composes it, with or without the curves.
void compose(benchmark::State& state, std::optional<FunctionCurves::Evaluating> curvesEvaluated) {
    setUpGraph();
    const GraphOptions options = optionsAt(int(state.range(0)));
    QImage back(GraphWidth, GraphHeight, QImage::Format_RGB32);
    QImage window(GraphWidth, GraphHeight, QImage::Format_RGB32);
    Canvas backCanvas(back), windowCanvas(window);
    for (auto _ : state) {
        PlotFrame.deriveFrom(GraphWidth, GraphHeight);
        std::optional<FunctionCurves> curves;
        if (curvesEvaluated) curves.emplace(PlotFrame, options, *curvesEvaluated);
        clearGraph(backCanvas);
        drawAxes(backCanvas, PlotFrame, options.thickness);
        drawGrid(backCanvas, PlotFrame, options.thickness);
        drawLabels(backCanvas, PlotFrame, options);
        if (curves) benchmark::DoNotOptimize(curves->draw(backCanvas));
        windowCanvas.draw(0, 0, back);
    }
}

void Trace(benchmark::State& state) { compose(state, FunctionCurves::Evaluating::Apart); }
void TraceOnOneThread(benchmark::State& state) { compose(state, FunctionCurves::Evaluating::Here); }
void Background(benchmark::State& state) { compose(state, std::nullopt); }

// The abscissas a trace evaluates, slot by slot.
std::vector<std::vector<long double>> sampleAbscissas(int precision) {
    std::vector<std::vector<long double>> abscissas;
    TExpress formula;
    for (int slot = 1; slot <= 4; ++slot) {
        formula.setExpression(CurveSlot[slot].formula);
        std::vector<long double> xs;
        for (const CurveSample& sample :
             sampleFunction(formula, PlotFrame, CurveSlot[slot].domain, precision, 3))
            xs.push_back(sample.x);
        abscissas.push_back(std::move(xs));
    }
    return abscissas;
}

void EvaluateOnly(benchmark::State& state) {
    setUpGraph();
    const auto abscissas = sampleAbscissas(int(state.range(0)));
    std::vector<TExpress> formulas(4);
    for (int slot = 1; slot <= 4; ++slot) formulas[slot - 1].setExpression(CurveSlot[slot].formula);
    for (auto _ : state) {
        for (int k = 0; k < 4; ++k)
            for (const long double x : abscissas[k])
                benchmark::DoNotOptimize(formulas[k].Evaluate(x, 0, 0));
    }
    std::size_t samples = 0;
    for (const auto& xs : abscissas) samples += xs.size();
    state.counters["samples"] = double(samples);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    using Run = void (*)(benchmark::State&);
    const std::pair<const char*, Run> byPrecision[] = {
        {"Trace", Trace}, {"TraceOnOneThread", TraceOnOneThread}, {"EvaluateOnly", EvaluateOnly}};
    for (const auto& [name, run] : byPrecision)
        benchmark::RegisterBenchmark(name, run)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("Background", Background)
        ->Arg(2)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    MedianTimes times;
    if (!RunBenchmarks(argc, argv, times)) return 1;
    PrintRatioHeader();
    const auto timed = [](const std::string& name, const char* precision) {
        return name + "/" + precision + "/real_time";
    };
    for (const char* precision : {"1", "2", "3"}) {
        PrintRatio(times, std::string("trace / evaluation, precision ") + precision,
                   timed("Trace", precision), timed("EvaluateOnly", precision));
        PrintRatio(times, "  on one thread", timed("TraceOnOneThread", precision),
                   timed("EvaluateOnly", precision));
    }
    PrintRatio(times, "picture without curves / evaluation, precision 2", timed("Background", "2"),
               timed("EvaluateOnly", "2"));
    return 0;
}

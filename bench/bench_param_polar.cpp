// The parametric and polar curves at precision 3 on the graph of the 1280
// layout, against the evaluation alone of the samples they are drawn from:
// (X(t), Y(t)) for the Lissajous curve, (cos x R(x), sin x R(x)) for the
// cardioid. Prints the ratios.

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>

#include "bench/bench_summary.h"
#include "expression/matutil.h"
#include "expression/parsor.h"
#include "model/curve_entries.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/curve_kinds.h"
#include "plane/graph_renderer.h"
#include "platform/canvas.h"

namespace {

constexpr int GraphWidth = 850;
constexpr int GraphHeight = 800;
constexpr int Precision = 3;

void setUpFrame() {
    initialisePlotState();
    PlotFrame.ymin = -7.94L;
    PlotFrame.ymax = 7.94L;
    PlotFrame.deriveFrom(GraphWidth, GraphHeight);
    ParametricRange = TCurveRange{};
    PolarRange = TCurveRange{};
    CurveSlot[1].formula = NormaliseFormula("cos(3x)");
    CurveSlot[2].formula = NormaliseFormula("sin(2x)");
}

long double high() { return NumberReader("2pi"); }

void trace(benchmark::State& state, bool polar) {
    setUpFrame();
    if (polar) CurveSlot[1].formula = NormaliseFormula("1+cos(x)");
    GraphOptions options;
    options.precision = Precision;
    QImage picture(GraphWidth, GraphHeight, QImage::Format_RGB32);
    Canvas canvas(picture);
    for (auto _ : state) {
        if (polar) drawPolarCurve(canvas, PlotFrame, options);
        else drawParametricCurve(canvas, PlotFrame, options);
    }
}

void ParametricTrace(benchmark::State& state) { trace(state, false); }
void PolarTrace(benchmark::State& state) { trace(state, true); }

void ParametricSamples(benchmark::State& state) {
    setUpFrame();
    TExpress x, y;
    x.setExpression(CurveSlot[1].formula);
    y.setExpression(CurveSlot[2].formula);
    const long double step = PlotFrame.pixelx / (Precision * Precision * Precision), last = high();
    for (auto _ : state)
        for (long double i = 0, t = 0; t < last; t = ++i * step) {
            benchmark::DoNotOptimize(x.Evaluate(t, 0, 0));
            benchmark::DoNotOptimize(y.Evaluate(t, 0, 0));
        }
}

void PolarSamples(benchmark::State& state) {
    setUpFrame();
    TExpress r;
    r.setExpression(NormaliseFormula("1+cos(x)"));
    const long double step = PlotFrame.pixelx / (Precision * Precision), last = high();
    for (auto _ : state)
        for (long double i = 0, angle = 0; angle < last; angle = ++i * step) {
            const long double radius = r.Evaluate(angle, 0, 0);
            long double sine, cosine;
            sincosl(angle, &sine, &cosine);
            benchmark::DoNotOptimize(cosine * radius);
            benchmark::DoNotOptimize(sine * radius);
        }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::RegisterBenchmark("ParametricTrace", ParametricTrace)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ParametricSamples", ParametricSamples)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PolarTrace", PolarTrace)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PolarSamples", PolarSamples)->Unit(benchmark::kMillisecond);
    MedianTimes times;
    if (!RunBenchmarks(argc, argv, times)) return 1;
    PrintRatioHeader();
    PrintRatio(times, "Lissajous curve / its samples", "ParametricTrace", "ParametricSamples");
    PrintRatio(times, "cardioid / its samples", "PolarTrace", "PolarSamples");
    return 0;
}

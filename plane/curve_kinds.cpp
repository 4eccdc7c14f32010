#include "plane/curve_kinds.h"

#include <cmath>

#include "expression/matutil.h"
#include "expression/parsor.h"

namespace {

constexpr int FinestPrecision = 3;
constexpr int ScanPixels = 3;
constexpr int MostZerosDrawn = 29;
constexpr int MostZerosGoingOn = 30;

// Horizontal lines are this many pixel widths apart, by precision 1, 2, 3.
long double lineSpacing(int precision) {
    switch (precision) {
        case 1: return 10;
        case 2: return 5;
        default: return 3;
    }
}

void addDots(std::vector<QPoint>& dots, const TPlotFrame& frame, const ZeroList& zeros, ScannedVariable scanned,
             long double fixed) {
    if (zeros.count < 1 || zeros.count > MostZerosDrawn) return;
    for (int i = 0; i < zeros.count; ++i) {
        const long double zero = zeros.values[static_cast<std::size_t>(i)];
        const long double x = scanned == ScannedVariable::X ? zero : fixed;
        const long double y = scanned == ScannedVariable::X ? fixed : zero;
        if (frame.inside(x, y)) dots.emplace_back(frame.column(x), frame.row(y));
    }
}

}  // namespace

std::vector<CurveSample> sampleAnimatedCurve(TExpress& formula, const TPlotFrame& frame, long double k,
                                             int precision) {
    std::vector<CurveSample> samples;
    const long double flatStep = frame.pixelx, steepStep = 2 * frame.pixelx / precision;
    long double x = frame.xmin;
    do {
        const long double y = formula.Evaluate(x, k, 0);
        samples.push_back({x, y});
        const long double next = x + (std::fabs(y) <= frame.pixelx ? flatStep : steepStep);
        // Far from the origin a step can vanish in rounding; the curve ends there.
        if (!(next > x)) break;
        x = next;
    } while (x <= frame.xmax);
    return samples;
}

void drawAnimationFrame(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options, long double k) {
    TExpress expression;
    for (int slot = 1; slot <= 2; ++slot) {
        const TCurveSlot& curve = CurveSlot[slot];
        if (curve.formula.empty()) continue;
        expression.setExpression(curve.formula);
        if (expression.SyntaxError()) continue;
        canvas.setPen(curve.colour, options.thickness + 1);
        strokeSamples(canvas, frame, sampleAnimatedCurve(expression, frame, k, options.precision));
    }
}

std::vector<QPoint> equationDots(TExpress& equation, const TPlotFrame& frame, int precision,
                                 bool verticalLines) {
    std::vector<QPoint> dots;
    const long double spacing = lineSpacing(precision) * frame.pixelx;
    int found = 0;
    long double y = frame.ymin;
    do {
        const ZeroList zeros = FindZeros(equation, ScannedVariable::X, y, frame.xmin, frame.xmax,
                                         ScanPixels * frame.pixelx);
        found = zeros.count;
        addDots(dots, frame, zeros, ScannedVariable::X, y);
        const long double next = y + spacing;
        if (!(next > y)) break;
        y = next;
    } while (y < frame.ymax && found <= MostZerosGoingOn);
    if (!verticalLines) return dots;
    long double x = frame.xmin;
    do {
        const ZeroList zeros = FindZeros(equation, ScannedVariable::Y, x, frame.ymin, frame.ymax,
                                         ScanPixels * frame.pixely);
        addDots(dots, frame, zeros, ScannedVariable::Y, x);
        const long double next = x + ScanPixels * frame.pixelx;
        if (!(next > x)) break;
        x = next;
    } while (x < frame.xmax);
    return dots;
}

void drawCartesianEquation(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options) {
    const TCurveSlot& curve = CurveSlot[1];
    if (curve.formula.empty()) return;
    TExpress equation;
    equation.setExpression(curve.formula);
    if (equation.SyntaxError()) return;
    canvas.setPen(curve.colour, options.thickness);
    for (const QPoint& dot : equationDots(equation, frame, options.precision, options.precision == FinestPrecision))
        canvas.ellipse(dot.x() - 1, dot.y() + 1, dot.x() + 1, dot.y() - 1);
}

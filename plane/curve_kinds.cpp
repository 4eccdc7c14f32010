#include "plane/curve_kinds.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <map>

#include "expression/matutil.h"
#include "expression/parsor.h"

namespace {

constexpr int FinestPrecision = 3;
constexpr TColor GridColour = clSilver;
constexpr int MostGridRays = 50;
constexpr long double RayHalfLength = 1000;
constexpr int UnitTick = 5;
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

// The pixels, around (0, 0), that the canvas's pen covers when it draws a dot:
// each dot of a curve is then stamped instead of being drawn, with the same
// pixels, as a curve has thousands of them.
std::vector<QPoint> dotFootprint(int penWidth) {
    const int reach = std::max(penWidth, 1) + 3;
    QImage scratch(2 * reach + 1, 2 * reach + 1, QImage::Format_RGB32);
    Canvas stamp(scratch);
    stamp.fill(clWhite);
    stamp.setPen(clBlack, penWidth);
    stamp.ellipse(reach - 1, reach + 1, reach + 1, reach - 1);
    std::vector<QPoint> footprint;
    for (int y = 0; y < scratch.height(); ++y)
        for (int x = 0; x < scratch.width(); ++x)
            if (stamp.pixel(x, y) != clWhite) footprint.emplace_back(x - reach, y - reach);
    return footprint;
}

void addDot(std::vector<QPoint>& dots, QPoint dot) {
    if (dots.empty() || dots.back() != dot) dots.push_back(dot);
}

// Calls sample(u) for u = low + i * step while u < high (u = low always), the
// step made coarser when the range would need more than MaxCurveSamples.
template <typename Sample>
void forEachParameter(long double low, long double high, long double step, Sample sample) {
    const long double stride = std::max(step, (high - low) / MaxCurveSamples);
    long double u = low;
    for (long double i = 1;; ++i) {
        sample(u);
        const long double next = low + i * stride;
        // Far from 0 a step can vanish in rounding; the curve ends there.
        if (!(next > u) || !(next < high)) break;
        u = next;
    }
}

long double power(int base, int exponent) {
    long double result = 1;
    for (int i = 0; i < exponent; ++i) result *= base;
    return result;
}

// Circles every `spacing` about the origin, from the first that can cross the
// picture to the last, pen width included.
void drawGridCircles(Canvas& canvas, const TPlotFrame& frame, long double spacing) {
    if (!(spacing >= frame.pixelx && spacing >= frame.pixely)) return;
    const long double nearestX = std::clamp<long double>(0, frame.xmin, frame.xmax);
    const long double nearestY = std::clamp<long double>(0, frame.ymin, frame.ymax);
    const long double farthestX = std::max(std::fabs(frame.xmin), std::fabs(frame.xmax));
    const long double farthestY = std::max(std::fabs(frame.ymin), std::fabs(frame.ymax));
    const long double margin = (canvas.penWidth() + 2) * std::max(frame.pixelx, frame.pixely);
    const long double first = std::max<long double>(1, std::floor((hypotl(nearestX, nearestY) - margin) / spacing));
    const long double last = std::ceil((hypotl(farthestX, farthestY) + margin) / spacing);
    for (long double m = first; m <= last; ++m) {
        const long double radius = m * spacing;
        canvas.ellipse(frame.column(-radius), frame.row(-radius), frame.column(radius), frame.row(radius));
    }
}

void drawGridRays(Canvas& canvas, const TPlotFrame& frame, long double angle) {
    const long double wanted = std::trunc(6.28L / angle);
    const int count = static_cast<int>(std::clamp<long double>(wanted, 1, MostGridRays));
    for (int i = 0; i < count; ++i) {
        const long double x = RayHalfLength * cosl(i * angle), y = RayHalfLength * sinl(i * angle);
        canvas.line(frame.column(-x), frame.row(-y), frame.column(x), frame.row(y));
    }
}

}  // namespace

void drawDots(Canvas& canvas, const std::vector<QPoint>& dots) {
    // Found once for each pen width: a paint takes less time than drawing one.
    static std::map<int, std::vector<QPoint>> footprints;
    const int penWidth = canvas.penWidth();
    if (!footprints.contains(penWidth)) footprints[penWidth] = dotFootprint(penWidth);
    const std::vector<QPoint>& footprint = footprints[penWidth];
    QImage& image = canvas.image();
    const QRgb colour = toQColor(canvas.penColour()).rgb();
    // The pictures of the graph hold 32-bit pixels, written in place.
    const bool direct = image.depth() == 32;
    uchar* const bits = direct ? image.bits() : nullptr;
    const qsizetype stride = image.bytesPerLine();
    for (const QPoint& dot : dots)
        for (const QPoint& offset : footprint) {
            const QPoint pixel = dot + offset;
            if (!image.valid(pixel)) continue;
            if (direct) reinterpret_cast<QRgb*>(bits + pixel.y() * stride)[pixel.x()] = colour;
            else image.setPixel(pixel, colour);
        }
}

std::vector<QPoint> parametricDots(TExpress& x, TExpress& y, const TPlotFrame& frame, long double low,
                                   long double high, int precision) {
    std::vector<QPoint> dots;
    forEachParameter(low, high, frame.pixelx / power(precision, 3), [&](long double t) {
        const long double X = x.Evaluate(t, 0, 0);
        if (!(frame.xmin < X && X < frame.xmax)) return;
        const long double Y = y.Evaluate(t, 0, 0);
        if (frame.ymin < Y && Y < frame.ymax) addDot(dots, QPoint(frame.column(X), frame.row(Y)));
    });
    return dots;
}

std::vector<QPoint> polarDots(TExpress& radius, const TPlotFrame& frame, long double low, long double high,
                              int precision) {
    std::vector<QPoint> dots;
    forEachParameter(low, high, frame.pixelx / power(precision, 2), [&](long double angle) {
        const long double r = radius.Evaluate(angle, 0, 0);
        if (r == ErrorValue) return;
        long double sine, cosine;
        sincosl(angle, &sine, &cosine);
        const long double X = cosine * r, Y = sine * r;
        if (frame.inside(X, Y)) addDot(dots, QPoint(frame.column(X), frame.row(Y)));
    });
    return dots;
}

void drawParametricCurve(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options) {
    const std::optional<long double> low = ParametricRange.low(), high = ParametricRange.high();
    if (ParametricRange.hidden || !low || !high) return;
    TExpress x, y;
    x.setExpression(CurveSlot[1].formula);
    y.setExpression(CurveSlot[2].formula);
    if (CurveSlot[1].formula.empty() || CurveSlot[2].formula.empty() || x.SyntaxError() || y.SyntaxError()) return;
    canvas.setPen(CurveSlot[1].colour, options.thickness);
    drawDots(canvas, parametricDots(x, y, frame, *low, *high, options.precision));
}

void drawPolarCurve(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options) {
    const std::optional<long double> low = PolarRange.low(), high = PolarRange.high();
    if (PolarRange.hidden || !low || !high || CurveSlot[1].formula.empty()) return;
    TExpress radius;
    radius.setExpression(CurveSlot[1].formula);
    if (radius.SyntaxError()) return;
    canvas.setPen(CurveSlot[1].colour, options.thickness + 1);
    drawDots(canvas, polarDots(radius, frame, *low, *high, options.precision));
}

void drawPolarGrid(Canvas& canvas, const TPlotFrame& frame, int thickness, const PolarGridSteps& steps) {
    canvas.setPen(GridColour, thickness - 2);
    if (PolarGrid.circles) drawGridCircles(canvas, frame, steps.circle);
    if (PolarGrid.rays) drawGridRays(canvas, frame, steps.ray);
    const int x0 = frame.originx, y0 = frame.originy;
    canvas.setPen(clBlack, thickness - 1);
    canvas.line(x0, y0, frame.column(steps.circle), y0);
    canvas.line(x0, y0 - UnitTick, x0, y0 + UnitTick);
}

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
    drawDots(canvas, equationDots(equation, frame, options.precision, options.precision == FinestPrecision));
}

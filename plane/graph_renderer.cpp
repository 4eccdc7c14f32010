#include "plane/graph_renderer.h"

#include <algorithm>
#include <cmath>

#include "expression/parsor.h"

namespace {

constexpr TColor GridColour = clSilver;
constexpr int ArrowSize = 7;

struct Steps {
    long double coarse, fine;
};

Steps samplingSteps(long double pixel, int precision) {
    switch (precision) {
        case 1: return {4 * pixel, pixel};
        case 3: return {pixel / 5, pixel / 30};
        default: return {pixel / 2, pixel / 8};
    }
}

// Several samples fall on one pixel, and a run of steps in one direction is one
// stroke: both are merged so that the pen paints each stretch once, with the
// same pixels as the separate strokes.
void extendPolyline(std::vector<QPoint>& polyline, QPoint point) {
    const std::size_t size = polyline.size();
    if (size > 0 && polyline.back() == point) return;
    if (size >= 2) {
        const QPoint previous = polyline[size - 1] - polyline[size - 2];
        const QPoint next = point - polyline[size - 1];
        const long long cross = 1LL * previous.x() * next.y() - 1LL * previous.y() * next.x();
        const long long dot = 1LL * previous.x() * next.x() + 1LL * previous.y() * next.y();
        if (cross == 0 && dot > 0) {
            polyline.back() = point;
            return;
        }
    }
    polyline.push_back(point);
}

// Calls visit(sample) for each sample of the curve of a compiled formula, from
// left to right: the coarse step, and the fine step where the value moves fast.
template <typename Visit>
void forEachSample(TExpress& formula, const TPlotFrame& frame, const TDomain& domain,
                   int precision, int thickness, Visit visit) {
    const Steps steps = samplingSteps(frame.pixelx, precision);
    const long double steep = 5 * frame.pixelx / thickness;
    long double x = frame.xmin, previous = 0, y = 0;
    do {
        if (domain.contains(x)) {
            y = formula.Evaluate(x, 0, 0);
            visit(CurveSample{x, y});
        }
        // A branch rather than a select: the processor predicts the step and
        // starts the next evaluation before this value is known.
        long double next = x + steps.coarse;
        if (std::fabs(y - previous) > steep) [[unlikely]]
            next = x + steps.fine;
        // Far from the origin a step can vanish in rounding; the curve ends there.
        if (!(next > x)) break;
        x = next;
        previous = y;
    } while (x <= frame.xmax);
}

// The strokes of a curve, drawn as its samples come: the pen is lifted wherever
// a value leaves [ymin, ymax]; each polyline starts at its first point inside.
class CurveStrokes {
public:
    CurveStrokes(Canvas& canvas, const TPlotFrame& frame) : canvas_(canvas), frame_(frame) {}

    void add(const CurveSample& sample) {
        if (frame_.ymin <= sample.y && sample.y <= frame_.ymax)
            extendPolyline(polyline_, QPoint(frame_.column(sample.x), frame_.row(sample.y)));
        else
            finish();
    }

    void finish() {
        if (!polyline_.empty()) canvas_.polyline(polyline_);
        polyline_.clear();
    }

private:
    Canvas& canvas_;
    const TPlotFrame& frame_;
    std::vector<QPoint> polyline_;
};

}  // namespace

void clearGraph(Canvas& canvas) { canvas.fill(clWhite); }

void drawAxes(Canvas& canvas, const TPlotFrame& frame, int thickness) {
    const int width = canvas.width(), height = canvas.height();
    const int x0 = frame.originx, y0 = frame.originy;
    canvas.setPen(clBlack, thickness - 1);
    canvas.line(0, y0, width, y0);
    canvas.line(x0, 0, x0, height);
    const int tip = frame.row(frame.graduey);
    canvas.line(x0, tip, x0 - ArrowSize, tip + ArrowSize);
    canvas.line(x0, tip, x0 + ArrowSize, tip + ArrowSize);
}

void drawGrid(Canvas& canvas, const TPlotFrame& frame, int thickness) {
    const int width = canvas.width(), height = canvas.height();
    const int penWidth = thickness - 2;
    canvas.setPen(GridColour, penWidth);
    const int margin = std::max(1, penWidth);
    forEachGraduation(frame.originx, width, frame.graduex, frame.pixelx, margin,
                      [&](int column) { canvas.line(column, 0, column, height); });
    forEachGraduation(frame.originy, height, frame.graduey, frame.pixely, margin,
                      [&](int row) { canvas.line(0, row, width, row); });
}

void drawLabels(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options) {
    const int x0 = frame.originx, y0 = frame.originy;
    const int xTip = frame.column(frame.graduex);
    const int yTip = frame.row(frame.graduey);
    canvas.setFontSize(options.fontSize);
    canvas.setFontColour(clBlack);
    canvas.setPen(clBlack, options.thickness - 1);
    canvas.textOut(xTip - 5, y0 + 8, options.graduexText);
    if (!options.polar) canvas.textOut(x0 - 18, yTip - 8, options.graduyText);
    canvas.textOut(x0 - 25, y0 + 7, "O");
    canvas.line(xTip, y0, xTip - ArrowSize, y0 - ArrowSize);
    canvas.line(xTip, y0, xTip - ArrowSize, y0 + ArrowSize);
}

std::vector<CurveSample> sampleFunction(TExpress& formula, const TPlotFrame& frame,
                                        const TDomain& domain, int precision, int thickness) {
    std::vector<CurveSample> samples;
    forEachSample(formula, frame, domain, precision, thickness,
                  [&](const CurveSample& sample) { samples.push_back(sample); });
    return samples;
}

void strokeSamples(Canvas& canvas, const TPlotFrame& frame, const std::vector<CurveSample>& samples) {
    CurveStrokes strokes(canvas, frame);
    for (const CurveSample& sample : samples) strokes.add(sample);
    strokes.finish();
}

std::vector<int> drawFunctionCurves(Canvas& canvas, const TPlotFrame& frame,
                                    const GraphOptions& options) {
    std::vector<int> failed;
    TExpress expression;
    for (int slot = 0; slot <= 4; ++slot) {
        const TCurveSlot& curve = CurveSlot[slot];
        if (curve.formula.empty()) continue;
        if (slot > 0 && options.hideCurves) continue;
        expression.setExpression(curve.formula);
        if (expression.SyntaxError()) {
            failed.push_back(slot);
            continue;
        }
        canvas.setPen(curve.colour, options.thickness + 1);
        CurveStrokes strokes(canvas, frame);
        forEachSample(expression, frame, curve.domain, options.precision, options.thickness,
                      [&](const CurveSample& sample) { strokes.add(sample); });
        strokes.finish();
    }
    return failed;
}

QString invalidFormulaMessage(int slot) {
    return QString::fromUtf8("écriture de la fonction ")
           + QString::fromLatin1(CurveSlot[slot].name.c_str()) + QString::fromUtf8(" non valide");
}

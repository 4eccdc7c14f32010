#pragma once
// Composition of the plane graph's back buffer: background, axes, grid,
// graduation labels and the curves of functions of x. Plain functions over a
// Canvas, fed with the option values, so that every picture can be checked
// and timed without a window.

#include <QString>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "model/plot_state.h"
#include "platform/canvas.h"

class TExpress;

struct GraphOptions {
    int thickness = 3;  // "Epaisseur des tracés", E
    int fontSize = 13;  // "Taille des caractères"
    int precision = 2;  // "Précision des courbes", P
    bool grid = true;           // "Quadrillage"
    bool hideCurves = false;    // "Masquer les courbes" (slots 1..4 only)
    QString graduexText = "1";  // labels written at the first graduations
    QString graduyText = "1";
    bool polar = false;  // polar frame: circles and rays instead of axes and squares
};

// Calls draw(position) for every graduation line h = 1, 2, ... on both sides
// of the origin whose pen can touch the picture. A step that is not a
// positive number of at least one pixel gives no lines, and lines far out of
// the picture are never visited, so the work is bounded by the picture size.
template <typename Draw>
void forEachGraduation(int origin, int extent, long double graduation, long double pixel,
                       int margin, Draw draw) {
    const long double pixels = graduation / pixel;
    if (!std::isfinite(pixels) || pixels < 1) return;
    for (const int side : {-1, 1}) {
        long double low = -margin - static_cast<long double>(origin);
        long double high = extent + margin - static_cast<long double>(origin);
        if (side < 0) {
            const long double mirroredLow = -high;
            high = -low;
            low = mirroredLow;
        }
        const long double first = std::max<long double>(1, std::floor(low / pixels) - 1);
        const long double last = std::ceil(high / pixels) + 1;
        for (long double h = first; h <= last; ++h) {
            const long double position = origin + side * std::trunc(h * graduation / pixel);
            if (position < -margin || position > extent + margin) continue;
            draw(static_cast<int>(position));
        }
    }
}

// White background; the canvas keeps its size.
void clearGraph(Canvas& canvas);
void drawAxes(Canvas& canvas, const TPlotFrame& frame, int thickness);
void drawGrid(Canvas& canvas, const TPlotFrame& frame, int thickness);
void drawLabels(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options);

// One evaluation of a curve: where, and what came out (ErrorValue, infinities
// and NaN included). Samples outside a restricted domain are not evaluated.
struct CurveSample {
    long double x;
    long double y;
};

// The abscissas the curve of a compiled formula is evaluated at, with the
// coarse step and the fine step where the value moves fast, and the values.
std::vector<CurveSample> sampleFunction(TExpress& formula, const TPlotFrame& frame,
                                        const TDomain& domain, int precision, int thickness);
// Strokes samples computed elsewhere with the canvas's pen, lifting it wherever
// a value leaves [ymin, ymax], as the function curves are stroked.
void strokeSamples(Canvas& canvas, const TPlotFrame& frame, const std::vector<CurveSample>& samples);

struct CurveEvaluation;

// The curves of slots 0..4 (slot 0 always, 1..4 unless hidden), evaluated
// from the moment they are asked for, so that the background can be drawn
// meanwhile. The frame and options are those of the picture they go on.
class FunctionCurves {
public:
    // Apart: where there is a second processor, another thread starts on the
    // curves at once, and this one takes its share once it draws them. Here:
    // on this thread, as they are drawn. The pixels are the same.
    enum class Evaluating { Apart, Here };

    FunctionCurves(const TPlotFrame& frame, const GraphOptions& options,
                   Evaluating where = Evaluating::Apart);
    ~FunctionCurves();
    FunctionCurves(const FunctionCurves&) = delete;
    FunctionCurves& operator=(const FunctionCurves&) = delete;

    // Strokes each curve as its samples come. Returns the slots whose formula
    // does not compile; the others are still drawn.
    std::vector<int> draw(Canvas& canvas);

private:
    void startEvaluating();

    TPlotFrame frame_;
    GraphOptions options_;
    std::shared_ptr<CurveEvaluation> evaluation_;
    std::vector<int> failed_;
    bool apart_ = false;
};

// The curves at once, on a background already drawn.
std::vector<int> drawFunctionCurves(Canvas& canvas, const TPlotFrame& frame,
                                    const GraphOptions& options);

// The message shown for a slot that does not compile.
QString invalidFormulaMessage(int slot);

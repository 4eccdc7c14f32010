#pragma once
// Composition of the plane graph's back buffer: background, axes, grid,
// graduation labels and the curves of functions of x. Plain functions over a
// Canvas, fed with the option values, so that every picture can be checked
// and timed without a window.

#include <QString>
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

// Curves of slots 0..4 (slot 0 always, 1..4 unless hidden), each stroked as
// its samples come. Returns the slots whose formula does not compile; the
// others are still drawn.
std::vector<int> drawFunctionCurves(Canvas& canvas, const TPlotFrame& frame,
                                    const GraphOptions& options);

// The message shown for a slot that does not compile.
QString invalidFormulaMessage(int slot);

#pragma once
// The curves of the other kinds of the plane graph: one frame of the animated
// curves at a value of k, the dots where F(x, y) of an equation vanishes, the
// dots of parametric and polar curves and the polar grid. Plain functions over
// a Canvas.

#include <QPoint>
#include <vector>

#include "model/curve_entries.h"
#include "model/plot_state.h"
#include "plane/graph_renderer.h"
#include "platform/canvas.h"

class TExpress;

// The samples of x -> f(x, k) across the frame: one pixel apart where the
// value is near 0, 2 / precision pixels apart elsewhere.
std::vector<CurveSample> sampleAnimatedCurve(TExpress& formula, const TPlotFrame& frame, long double k,
                                             int precision);
// The curves of slots f and g at k, each in its colour; a formula that does
// not compile is left out.
void drawAnimationFrame(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options, long double k);

// The pixels of the zeros of the compiled F(x, y) found along horizontal
// lines, then, with `verticalLines`, along vertical ones. A line with more than
// 29 zeros is left out, and one with more than 30 ends the horizontal pass.
std::vector<QPoint> equationDots(TExpress& equation, const TPlotFrame& frame, int precision,
                                 bool verticalLines);
// The curve of the equation held by slot f, as dots in its colour. The
// vertical pass runs at the finest precision only.
void drawCartesianEquation(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options);

// Dots of a curve: the ellipse of the canvas's pen around each pixel,
// (column - 1, row + 1)-(column + 1, row - 1), as fast as its samples come.
void drawDots(Canvas& canvas, const std::vector<QPoint>& dots);

// No curve takes more samples than this in one paint: a long parameter range
// gets a coarser step instead of holding the program for minutes.
inline constexpr long double MaxCurveSamples = 1000000;

// The pixels of t -> (X(t), Y(t)) inside the frame, t running from `low` by
// pixelx / precision^3 while t < high (the first t always). A sample that
// repeats the pixel before it is left out.
std::vector<QPoint> parametricDots(TExpress& x, TExpress& y, const TPlotFrame& frame, long double low,
                                   long double high, int precision);
// The pixels of the polar curve r = R(angle), the angle running from `low` by
// pixelx / precision^2 while it is below `high`.
std::vector<QPoint> polarDots(TExpress& radius, const TPlotFrame& frame, long double low, long double high,
                              int precision);
// The curve of slots f (X) and g (Y) over ParametricRange, in the colour of f,
// unless hidden or either formula does not compile.
void drawParametricCurve(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options);
// The curve of slot f over PolarRange, in the colour of f, unless hidden.
void drawPolarCurve(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options);

// Silver circles about the origin every `steps.circle` and rays every
// `steps.ray` radians (at most 50), as PolarGrid asks, then the black unit
// segment and its tick. Circles that cannot cross the picture are skipped, and
// so are circles less than a pixel apart.
void drawPolarGrid(Canvas& canvas, const TPlotFrame& frame, int thickness, const PolarGridSteps& steps);

#pragma once
// The curves of the animation and cartesian-equation kinds of the plane graph:
// one frame of the animated curves at a value of k, and the dots where F(x, y)
// of an equation vanishes. Plain functions over a Canvas.

#include <QPoint>
#include <vector>

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

#pragma once
// The pictures of a sequence over the plane graph: the explicit sequence
// Un = f(n), each term joined to the y axis, and the staircase (cobweb)
// diagram of the recurrent sequence Un+1 = f(Un) between the curve and the
// line y = x. Plain functions over a Canvas, so that every picture can be
// checked without the window.

#include <optional>
#include <string>

#include "model/plot_state.h"
#include "platform/canvas.h"

class TExpress;

// The recurrent diagram draws only below this many terms.
inline constexpr long long RecurrentTermLimit = 30;

// "Nbre de termes": the truncated value of the field; a negative or unreadable
// count is refused.
std::optional<long long> readTermCount(const std::string& text);

// The terms n = 0, 1, ... while n <= xmax and fewer than `terms` are visited:
// a circle at (n, f(n)), a segment from the y axis and the label "Un" left of
// the axis, for the values inside the frame.
void drawExplicitSequence(Canvas& canvas, const TPlotFrame& frame, TExpress& formula,
                          long long terms, int penWidth);

// The line y = x, then from U0 the steps up (or down) to the curve, across to
// the line and back to the x axis, each term labelled "Un" on the x axis.
// Nothing but the line and the label U0 when there is no start, no formula or
// a count outside 1..29. Returns the number of the last term labelled.
int drawCobweb(Canvas& canvas, const TPlotFrame& frame, TExpress* formula,
               std::optional<long double> start, std::optional<long long> terms, int penWidth);

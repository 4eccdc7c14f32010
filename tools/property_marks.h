#pragma once
// The red marks of the property windows and of the modes they start: a point
// and its mirror image (parity), a point and the same point one period later
// (period), the solution of an inequality on the x axis with its brackets, and
// the reading of the variations under the mouse. The geometry is pixel
// arithmetic; drawPropertyMarks puts it on a canvas.

#include <QPoint>
#include <QString>
#include <vector>

#include "platform/colour.h"
#include "tools/function_properties.h"
#include "tools/graph_marks.h"

class Canvas;
struct TPlotFrame;

struct MarkCircle {
    QPoint centre;
    int radius;
};

struct PropertyMarks {
    Marks strokes;
    std::vector<MarkCircle> circles;
    std::vector<MarkText> texts;
};

// The segment from a point of the curve to its mirror image, both circled.
PropertyMarks mirrorMarks(const TPlotFrame& frame, const MirrorPair& pair);
// The segment from (x, y) to (x + period, y), both ends circled, with the
// period's text above its middle.
PropertyMarks periodMarks(const TPlotFrame& frame, long double x, long double y, long double period,
                          const QString& text);
// A dot on the x axis under a column that solves the inequality, and the
// bracket of the interval notation where a bound lies.
PropertyMarks inequalityMarks(const TPlotFrame& frame, int column, const InequalityMark& mark);
// A cross on the curve at (column, row), a line from just above it to the x
// axis and the abscissa written on the axis.
PropertyMarks variationMarks(const TPlotFrame& frame, int column, int row, long double x);

// Draws the marks with the red pen of the tool windows, their texts in the
// graph's text size and in `textColour`; the canvas keeps its own settings.
void drawPropertyMarks(Canvas& canvas, const PropertyMarks& marks, TColor textColour);

#pragma once
// The red marks the analysis windows leave on the graph: crosses at the
// points they found, segments down to the axes and small chevrons showing
// which way to read. The geometry is plain pixel arithmetic; only
// drawMarksOnGraph touches the graph window.

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

#include "tools/values_solving.h"

struct TPlotFrame;
class Canvas;

struct MarkStroke {
    QPoint from, to;
    bool operator==(const MarkStroke&) const = default;
};
using Marks = std::vector<MarkStroke>;

// Two diagonals reaching `reach` pixels either side of the centre.
void addCross(Marks& marks, QPoint centre, int reach);
// Two 5-pixel wings behind `tip`, which points along the unit axis vector `towards`.
void addChevron(Marks& marks, QPoint tip, QPoint towards);

// The reading of an image: up from (a, 0) to the curve, across to the y axis.
Marks imageMarks(const TPlotFrame& frame, long double a, long double y);
// The line y = k across the picture and a segment from each solution up to the curve.
Marks antecedentMarks(const TPlotFrame& frame, int pictureWidth, long double k,
                      const std::vector<PlotPoint>& solutions);
// A cross on the x axis at each zero.
Marks zeroMarks(const TPlotFrame& frame, const ZeroList& zeros);
// A cross at each common point and a segment down to the x axis.
Marks intersectionMarks(const TPlotFrame& frame, const std::vector<PlotPoint>& points);

// A horizontal double arrow on each extremum, 0.8 frame units either side of it.
Marks extremumMarks(const TPlotFrame& frame, const std::vector<PlotPoint>& extrema);

// Text written on the graph, placed by its top-left corner.
struct MarkText {
    QPoint topLeft;
    QString text;
    bool operator==(const MarkText&) const = default;
};

// The reading of a rate of change, drawn with a wider pen: across from the
// first point to the abscissa of the second, then up or down to the second,
// the difference of the abscissas under the first leg and that of the
// ordinates beside the second.
inline constexpr int RatePenWidth = 4;
struct RateMarks {
    Marks path;
    std::vector<MarkText> texts;
};
RateMarks rateMarks(const TPlotFrame& frame, PlotPoint first, PlotPoint second);

// The pen width of the marks: the line-thickness option minus 1.
int markPenWidth();
// Draws the marks in red into the graph window's back buffer and shows it with
// the constructions over it. Does nothing while there is no graph window.
void drawMarksOnGraph(const Marks& marks);
// The same for a rate of change, which stays until the next full redraw.
void drawRateOnGraph(const RateMarks& marks);
// Draws a rate of change over the picture the graph window shows, not into its
// back buffer: the next showing of the constructions takes it away.
void drawRateOverPicture(const RateMarks& marks);

// An outlined rectangle given by two opposite corners.
struct MarkBox {
    QPoint corner1, corner2;
    bool operator==(const MarkBox&) const = default;
};

// The rectangle of the integral's term at x: from (x, 0) to the column of
// x + step, its top 2.3 pixels short of the curve so that the curve stays
// whole. None outside the frame's x range or for a height of 10^7 or more.
std::optional<MarkBox> integralRectangle(const TPlotFrame& frame, long double x, long double step,
                                         long double y);
// The hatch at x between two curves, each end 2.25 pixels short of its curve;
// none where the curves are closer than that.
std::optional<MarkStroke> hatchStroke(const TPlotFrame& frame, long double x, long double y1,
                                      long double y2);

// The rectangles of an integral, outlined in silver into the graph window's
// back buffer as the sum finds them. A step finer than a pixel puts many
// terms on the same pixels: a rectangle is not drawn again over itself.
class IntegralRectangles {
public:
    explicit IntegralRectangles(long double step);
    void add(long double x, long double y);
    // Shows the back buffer with the constructions over it.
    void show();

private:
    long double step_;
    Canvas* canvas_;
    std::optional<MarkBox> last_;
};

// The hatching of the area between two curves, drawn in silver over the
// picture the graph window shows, so that the next showing of the
// constructions takes it away. The graph is repainted first, which clears
// the hatching of the area before. Twenty terms share a pixel column: the
// first one of each column is drawn.
class AreaHatching {
public:
    AreaHatching();
    void add(long double x, long double y1, long double y2);
    void show();

private:
    Canvas* canvas_;
    std::optional<int> lastColumn_;
};

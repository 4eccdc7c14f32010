#pragma once
// The red marks the analysis windows leave on the graph: crosses at the
// points they found, segments down to the axes and small chevrons showing
// which way to read. The geometry is plain pixel arithmetic; only
// drawMarksOnGraph touches the graph window.

#include <QPoint>
#include <vector>

#include "tools/values_solving.h"

struct TPlotFrame;

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

// The pen width of the marks: the line-thickness option minus 1.
int markPenWidth();
// Draws the marks in red into the graph window's back buffer and shows it with
// the constructions over it. Does nothing while there is no graph window.
void drawMarksOnGraph(const Marks& marks);

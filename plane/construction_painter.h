#pragma once
// Drawing of the construction tables over the window picture. The graph
// window's construit() copies the back buffer first, then calls these in order
// around its own steps (sequence, slider, variations).

#include <vector>

#include "model/construction_geometry.h"
#include "platform/canvas.h"

struct ConstructionStyle {
    int penWidth = 2;    // the thickness option minus 1
    int fontSize = 13;   // the font size option
    bool showTranslationVectors = false;    // "Voir les vecteurs"
    bool showSymmetryConstruction = false;  // "Voir la construction"
    bool showRotationConstruction = false;  // "Voir les constructions"
    bool showValuePoints = false;           // "Afficher les points."
};

// Points, images, table-of-values points, segments and lines. Trace dots go
// into the back buffer so that they stay until the next full redraw.
void drawPointsAndLines(Canvas& window, Canvas& offscreen, const ConstructionStyle& style);
// Polygons, straight or smoothed.
void drawPolygons(Canvas& window);
// Line with a two-stroke head at its end, in pixels, with the canvas's pen.
void DrawArrow(Canvas& canvas, int x1, int y1, int x2, int y2);
// Draws a Bezier curve through 3n+1 control points as connected lines (the
// only drawing mode the constructions use). Shows a message and draws nothing
// for any other count.
void BezierCurve(Canvas& canvas, const std::vector<PixelPoint>& controls, TColor penColour,
                 TColor brushColour);
// Smoothed polygons need a control polygon of at most this many points.
inline constexpr int MaxSmoothedVertices = (100 - 1) / 3 + 1;

#include "constructions/construction_painter.h"

void drawPointsAndLines(Canvas&, Canvas&, const ConstructionStyle&) {}
void drawPolygons(Canvas&) {}
void DrawArrow(Canvas& canvas, int x1, int y1, int x2, int y2) { canvas.line(x1, y1, x2, y2); }

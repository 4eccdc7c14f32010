#include "plane/construction_painter.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "platform/messages.h"
#include "platform/segment_clip.h"

namespace {

constexpr int PolygonTension = 90;

PixelPoint pixelOf(long double x, long double y) { return {PlotFrame.column(x), PlotFrame.row(y)}; }

WorldPoint positionOf(int slot) { return {PointTable[slot].x, PointTable[slot].y}; }

PixelPoint pixelOfSlot(int slot) { return pixelOf(PointTable[slot].x, PointTable[slot].y); }

void storePosition(int slot, WorldPoint position) {
    PointTable[slot].x = position.x;
    PointTable[slot].y = position.y;
}

void drawCross(Canvas& canvas, PixelPoint p) {
    canvas.line(p.x - 4, p.y - 4, p.x + 4, p.y + 4);
    canvas.line(p.x + 4, p.y - 4, p.x - 4, p.y + 4);
}

void drawLabel(Canvas& canvas, int slot) {
    const PixelPoint p = pixelOfSlot(slot);
    canvas.textOut(p.x - 15, p.y - 30, QString::fromLatin1(PointName(slot).c_str()));
}

void drawMarked(Canvas& canvas, int slot) {
    drawCross(canvas, pixelOfSlot(slot));
    drawLabel(canvas, slot);
}

// The red dot that stays in the back buffer as the trace of a moving point.
void drawTraceDot(Canvas& offscreen, int slot, int penWidth) {
    if (!PointTable[slot].trace) return;
    const PixelPoint p = pixelOfSlot(slot);
    offscreen.setPen(clRed, penWidth);
    offscreen.ellipse(p.x - 1, p.y - 1, p.x + 1, p.y + 1);
}

enum class Upward { No, Yes };

// The full-height vertical through x; lines stop one pixel short of their end,
// so the direction decides which edge row is left out.
void drawVertical(Canvas& window, long double x, Upward upward = Upward::Yes) {
    const int column = PlotFrame.column(x);
    if (upward == Upward::Yes) window.line(column, window.height(), column, 0);
    else window.line(column, 0, column, window.height());
}

// How many frame widths (and heights) around the frame a line is kept.
constexpr long double Surroundings = 10;

bool withinSurroundings(WorldPoint p, ClipPoint<long double> low, ClipPoint<long double> high) {
    return p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y;
}

// Pixels far outside the picture are clamped one axis at a time, which would
// turn a line with a far end (a point at 1E6, a deep zoom): such a line is
// first cut, along itself, to the surroundings of the frame.
void drawWorldLine(Canvas& window, WorldPoint from, WorldPoint to) {
    const long double width = PlotFrame.xmax - PlotFrame.xmin, height = PlotFrame.ymax - PlotFrame.ymin;
    const ClipPoint<long double> low{PlotFrame.xmin - Surroundings * width, PlotFrame.ymin - Surroundings * height};
    const ClipPoint<long double> high{PlotFrame.xmax + Surroundings * width, PlotFrame.ymax + Surroundings * height};
    if (!withinSurroundings(from, low, high) || !withinSurroundings(to, low, high)) {
        ClipPoint<long double> a{from.x, from.y}, b{to.x, to.y};
        if (!clipSegment(a, b, low, high)) return;
        from = {a.x, a.y};
        to = {b.x, b.y};
    }
    const PixelPoint a = pixelOf(from.x, from.y), b = pixelOf(to.x, to.y);
    window.line(a.x, a.y, b.x, b.y);
}

bool insideFrame(int slot) { return PlotFrame.inside(PointTable[slot].x, PointTable[slot].y); }

const std::string* formulaOfSlot(int functionSlot) {
    if (functionSlot < 0 || functionSlot >= CurveSlotCount) return nullptr;
    const std::string& formula = CurveSlot[functionSlot].formula;
    return formula.empty() ? nullptr : &formula;
}

void drawPlacedPoint(Canvas& window, int slot) {
    const TPointRecord& point = PointTable[slot];
    if (point.kind == PointKind::Free || point.kind == PointKind::Fixed) {
        if (slot != OriginSlot && insideFrame(slot)) drawMarked(window, slot);
        return;
    }
    const std::string* formula = formulaOfSlot(point.slot);
    if (!formula || !(PlotFrame.xmin < point.x && point.x < PlotFrame.xmax)) return;
    PointTable[slot].y = FormulaValue(*formula, point.x);
    if (PlotFrame.ymin < PointTable[slot].y && PointTable[slot].y < PlotFrame.ymax)
        drawMarked(window, slot);
}

bool refersToPoints(std::initializer_list<int> references) {
    for (int slot : references)
        if (!isPointSlot(slot)) return false;
    return true;
}

void drawTranslationImage(Canvas& window, Canvas& offscreen, int slot, const ConstructionStyle& style) {
    const TPointRecord& point = PointTable[slot];
    if (!refersToPoints({point.source, point.first, point.second})) return;
    storePosition(slot, translationImage(positionOf(point.source), positionOf(point.first),
                                         positionOf(point.second), point.factor));
    if (style.showTranslationVectors) {
        const PixelPoint source = pixelOfSlot(point.source), image = pixelOfSlot(slot);
        const PixelPoint from = pixelOfSlot(point.first), to = pixelOfSlot(point.second);
        DrawArrow(window, source.x, source.y, image.x, image.y);
        DrawArrow(window, from.x, from.y, to.x, to.y);
    } else {
        drawCross(window, pixelOfSlot(slot));
    }
    drawTraceDot(offscreen, slot, style.penWidth);
    if (insideFrame(slot)) drawLabel(window, slot);
}

void drawSymmetryAxis(Canvas& window, WorldPoint a, WorldPoint b) {
    if (a.x == b.x) {
        drawVertical(window, a.x, Upward::No);
        return;
    }
    const long double s = (a.y - b.y) / (a.x - b.x);
    drawWorldLine(window, {a.x - 100, a.y - 100 * s}, {b.x + 100, b.y + 100 * s});
}

void drawSymmetryImage(Canvas& window, Canvas& offscreen, int slot, const ConstructionStyle& style) {
    const TPointRecord& point = PointTable[slot];
    if (!refersToPoints({point.source, point.first, point.second})) return;
    storePosition(slot, axialSymmetryImage(positionOf(point.source), positionOf(point.first),
                                           positionOf(point.second)));
    if (style.showSymmetryConstruction) {
        drawSymmetryAxis(window, positionOf(point.first), positionOf(point.second));
        drawWorldLine(window, positionOf(point.source), positionOf(slot));
    }
    drawTraceDot(offscreen, slot, style.penWidth);
    drawMarked(window, slot);
}

void drawRotationImage(Canvas& window, Canvas& offscreen, int slot, const ConstructionStyle& style) {
    const TPointRecord& point = PointTable[slot];
    if (!refersToPoints({point.source, point.first})) return;
    storePosition(slot, rotationImage(positionOf(point.source), positionOf(point.first), point.angle));
    if (style.showRotationConstruction) {
        const PixelPoint source = pixelOfSlot(point.source), centre = pixelOfSlot(point.first);
        const PixelPoint image = pixelOfSlot(slot);
        window.polyline({{source.x, source.y}, {centre.x, centre.y}, {image.x, image.y}});
    }
    drawMarked(window, slot);
    drawTraceDot(offscreen, slot, style.penWidth);
}

void drawMidpoint(Canvas& window, Canvas& offscreen, int slot, const ConstructionStyle& style) {
    const TPointRecord& point = PointTable[slot];
    if (!refersToPoints({point.ref1, point.ref2})) return;
    storePosition(slot, midpoint(positionOf(point.ref1), positionOf(point.ref2)));
    drawMarked(window, slot);
    drawTraceDot(offscreen, slot, style.penWidth);
}

void drawProjection(Canvas& window, int slot) {
    const TPointRecord& point = PointTable[slot];
    if (!isPointSlot(point.ref1)) return;
    const WorldPoint source = positionOf(point.ref1);
    storePosition(slot, point.kind == PointKind::ProjectionOnX ? WorldPoint{source.x, 0} : WorldPoint{0, source.y});
    drawMarked(window, slot);
}

void drawImagePoint(Canvas& window, Canvas& offscreen, int slot, const ConstructionStyle& style) {
    switch (PointTable[slot].kind) {
        case PointKind::Translation: drawTranslationImage(window, offscreen, slot, style); break;
        case PointKind::AxialSymmetry: drawSymmetryImage(window, offscreen, slot, style); break;
        case PointKind::Rotation: drawRotationImage(window, offscreen, slot, style); break;
        case PointKind::Midpoint: drawMidpoint(window, offscreen, slot, style); break;
        case PointKind::ProjectionOnX:
        case PointKind::ProjectionOnY: drawProjection(window, slot); break;
        default: break;
    }
}

void drawPoints(Canvas& window, Canvas& offscreen, const ConstructionStyle& style) {
    const int count = std::min(PointCount, PointSlots);
    for (int slot = 1; slot <= count; ++slot) drawPlacedPoint(window, slot);
    // One pass per kind: an image whose source comes later uses the source's
    // position from the previous drawing.
    for (int kind = int(PointKind::Translation); kind <= int(PointKind::ProjectionOnY); ++kind)
        for (int slot = 1; slot <= count; ++slot)
            if (PointTable[slot].kind == PointKind(kind)) drawImagePoint(window, offscreen, slot, style);
}

void drawValuePoints(Canvas& window, const ConstructionStyle& style) {
    if (!style.showValuePoints) return;
    const int count = std::min(ValuePointCount, ValuePointCapacity);
    for (int i = 0; i < count; ++i) {
        const TValuePoint& point = ValuePoints[i];
        if (PlotFrame.inside(point.x, point.y)) drawCross(window, pixelOf(point.x, point.y));
    }
}

void drawSegments(Canvas& window) {
    const int count = std::min(SegmentCount, SegmentCapacity);
    for (int i = 0; i < count; ++i) {
        const TSegmentRecord& segment = SegmentTable[i];
        if (segment.p1 == segment.p2 || !refersToPoints({segment.p1, segment.p2})) continue;
        drawWorldLine(window, positionOf(segment.p1), positionOf(segment.p2));
    }
}

// y = m x + p across twice the frame's width on each side of the y axis.
void drawReducedLine(Canvas& window, long double m, long double p, long double reach) {
    drawWorldLine(window, {-reach, p - m * reach}, {reach, m * reach + p});
}

void drawLineThroughPoints(Canvas& window, const TLineRecord& line, long double reach) {
    if (!refersToPoints({line.p1, line.p2})) return;
    const WorldPoint a = positionOf(line.p1), b = positionOf(line.p2);
    if (a.x != b.x) {
        const long double m = (a.y - b.y) / (a.x - b.x);
        drawWorldLine(window, {a.x - reach, a.y - reach * m}, {b.x + reach, b.y + reach * m});
    } else if (a.y != b.y) {
        drawVertical(window, a.x);
    }
}

void drawCartesianLine(Canvas& window, const TLineRecord& line, long double reach) {
    if (line.b != 0) drawReducedLine(window, -line.a / line.b, -line.c / line.b, reach);
    else if (line.a != 0) drawVertical(window, -line.c / line.a, Upward::No);
}

struct ContactPoint {
    long double y = 0, slope = 0;
    bool defined = false;
};

ContactPoint contactOf(const TLineRecord& line) {
    const std::string* formula = formulaOfSlot(line.slot);
    if (!formula) return {};
    ContactPoint contact{FormulaValue(*formula, line.a), DerivativeValue(*formula, line.a)};
    contact.defined = contact.y != ErrorValue && contact.slope != ErrorValue;
    return contact;
}

void drawTangent(Canvas& window, const TLineRecord& line) {
    const ContactPoint contact = contactOf(line);
    if (!contact.defined) return;
    const long double m = contact.slope, u = 1 / sqrtl(m * m + 1);
    const PixelPoint at = pixelOf(line.a, contact.y);
    const PixelPoint ahead = pixelOf(line.a + u, contact.y + m * u);
    const PixelPoint behind = pixelOf(line.a - u, contact.y - m * u);
    DrawArrow(window, at.x, at.y, ahead.x, ahead.y);
    DrawArrow(window, at.x, at.y, behind.x, behind.y);
    drawCross(window, at);
}

void drawNormal(Canvas& window, const TLineRecord& line) {
    const ContactPoint contact = contactOf(line);
    if (!contact.defined) return;
    const long double m = contact.slope;
    if (RoundTo(m, 2) != 0)
        drawWorldLine(window, {line.a - 100, contact.y + 100 / m}, {line.a + 100, contact.y - 100 / m});
    else
        drawVertical(window, line.a);
}

void drawDirectionVectors(Canvas& window, const TLineRecord& line) {
    const PixelPoint at = pixelOf(line.c, line.d);
    const long double s = line.a, w = 40 / sqrtl(s * s + 1);
    const auto offset = [](long double v) { return static_cast<int>(truncl(v)); };
    DrawArrow(window, at.x, at.y, offset(at.x + w), offset(at.y - w * s));
    DrawArrow(window, at.x, at.y, offset(at.x - w), offset(at.y + w * s));
    drawCross(window, at);
}

void drawLines(Canvas& window) {
    const long double reach = 2 * (PlotFrame.xmax - PlotFrame.xmin);
    const int count = std::min(LineCount, LineCapacity);
    for (int i = 0; i < count; ++i) {
        const TLineRecord& line = LineTable[i];
        switch (line.kind) {
            case LineKind::TwoPoints: drawLineThroughPoints(window, line, reach); break;
            case LineKind::ReducedEquation: drawReducedLine(window, line.a, line.b, reach); break;
            case LineKind::CartesianEquation: drawCartesianLine(window, line, reach); break;
            case LineKind::Tangent: drawTangent(window, line); break;
            case LineKind::Normal: drawNormal(window, line); break;
            case LineKind::Direction: drawDirectionVectors(window, line); break;
            default: break;
        }
    }
}

std::vector<QPoint> toQPoints(const std::vector<PixelPoint>& points) {
    std::vector<QPoint> result;
    result.reserve(points.size());
    for (const PixelPoint& p : points) result.emplace_back(p.x, p.y);
    return result;
}

// The vertices of a polygon as pixels; vertices that are no point slot are left out.
std::vector<PixelPoint> polygonVertices(const TPolygonRecord& polygon) {
    std::vector<PixelPoint> vertices;
    const int count = std::clamp(polygon.vertexCount, 0, PolygonVertexCapacity);
    for (int i = 0; i < count; ++i)
        if (isPointSlot(polygon.vertices[i])) vertices.push_back(pixelOfSlot(polygon.vertices[i]));
    return vertices;
}

void drawSmoothedPolygon(Canvas& window, const std::vector<PixelPoint>& vertices) {
    std::vector<PixelPoint> controls(3 * (vertices.size() - 1) + 1);
    for (std::size_t i = 0; i < vertices.size(); ++i) controls[3 * i] = vertices[i];
    SmoothControls(controls, PolygonTension);
    BezierCurve(window, controls, clRed, clWhite);
    window.setBrushClear();
}

}  // namespace

void DrawArrow(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.line(x1, y1, x2, y2);
    const auto head = arrowHead(x1, y1, x2, y2);
    if (!head) return;
    canvas.line(x2, y2, (*head)[0].x, (*head)[0].y);
    canvas.line(x2, y2, (*head)[1].x, (*head)[1].y);
}

void BezierCurve(Canvas& canvas, const std::vector<PixelPoint>& controls, TColor penColour,
                 TColor brushColour) {
    if (!isBezierCount(controls.size())) {
        showMessage(BezierCountMessage);
        return;
    }
    canvas.setPenColour(penColour);
    canvas.setBrushColour(brushColour);
    canvas.polyline(toQPoints(bezierPolyline(controls)));
}

void drawPointsAndLines(Canvas& window, Canvas& offscreen, const ConstructionStyle& style) {
    window.setPen(clRed, style.penWidth);
    window.setFontSize(style.fontSize);
    drawPoints(window, offscreen, style);
    drawValuePoints(window, style);
    drawSegments(window);
    drawLines(window);
}

void drawPolygons(Canvas& window) {
    const int count = std::min(PolygonCount, PolygonCapacity);
    for (int i = 0; i < count; ++i) {
        const TPolygonRecord& polygon = PolygonTable[i];
        const std::vector<PixelPoint> vertices = polygonVertices(polygon);
        if (vertices.size() < 2) continue;
        // Longer outlines do not fit the control polygon: they are drawn straight.
        if (polygon.smoothed && static_cast<int>(vertices.size()) <= MaxSmoothedVertices)
            drawSmoothedPolygon(window, vertices);
        else
            window.polyline(toQPoints(vertices));
    }
}

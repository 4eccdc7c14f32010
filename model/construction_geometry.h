#pragma once
// The arithmetic behind the drawing of constructions, kept apart from any
// canvas: image points in user units, arrow heads and Bezier smoothing in
// pixels.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct WorldPoint {
    long double x = 0, y = 0;
};

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Image of source by the vector factor * (to - from).
WorldPoint translationImage(WorldPoint source, WorldPoint from, WorldPoint to, long double factor);
// Mirror image of p in the line (ab); a and b may lie on one vertical.
WorldPoint axialSymmetryImage(WorldPoint p, WorldPoint a, WorldPoint b);
// p turned about centre by angle radians, counter-clockwise.
WorldPoint rotationImage(WorldPoint p, WorldPoint centre, long double angle);
WorldPoint midpoint(WorldPoint a, WorldPoint b);

// Ends of the two 10-pixel strokes at the tip of the arrow (x1, y1) -> (x2, y2);
// none for an arrow of zero length, which has no direction.
std::optional<std::array<PixelPoint, 2>> arrowHead(int x1, int y1, int x2, int y2);

// Fills the control points between the vertices of a Bezier control polygon
// of 3m+1 points (vertices at 0, 3, ..., 3m) with the tension in percent.
// A polygon whose ends coincide is smoothed as a closed outline.
void SmoothControls(std::vector<PixelPoint>& controls, int tension);
// Integer square root by 12 Newton rounds, as the curve stepping uses.
std::int64_t IntegerSquareRoot(std::int64_t square);
// The polyline a Bezier curve of 3n+1 control points is drawn with: its first
// control point, then each computed pixel that differs from the one before.
std::vector<PixelPoint> bezierPolyline(const std::vector<PixelPoint>& controls);
inline constexpr const char* BezierCountMessage = "Incorrect number of points (nx3)+1";
inline bool isBezierCount(std::size_t count) { return count % 3 == 1; }

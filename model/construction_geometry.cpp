#include "model/construction_geometry.h"

#include <algorithm>
#include <cmath>

WorldPoint translationImage(WorldPoint source, WorldPoint from, WorldPoint to, long double factor) {
    return {(to.x - from.x) * factor + source.x, (to.y - from.y) * factor + source.y};
}

WorldPoint axialSymmetryImage(WorldPoint p, WorldPoint a, WorldPoint b) {
    WorldPoint foot{a.x, p.y};
    if (a.x != b.x) {
        const long double dy = b.y - a.y, dx = b.x - a.x;
        foot.y = (p.y * dy * dy + (p.x - a.x) * dy * dx + a.y * dx * dx) / (dy * dy + dx * dx);
        foot.x = (foot.y - p.y) * dy / (a.x - b.x) + p.x;
    }
    return {2 * foot.x - p.x, 2 * foot.y - p.y};
}

WorldPoint rotationImage(WorldPoint p, WorldPoint centre, long double angle) {
    const long double c = cosl(angle), s = sinl(angle);
    return {centre.x + c * (p.x - centre.x) - s * (p.y - centre.y),
            centre.y + s * (p.x - centre.x) + c * (p.y - centre.y)};
}

WorldPoint midpoint(WorldPoint a, WorldPoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

std::optional<std::array<PixelPoint, 2>> arrowHead(int x1, int y1, int x2, int y2) {
    const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    if (dx == 0 && dy == 0) return std::nullopt;
    const double e = dx + dy, h = dy - dx, g = dx - dy;
    const double n1 = std::sqrt(e * e + h * h), n2 = std::sqrt(g * g + e * e);
    return std::array<PixelPoint, 2>{
        PixelPoint{static_cast<int>(std::trunc(x2 - 10 * e / n1)),
                   static_cast<int>(std::trunc(y2 - 10 * h / n1))},
        PixelPoint{static_cast<int>(std::trunc(x2 - 10 * g / n2)),
                   static_cast<int>(std::trunc(y2 - 10 * e / n2))}};
}

namespace {

// Integer halving toward zero, coordinate by coordinate.
int half(std::int64_t value) { return static_cast<int>(value / 2); }

// The control point beside vertex v on the side of its neighbour p, q being
// the neighbour on the other side.
PixelPoint controlBeside(PixelPoint v, PixelPoint p, PixelPoint q, int tension) {
    const std::int64_t wx = v.x - static_cast<std::int64_t>(tension) * (q.x - v.x) / 100;
    const std::int64_t wy = v.y - static_cast<std::int64_t>(tension) * (q.y - v.y) / 100;
    return {half(static_cast<std::int64_t>(half(std::int64_t{v.x} + p.x)) + half(wx + v.x)),
            half(static_cast<std::int64_t>(half(std::int64_t{v.y} + p.y)) + half(wy + v.y))};
}

std::int64_t pixelDistance(PixelPoint a, PixelPoint b) {
    const std::int64_t dx = b.x - a.x, dy = b.y - a.y;
    return IntegerSquareRoot(dx * dx + dy * dy);
}

// Pieces far outside the window would otherwise take millions of steps.
constexpr std::int64_t MaxStepsPerPiece = 4096;

}  // namespace

void SmoothControls(std::vector<PixelPoint>& controls, int tension) {
    if (!isBezierCount(controls.size()) || controls.size() < 4) return;
    const int last = static_cast<int>(controls.size()) - 1;
    for (int v = 3; v < last; v += 3) {
        controls[v - 1] = controlBeside(controls[v], controls[v - 3], controls[v + 3], tension);
        controls[v + 1] = controlBeside(controls[v], controls[v + 3], controls[v - 3], tension);
    }
    if (controls.front() == controls.back()) {
        controls[1] = controlBeside(controls[0], controls[3], controls[last - 3], tension);
        controls[last - 1] = controlBeside(controls[last], controls[last - 3], controls[3], tension);
    } else {
        controls[1] = controls[0];
        controls[last - 1] = controls[last];
    }
}

std::int64_t IntegerSquareRoot(std::int64_t square) {
    if (square <= 0) return 0;
    std::int64_t root = (square + 1) / 2;
    for (int round = 0; round < 12; ++round) root = (root + square / root) / 2;
    return root;
}

std::vector<PixelPoint> bezierPolyline(const std::vector<PixelPoint>& controls) {
    std::vector<PixelPoint> path;
    if (!isBezierCount(controls.size())) return path;
    path.push_back(controls.front());
    for (std::size_t i = 0; i + 3 < controls.size(); i += 3) {
        const PixelPoint p0 = controls[i], p1 = controls[i + 1], p2 = controls[i + 2],
                         p3 = controls[i + 3];
        const std::int64_t length = pixelDistance(p0, p1) + pixelDistance(p1, p2) + pixelDistance(p2, p3);
        const std::int64_t steps = std::clamp<std::int64_t>(length / 8, 1, MaxStepsPerPiece);
        const float dt = 1.0f / static_cast<float>(steps);
        float t = 0;
        for (std::int64_t k = 1; k <= steps; ++k) {
            t += dt;
            const float u = 1 - t;
            const float b0 = u * u * u, b1 = 3 * t * u * u, b2 = 3 * t * t * u, b3 = t * t * t;
            const PixelPoint point{
                static_cast<int>(std::lrint(b0 * p0.x + b1 * p1.x + b2 * p2.x + b3 * p3.x)),
                static_cast<int>(std::lrint(b0 * p0.y + b1 * p1.y + b2 * p2.y + b3 * p3.y))};
            if (!(point == path.back())) path.push_back(point);
        }
    }
    return path;
}

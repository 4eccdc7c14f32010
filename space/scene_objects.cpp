#include "space/scene_objects.h"

#include <cmath>

namespace {

constexpr long double LineReach = 30;
constexpr long double NameGap = 0.6L;

long double sign(long double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

}  // namespace

Quad cuttingPlaneCorners(const TCuttingPlane& plane, const TSpaceFrame& f) {
    const long double k = plane.k;
    switch (plane.kind) {
        case 1: return {{{k, f.ymin, f.zmin}, {k, f.ymax, f.zmin}, {k, f.ymax, f.zmax}, {k, f.ymin, f.zmax}}};
        case 2: return {{{f.xmin, k, f.zmin}, {f.xmax, k, f.zmin}, {f.xmax, k, f.zmax}, {f.xmin, k, f.zmax}}};
        default: return {{{f.xmin, f.ymin, k}, {f.xmin, f.ymax, k}, {f.xmax, f.ymax, k}, {f.xmax, f.ymin, k}}};
    }
}

std::optional<Quad> planeCorners(const TPlaneRecord& p, const TSpaceFrame& f) {
    if (p.c != 0) {
        const auto at = [&](long double x, long double y) {
            return SpaceVector{x, y, -(p.a * x + p.b * y + p.d) / p.c};
        };
        return Quad{at(f.xmin, f.ymin), at(f.xmin, f.ymax), at(f.xmax, f.ymax), at(f.xmax, f.ymin)};
    }
    if (p.b != 0) {
        const auto at = [&](long double x, long double z) { return SpaceVector{x, -(p.a * x + p.d) / p.b, z}; };
        return Quad{at(f.xmin, f.zmin), at(f.xmin, f.zmax), at(f.xmax, f.zmax), at(f.xmax, f.zmin)};
    }
    if (p.a != 0) {
        const long double x = -p.d / p.a;
        return Quad{{{x, f.ymin, f.zmin}, {x, f.ymin, f.zmax}, {x, f.ymax, f.zmax}, {x, f.ymax, f.zmin}}};
    }
    return std::nullopt;
}

std::array<float, 3> planeColour(int number) {
    const float k = float(number) / 10;
    return {1 - k, 2 * k, 2 * k};
}

int solidDivisions(int count, long double meshStep) { return int(std::nearbyint(count / meshStep)); }

std::array<SpaceVector, 2> lineEnds(const SpaceVector& p, const SpaceVector& q) {
    const SpaceVector d{q.x - p.x, q.y - p.y, q.z - p.z};
    return {SpaceVector{p.x + LineReach * d.x, p.y + LineReach * d.y, p.z + LineReach * d.z},
            SpaceVector{q.x - LineReach * d.x, q.y - LineReach * d.y, q.z - LineReach * d.z}};
}

SpaceVector nameOffset(const SpaceVector& point) {
    return {point.x + NameGap * sign(point.x), point.y + NameGap * sign(point.y),
            point.z + NameGap * sign(point.z)};
}

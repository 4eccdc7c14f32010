#include "space/axes_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double Overhang = 2;
constexpr long double LabelGap = 2.5;
constexpr long double TickHalf = 0.2;
constexpr long double Unit = 0.5;

// Ticks stop this far from the origin: a frame typed millions of units wide
// would otherwise ask for millions of them, and beyond the range of an int
// the count would be meaningless.
constexpr long double TickReach = 1000;

int truncated(long double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::trunc(std::clamp(value, -TickReach, TickReach)));
}

long double real(int value) { return static_cast<long double>(value); }

}  // namespace

AxesGeometry axesGeometry(const TSpaceFrame& f) {
    AxesGeometry axes;
    axes.axes = {SpaceSegment{{f.xmin - Overhang, 0, 0}, {f.xmax + Overhang, 0, 0}},
                 SpaceSegment{{0, f.ymin - Overhang, 0}, {0, f.ymax + Overhang, 0}},
                 SpaceSegment{{0, 0, f.zmin - Overhang}, {0, 0, f.zmax + Overhang}}};
    using Square = std::array<SpaceVector, 4>;
    axes.unitSquares = {Square{{{0, 0, 0}, {Unit, 0, 0}, {Unit, Unit, 0}, {0, Unit, 0}}},
                        Square{{{0, 0, 0}, {0, 0, Unit}, {0, Unit, Unit}, {0, Unit, 0}}}};
    for (int c = truncated(f.xmin) - 1; c <= truncated(f.xmax) + 1; ++c)
        axes.ticks.push_back({{real(c), -TickHalf, 0}, {real(c), TickHalf, 0}});
    for (int c = truncated(f.ymin) - 1; c <= truncated(f.ymax) + 1; ++c)
        axes.ticks.push_back({{0, real(c), -TickHalf}, {0, real(c), TickHalf}});
    // The z ticks have always started one unit lower than the others.
    for (int c = truncated(f.zmin) - 2; c <= truncated(f.zmax) + 1; ++c)
        axes.ticks.push_back({{TickHalf, 0, real(c)}, {-TickHalf, 0, real(c)}});
    const long double head = Overhang - TickHalf;
    using Triangle = std::array<SpaceVector, 3>;
    axes.arrowHeads = {
        Triangle{{{f.xmax + Overhang, 0, 0}, {f.xmax + head, TickHalf, 0}, {f.xmax + head, -TickHalf, 0}}},
        Triangle{{{0, f.ymax + Overhang, 0}, {0, f.ymax + head, TickHalf}, {0, f.ymax + head, -TickHalf}}},
        Triangle{{{0, 0, f.zmax + Overhang}, {TickHalf, 0, f.zmax + head}, {-TickHalf, 0, f.zmax + head}}}};
    axes.labels = {AxisLabel{"y", LabelDirection::AlongY, f.ymax + LabelGap},
                   AxisLabel{"y'", LabelDirection::AlongY, f.ymin - LabelGap},
                   AxisLabel{"z", LabelDirection::AlongZ, f.zmax + LabelGap},
                   AxisLabel{"z'", LabelDirection::AlongZ, f.zmin - LabelGap},
                   AxisLabel{"x", LabelDirection::AlongX, f.xmax + LabelGap},
                   AxisLabel{"x'", LabelDirection::AlongX, f.xmin - LabelGap}};
    return axes;
}

long double labelSizeFor(int taille) { return (taille - 7) / 12.0L; }

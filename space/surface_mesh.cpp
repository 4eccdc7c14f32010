#include "space/surface_mesh.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this a value would stretch the picture out of sight.
constexpr long double LargestValue = 100;

bool drawable(long double z) { return std::fabs(z) < LargestValue; }

// Room for every cell of the grid, within reason for a very large frame.
std::size_t expectedCells(const TSpaceFrame& frame, long double h) {
    constexpr long double Most = 1 << 20;
    const long double columns = std::floor((frame.xmax - frame.xmin) / h) + 2;
    const long double rows = std::floor((frame.ymax - frame.ymin) / h) + 2;
    const long double cells = columns * rows;
    return std::isfinite(cells) ? std::size_t(std::clamp(cells, 0.0L, Most)) : 0;
}

// A frame typed very wide would take hours at the precision's step, and past
// the precision of the numbers the step would no longer move x at all: the
// grid never has more than this many cells along a side.
constexpr long double MostCellsAcross = 1000;

long double gridStep(const TSpaceFrame& frame, long double h) {
    return std::max({h, (frame.xmax - frame.xmin) / MostCellsAcross, (frame.ymax - frame.ymin) / MostCellsAcross});
}

SurfaceCell cellAt(long double x, long double y, long double h, long double z00, long double z10, long double z11,
                   long double z01) {
    const SpaceVector n = CrossProduct({-h, 0, z00 - z10}, {0, -h, z10 - z11});
    const long double length = VectorLength(n);
    return {{SpaceVector{x, y, z00}, SpaceVector{x + h, y, z10}, SpaceVector{x + h, y + h, z11},
             SpaceVector{x, y + h, z01}},
            SpaceVector{n.x / length, n.y / length, n.z / length}};
}

}  // namespace

SurfaceMesh buildSurfaceMesh(const std::string& formula, const TSpaceFrame& frame, long double step) {
    SurfaceMesh mesh;
    const long double h = gridStep(frame, step);
    TExpress expression;
    // The surface's slot holds its formula normalised once already, as the
    // curves' slots do: a second pass would break the "exp" of e(x).
    expression.setExpression(formula.substr(0, 255));
    if (expression.SyntaxError()) return mesh;
    mesh.compiled = true;
    mesh.cells.reserve(expectedCells(frame, h));
    // A failed evaluation gives ErrorValue, which is not drawable: the cells
    // around it are left out and the rest of its row is drawn.
    for (long double y = frame.ymin; y <= frame.ymax && y + h > y; y += h) {
        long double x = frame.xmin;
        long double zRight = expression.Evaluate(x, y, 0);
        long double zRightUp = expression.Evaluate(x, y + h, 0);
        while (x <= frame.xmax && x + h > x) {
            const long double z00 = zRight, z01 = zRightUp;
            const long double z10 = zRight = expression.Evaluate(x + h, y, 0);
            const long double z11 = zRightUp = expression.Evaluate(x + h, y + h, 0);
            if (drawable(z00) && drawable(z10) && drawable(z11) && drawable(z01)) {
                if (z11 > mesh.zmax) mesh.zmax = z11;
                if (z11 < mesh.zmin) mesh.zmin = z11;
                mesh.cells.push_back(cellAt(x, y, h, z00, z10, z11, z01));
            }
            x += h;
        }
    }
    return mesh;
}

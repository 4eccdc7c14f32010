#pragma once
// The mesh of the surface z = f(x, y) over the space frame, as plain data:
// the space view compiles it into its display list.

#include <array>
#include <string>
#include <vector>

#include "expression/matutil.h"
#include "model/space_state.h"

// One quadrilateral of the mesh: its corners (x, y), (x + h, y), (x + h, y + h),
// (x, y + h) in this order, and its unit normal.
struct SurfaceCell {
    std::array<SpaceVector, 4> corners;
    SpaceVector normal;
};

struct SurfaceMesh {
    // False when the formula does not compile: the cells are then empty and the
    // previous mesh stays in use.
    bool compiled = false;
    std::vector<SurfaceCell> cells;
    // The z range the cells reach, never narrower than [-1, 1].
    long double zmin = -1, zmax = 1;
};

// Samples the typed formula on the grid of step h that starts at (xmin, ymin);
// x and y move by repeated addition of h, so the last cells may overhang xmax
// and ymax by up to h. A cell is left out when one of its values has magnitude
// 100 or more or is undefined. On a frame wider than 1000 steps the step grows
// to keep 1000 cells along a side.
SurfaceMesh buildSurfaceMesh(const std::string& formula, const TSpaceFrame& frame, long double h);

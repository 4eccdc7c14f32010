#pragma once
// What the axes of the space view are made of, as plain data: the space view
// compiles it into its display list.

#include <array>
#include <string>
#include <vector>

#include "expression/matutil.h"
#include "model/space_state.h"

struct SpaceSegment {
    SpaceVector from, to;
};

// A label stands in the world y-z plane, read along +y and facing +x; it is
// moved `distance` along world y, z or x from the origin.
enum class LabelDirection { AlongY, AlongZ, AlongX };

struct AxisLabel {
    std::string text;
    LabelDirection direction;
    long double distance;
};

struct AxesGeometry {
    std::array<SpaceSegment, 3> axes;
    // The two unit squares at the origin, in the x-y and y-z planes.
    std::array<std::array<SpaceVector, 4>, 2> unitSquares;
    std::vector<SpaceSegment> ticks;
    std::array<std::array<SpaceVector, 3>, 3> arrowHeads;
    std::array<AxisLabel, 6> labels;
};

// The axes, ticks at every integer and labels for a frame: each axis runs 2
// units past the frame on both sides.
AxesGeometry axesGeometry(const TSpaceFrame& frame);

// The height of the label glyphs for a font size position 10..22 of the
// options: 0.25 at 10, then 0.25 more every 3 positions.
long double labelSizeFor(int taille);

#pragma once
// Where the solids, planes and space constructions of the scene lie, as plain
// data: the space view draws them with OpenGL at every frame.

#include <array>
#include <optional>

#include "model/space_state.h"

using Quad = std::array<SpaceVector, 4>;

// The rectangle of the cutting plane across the space frame.
Quad cuttingPlaneCorners(const TCuttingPlane& plane, const TSpaceFrame& frame);
// The rectangle of a plane a·x + b·y + c·z + d = 0 over the space frame, solved
// for z when it can be, else for y, else for x; none when a, b and c are all 0.
std::optional<Quad> planeCorners(const TPlaneRecord& plane, const TSpaceFrame& frame);
// The colour of plane 1..10: redder first, paler as they come.
std::array<float, 3> planeColour(int number);

// Slices and stacks of the solids: `count` / step rounded to the nearest,
// halves to even, so that the finer the surface, the rounder the solids.
int solidDivisions(int count, long double meshStep);

// The two ends drawn for the line through P and Q: far beyond both.
std::array<SpaceVector, 2> lineEnds(const SpaceVector& p, const SpaceVector& q);
// Where a point's name stands: 0.6 further from the origin along each axis.
SpaceVector nameOffset(const SpaceVector& point);

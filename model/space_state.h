#pragma once
// The state the space view shares with the windows that set it up: its frame,
// the grid step of its surface, its light and its two display switches. The
// surface formula itself lives in CurveSlot[5].

#include "expression/matutil.h"

struct TSpaceFrame {
    long double xmin = -3, xmax = 3, ymin = -3, ymax = 3;
    // Widened by every preparation of the surface to the values it reaches.
    long double zmin = -7, zmax = 7;
};

// The half-length of every cylinder and the height of each nappe of a cone;
// also the z range of the frame before any surface is prepared.
inline constexpr int SolidLength = 7;

extern TSpaceFrame SpaceFrame;
// The grid step of the surface, from the precision option.
extern long double MeshStep;
extern SpaceVector LightPosition;
// The "Trame visible" and "Repere visible" switches of the space frame window:
// the black wire over the surface, and the axes.
extern bool SpaceWireShown;
extern bool SpaceAxesShown;

// The step for a precision position 1..3; any other position keeps MeshStep.
long double meshStepFor(int precision);
// The x and y bounds every new space view starts from.
void resetSpaceFrameBounds();
// The wire follows the precision: at the finest it would cover the surface with black.
void showWireForPrecision(int precision);

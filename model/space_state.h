#pragma once
// The state the space view shares with the windows that set it up: its frame,
// the grid step of its surface, its light, its two display switches and the
// solids, planes and cutting plane it draws. The surface formula itself lives
// in CurveSlot[5]; the space points, lines, segments and facets in the
// construction tables.

#include <array>

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

// ---- Objects of the scene besides the surface ----------------------------------

inline constexpr int SolidSlots = 3;
inline constexpr int PlaneCapacity = 10;

// (x-a)²+(y-b)²+(z-c)² = r²
struct TSphereRecord {
    bool present = false;
    long double a = 0, b = 0, c = 0, r = 0;
};

// Kind 1: axis parallel to z through (a, b); kind 2: parallel to y through
// (a, c); kind 3: parallel to x through (b, c). The coordinate along the
// axis is stored as 0. Kind 0: never created.
struct TCylinderRecord {
    bool present = false;
    int kind = 0;
    long double a = 0, b = 0, c = 0, R = 0;
};

// A double cone of apex (x1, y1, z1) whose axis is parallel to z (kind 1), y
// (kind 2) or x (kind 3): the squared distance to the axis is beta times the
// squared distance along it.
struct TConeRecord {
    bool present = false;
    int kind = 0;
    long double x1 = 0, y1 = 0, z1 = 0, beta = 0;
};

// The plane x = k (kind 1), y = k (kind 2) or z = k (kind 3).
struct TCuttingPlane {
    bool present = false;
    int kind = 1;
    long double k = 0;
};

// a·x + b·y + c·z + d = 0
struct TPlaneRecord {
    long double a = 0, b = 0, c = 0, d = 0;
};

// Slots 1..3; index 0 is never used.
extern std::array<TSphereRecord, SolidSlots + 1> SphereTable;
extern std::array<TCylinderRecord, SolidSlots + 1> CylinderTable;
extern std::array<TConeRecord, SolidSlots + 1> ConeTable;
extern TCuttingPlane CuttingPlane;
// Records 0..PlaneCount-1 are in use (PlaneCount lives with the construction tables).
extern std::array<TPlaneRecord, PlaneCapacity> PlaneTable;

// What the section cuts: 0 not chosen yet, 1 the surface, 2 a sphere, 3 a cylinder, 4 a cone.
extern int SectionKind;

// Forgets every solid; the numbers they held stay for the dialogs to show.
void removeSolids();
// Forgets the solids and the cutting plane (the planes go with the construction counts).
void removeSpaceObjects();

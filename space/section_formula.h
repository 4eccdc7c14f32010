#pragma once
// The curve in which the cutting plane meets the surface or a solid, as the
// formula texts the plane graph draws: a pair of halves y = ±P (function
// slots 1 and 2) or one equation in x and y (a cartesian curve). The graph's
// horizontal variable, named x, is the remaining variable that comes first in
// alphabetical order: y for x = k, x otherwise.

#include <string>

#include "model/plot_state.h"
#include "model/space_state.h"

struct SectionFormulas {
    bool written = false;  // false: the cut object is missing, nothing changes
    std::string first;     // slot 1: the upper half, or the equation
    std::string second;    // slot 2: the lower half of a pair, empty for an equation
    GraphType kind = GraphType::None;
};

// What the section display cuts: the surface formula (empty: no surface) and
// the sphere, cylinder and cone chosen in their windows.
struct SectionObjects {
    std::string surface;
    TSphereRecord sphere;
    TCylinderRecord cylinder;
    TConeRecord cone;
};

SectionFormulas sectionFormulas(int sectionKind, const TCuttingPlane& plane, const SectionObjects& objects);

struct SectionBounds {
    long double xmin, xmax, ymin, ymax;
};
// The plane graph's bounds for a cut: the space frame's bounds of the two remaining variables.
SectionBounds sectionBounds(int planeKind, const TSpaceFrame& frame);

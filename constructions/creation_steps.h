#pragma once
// How the construction dialogs read their fields and add to the tables, with
// no widget involved: a dialog hands over the texts of its fields and learns
// whether something was created and which fields were wrong.

#include <functional>
#include <optional>
#include <string>

#include "model/construction_geometry.h"
#include "model/construction_tables.h"

// ---- Reading the fields ----------------------------------------------------------

// The point slot named by the first or the last character of a name field: its
// character code minus 64 ("A" is 1, "O" the origin's 15). An empty field names
// slot 191, which is never a point.
int slotOfFirstLetter(const std::string& text);
int slotOfLastLetter(const std::string& text);
// A number field: any constant expression ("pi/2", "2pi"); nothing when the
// text is not a number or its value is not finite.
std::optional<long double> readNumber(const std::string& text);

struct VectorEnds {
    int first = 0, second = 0;
};
// "i" and "j" are the unit vectors drawn from the origin; any other text goes
// from the point of its first letter to the point of its last.
VectorEnds readVector(const std::string& text);

// ---- What pressing "Créer ?" gives -------------------------------------------

struct Creation {
    bool created = false;
    // Bit n: the n-th field handed over (from 0) was wrong and turns red.
    unsigned wrongFields = 0;
    // Why nothing was created, for the status bar, when the dialog has no field to show it.
    std::string message;

    bool isWrong(int field) const { return (wrongFields >> field) & 1u; }
};

// A uniform whole number in 0..n-1, 0 when n is 0 or less.
using RandomBelow = std::function<long long(long long n)>;
// A generator seeded once, from the system's entropy.
RandomBelow seededRandom();

// ---- Points ----------------------------------------------------------------------
// Every point creation is refused once 26 points exist; otherwise, when its
// fields are right, the point takes the next slot (the origin's slot 15 is
// skipped) and its kind, references and trace flag are written there.

Creation createFixedPoint(const std::string& x, const std::string& y);
Creation createFreePoint(const RandomBelow& random);
Creation createPointOnCurve(int functionSlot, const RandomBelow& random);
// Midpoint of the points of the first and last letters of `ends`.
Creation createMidpoint(const std::string& ends, bool trace);
// Fields: start point, factor k, vector ("AB", "i" or "j").
Creation createTranslationImage(const std::string& start, const std::string& factor, const std::string& vector,
                                bool trace);
// Fields: start point, axis (first and last letters).
Creation createSymmetryImage(const std::string& start, const std::string& axis, bool trace);
// Fields: start point, centre (its last letter), angle in radians.
Creation createRotationImage(const std::string& start, const std::string& centre, const std::string& angle,
                             bool trace);
Creation createProjection(const std::string& start, bool onXAxis);

// ---- Segments, lines, polygons and facets ----------------------------------------

Creation createSegment(const std::string& ends);
Creation createLineThroughPoints(const std::string& points);
// y = m x + p
Creation createReducedLine(const std::string& m, const std::string& p);
// a x + b y + c = 0
Creation createCartesianLine(const std::string& a, const std::string& b, const std::string& c);
// The tangent (LineKind::Tangent) or the normal (LineKind::Normal) to the
// function of a slot at x = a, recomputed from the formula at every drawing.
Creation createContactLine(LineKind kind, int functionSlot, const std::string& a);
// Vertices in typed order; a letter may repeat, so "ABCA" closes the outline.
Creation createPolygon(const std::string& vertices, bool smoothed);
// Three or four vertices; a triangle is stored with its first vertex again as the fourth.
Creation createFacet(const std::string& vertices);

// ---- Random placement -------------------------------------------------------------

// Draws give up after this many tries: a window too small for the margin, or a
// curve that never passes well inside it, would otherwise draw for ever.
inline constexpr int PlacementDraws = 1000;
// A drawn position must lie this many pixels inside every edge of the window.
inline constexpr int PlacementMargin = 30;

// A free point: whole units from the window's lower-left corner, well inside
// the window; its centre when no draw succeeds.
WorldPoint freePointPosition(const RandomBelow& random);
// The abscissa of a new point on the curve of a slot, drawn in its domain of
// study when it has one, else across the window; when no draw puts the point
// well inside the window, the first pixel column where the curve shows;
// nothing when it never does.
std::optional<long double> curvePointAbscissa(int functionSlot, const RandomBelow& random);

#pragma once
// The program-wide tables of constructions drawn over the plane graph. Objects
// are only appended and removed from the end; image points keep references to
// their sources and are recomputed at every drawing.

#include <array>
#include <cstdint>
#include <string>

// The numbers are those the program has always stored.
enum class PointKind : int {
    Unused = 0,  // a slot never written
    Free = 1,
    Fixed = 2,
    OnCurve = 3,
    Translation = 4,
    AxialSymmetry = 5,
    Rotation = 6,
    Midpoint = 7,
    ProjectionOnX = 8,
    ProjectionOnY = 9,
};

enum class LineKind : int {
    None = 0,
    TwoPoints = 1,
    ReducedEquation = 2,    // y = mx + p
    CartesianEquation = 3,  // ax + by + c = 0
    Tangent = 4,
    Normal = 5,
    Direction = 6,          // tangent direction at a point of a parametric or polar curve
};

struct TPointRecord {
    PointKind kind = PointKind::Unused;
    std::uint8_t slot = 0;  // kind 3: function slot 1..4
    long double x = 0, y = 0, z = 0;
    int source = 0;  // kinds 4, 5, 6
    int first = 0;   // kind 4: vector start; 5: first axis point; 6: centre
    int second = 0;  // kind 4: vector end; 5: second axis point
    long double factor = 0;  // kind 4
    long double angle = 0;   // kind 6, radians
    bool trace = false;
    bool showName = false;
    int ref1 = 0;  // kind 7: first end; kinds 8, 9: the source
    int ref2 = 0;  // kind 7: second end
};

struct TLineRecord {
    LineKind kind = LineKind::None;
    int p1 = 0, p2 = 0;
    std::uint8_t slot = 0;
    long double a = 0, b = 0, c = 0, d = 0;
};

struct TSegmentRecord {
    int p1 = 0, p2 = 0;
};

inline constexpr int PolygonVertexCapacity = 100;

struct TPolygonRecord {
    std::array<int, PolygonVertexCapacity> vertices{};
    int vertexCount = 0;
    bool smoothed = false;
};

struct TFacetRecord {
    std::array<int, 4> points{};
};

struct TValuePoint {
    long double x = 0, y = 0;
};

inline constexpr int PointSlots = 28;
inline constexpr int OriginSlot = 15;
inline constexpr int UnitXSlot = 27;
inline constexpr int UnitYSlot = 28;
inline constexpr int MaxUserPoints = 26;
inline constexpr int LineCapacity = 50;
inline constexpr int SegmentCapacity = 50;
inline constexpr int PolygonCapacity = 10;
inline constexpr int FacetCapacity = 100;
inline constexpr int ValuePointCapacity = 2000;

// Indexed by slot number 1..28; index 0 is never used.
extern std::array<TPointRecord, PointSlots + 1> PointTable;
extern int PointCount;
extern std::array<TLineRecord, LineCapacity> LineTable;
extern int LineCount;
extern std::array<TSegmentRecord, SegmentCapacity> SegmentTable;
extern int SegmentCount;
extern std::array<TPolygonRecord, PolygonCapacity> PolygonTable;
extern int PolygonCount;
extern std::array<TFacetRecord, FacetCapacity> FacetTable;
extern int FacetCount;
extern int PlaneCount;
// Points of the table of values, drawn while its "Afficher les points." is ticked.
extern std::array<TValuePoint, ValuePointCapacity> ValuePoints;
extern int ValuePointCount;
extern bool ValuePointsShown;
// The guides the image windows' check boxes ask the graph to draw.
extern bool TranslationVectorsShown;    // "Voir les vecteurs"
extern bool SymmetryConstructionShown;  // "Voir la construction"
extern bool RotationConstructionShown;  // "Voir les constructions"
// 0 no sequence shown, 1 its function, 2 its terms (redrawn by the sequence window).
extern int SequenceState;

// Writes the origin and the ends of the unit vectors into their preset slots.
void writePresetPoints();
// Empties every table (the preset slots stay).
void clearConstructionCounts();
// The letter the next point will get, or "Fin." once 26 points exist.
std::string NextName();
// The capital letter of a point slot ("A" for 1, "O" for 15).
std::string PointName(int slot);
// Takes the slot of a new point and counts it: slot 15 belongs to the origin,
// so the count jumps from 14 to 15 after the 14th point. 0 once 26 points exist.
int takePointSlot();
// A slot number that can be read from PointTable.
bool isPointSlot(int slot);
// A point a new object may refer to: one in use, or the origin.
bool isValidPointReference(int slot);
// Takes the newest object of a table away (segments, lines, polygons, facets);
// an empty table stays empty.
void dropNewest(int& count);
// Removes the newest point; lines through two points and segments that used it
// then go through the origin. Returns the slot removed, 0 when there was none.
int deleteLastPoint();
// Appends a polygon through the named points ("ABCA"). Refused (false) when
// the table is full, when fewer than 2 or more than 100 names are given, or
// when a name is not a valid point reference.
bool appendPolygon(const std::string& names, bool smoothed);

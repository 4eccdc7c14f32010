#include "model/construction_tables.h"

#include <algorithm>

std::array<TPointRecord, PointSlots + 1> PointTable;
int PointCount = 0;
std::array<TLineRecord, LineCapacity> LineTable;
int LineCount = 0;
std::array<TSegmentRecord, SegmentCapacity> SegmentTable;
int SegmentCount = 0;
std::array<TPolygonRecord, PolygonCapacity> PolygonTable;
int PolygonCount = 0;
std::array<TFacetRecord, FacetCapacity> FacetTable;
int FacetCount = 0;
int PlaneCount = 0;
std::array<TValuePoint, ValuePointCapacity> ValuePoints;
int ValuePointCount = 0;
bool ValuePointsShown = false;
bool TranslationVectorsShown = false;
bool SymmetryConstructionShown = false;
bool RotationConstructionShown = false;
int SequenceState = 0;

namespace {

void writeFixedPoint(int slot, long double x, long double y) {
    PointTable[slot] = TPointRecord{};
    PointTable[slot].kind = PointKind::Fixed;
    PointTable[slot].x = x;
    PointTable[slot].y = y;
}

}  // namespace

void writePresetPoints() {
    writeFixedPoint(OriginSlot, 0, 0);
    writeFixedPoint(UnitXSlot, 1, 0);
    writeFixedPoint(UnitYSlot, 0, 1);
}

void clearConstructionCounts() {
    PointCount = 0;
    LineCount = 0;
    SegmentCount = 0;
    PolygonCount = 0;
    FacetCount = 0;
    PlaneCount = 0;
    ValuePointCount = 0;
    SequenceState = 0;
}

std::string NextName() {
    if (PointCount > 25) return "Fin.";
    return std::string(1, static_cast<char>('A' + PointCount));
}

std::string PointName(int slot) { return std::string(1, static_cast<char>(64 + slot)); }

int takePointSlot() {
    if (PointCount >= MaxUserPoints) return 0;
    const int slot = PointCount + 1;
    PointCount = slot == OriginSlot - 1 ? OriginSlot : slot;
    return slot;
}

bool isPointSlot(int slot) { return slot >= 1 && slot <= PointSlots; }

bool isValidPointReference(int slot) {
    return slot == OriginSlot || (slot >= 1 && slot <= PointCount);
}

void dropNewest(int& count) {
    if (count > 0) --count;
}

int deleteLastPoint() {
    if (PointCount <= 0) return 0;
    // Right after the 14th point the count stands on the origin's slot.
    const int removed = PointCount == OriginSlot ? OriginSlot - 1 : PointCount;
    PointCount = removed - 1;
    for (int i = 0; i < LineCount; ++i) {
        TLineRecord& line = LineTable[i];
        if (line.kind != LineKind::TwoPoints) continue;
        if (line.p1 == removed) line.p1 = OriginSlot;
        if (line.p2 == removed) line.p2 = OriginSlot;
    }
    for (int i = 0; i < SegmentCount; ++i) {
        if (SegmentTable[i].p1 == removed) SegmentTable[i].p1 = OriginSlot;
        if (SegmentTable[i].p2 == removed) SegmentTable[i].p2 = OriginSlot;
    }
    // Polygons and facets follow too: a vertex left on the removed slot would
    // take the place of the next point made, and a session holding it could
    // not be opened again.
    for (int i = 0; i < PolygonCount; ++i) {
        TPolygonRecord& polygon = PolygonTable[i];
        std::ranges::replace(polygon.vertices.begin(), polygon.vertices.begin() + polygon.vertexCount, removed,
                             OriginSlot);
    }
    for (int i = 0; i < FacetCount; ++i) std::ranges::replace(FacetTable[i].points, removed, OriginSlot);
    return removed;
}

bool appendPolygon(const std::string& names, bool smoothed) {
    const int count = static_cast<int>(names.size());
    if (PolygonCount >= PolygonCapacity || count < 2 || count > PolygonVertexCapacity) return false;
    TPolygonRecord polygon;
    for (int i = 0; i < count; ++i) {
        const int slot = static_cast<unsigned char>(names[i]) - 64;
        if (!isValidPointReference(slot)) return false;
        polygon.vertices[i] = slot;
    }
    polygon.vertexCount = count;
    polygon.smoothed = smoothed;
    PolygonTable[PolygonCount++] = polygon;
    return true;
}

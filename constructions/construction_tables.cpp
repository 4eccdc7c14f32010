#include "constructions/construction_tables.h"

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
int SequenceState = 0;

namespace {

void writeFixedPoint(int slot, long double x, long double y) {
    PointTable[slot] = TPointRecord{};
    PointTable[slot].kind = 2;
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

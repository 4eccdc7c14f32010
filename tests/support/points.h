#pragma once
// Puts a point of the given kind into the next free slot of the point table,
// as the construction dialogs do, and returns its slot.

#include "model/construction_tables.h"

inline int addPoint(PointKind kind, long double x = 0, long double y = 0) {
    const int slot = takePointSlot();
    PointTable[slot].kind = kind;
    PointTable[slot].x = x;
    PointTable[slot].y = y;
    return slot;
}

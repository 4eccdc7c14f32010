#include "model/space_state.h"

TSpaceFrame SpaceFrame;
long double MeshStep = 0.2L;
SpaceVector LightPosition{4, -4, 2};
bool SpaceWireShown = true;
bool SpaceAxesShown = true;

long double meshStepFor(int precision) {
    switch (precision) {
        case 1: return 0.4L;
        case 2: return 0.2L;
        case 3: return 0.07L;
        default: return MeshStep;
    }
}

void resetSpaceFrameBounds() {
    SpaceFrame.xmin = SpaceFrame.ymin = -3;
    SpaceFrame.xmax = SpaceFrame.ymax = 3;
}

void showWireForPrecision(int precision) { SpaceWireShown = precision != 3; }

std::array<TSphereRecord, SolidSlots + 1> SphereTable;
std::array<TCylinderRecord, SolidSlots + 1> CylinderTable;
std::array<TConeRecord, SolidSlots + 1> ConeTable;
TCuttingPlane CuttingPlane;
std::array<TPlaneRecord, PlaneCapacity> PlaneTable;
int SectionKind = 0;

void removeSolids() {
    for (int slot = 1; slot <= SolidSlots; ++slot) {
        SphereTable[slot].present = false;
        CylinderTable[slot].present = false;
        ConeTable[slot].present = false;
    }
}

void removeSpaceObjects() {
    removeSolids();
    CuttingPlane.present = false;
}

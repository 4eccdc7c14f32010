#include "plane/graph_interaction.h"

#include "plane/tgrafzone.h"

int MouseButton = 0;
int DragStartX = -1;
int DragStartY = -1;
int DraggedPoint = 0;

void graphMouseDown(Tgrafzone&, MouseButtonKind button, int x, int y) {
    MouseButton = static_cast<int>(button);
    DraggedPoint = 0;
    DragStartX = x;
    DragStartY = y;
}

void graphMouseMove(Tgrafzone&, int, int) {}

void graphMouseUp(Tgrafzone&) {
    DragStartX = -1;
    DragStartY = -1;
    MouseButton = 0;
    DraggedPoint = 0;
}

void graphKeyPress(Tgrafzone&, int) {}
void graphSliderChange(Tgrafzone&) {}
void enterNeutralMode(Tgrafzone&) {}
void enterMoveMode(Tgrafzone&) {}
void enterZoomMode(Tgrafzone&) {}
void enterBrowseMode(Tgrafzone&) {}

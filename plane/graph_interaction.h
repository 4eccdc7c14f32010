#pragma once
// What the mouse, the keyboard and the slider do in the graph window,
// according to PlotMode. The graph window forwards its events here; the modes
// whose windows belong to higher layers run what they registered
// (plane/mode_handlers.h).

class Tgrafzone;

enum class MouseButtonKind { None = 0, Left = 1, Right = 2 };

// Pointer state between button down and button up.
extern int MouseButton;   // 0 none, 1 left, 2 right
extern int DragStartX;    // pixel of the button down, then the last one used; -1 when up
extern int DragStartY;
extern int DraggedPoint;  // point slot being dragged, 0 when none

void graphMouseDown(Tgrafzone& graph, MouseButtonKind button, int x, int y);
void graphMouseMove(Tgrafzone& graph, int x, int y);
void graphMouseUp(Tgrafzone& graph);
// The slider t moved (the modes of the parametric and polar curves).
void graphSliderChange(Tgrafzone& graph, int position);
void graphKeyPress(Tgrafzone& graph, int key);

// Mode changes shared by the main menu and the graph window's pop-up menu.
void enterNeutralMode(Tgrafzone& graph);
void enterMoveMode(Tgrafzone& graph);
void enterZoomMode(Tgrafzone& graph);
void enterBrowseMode(Tgrafzone& graph);

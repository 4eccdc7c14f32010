#pragma once
// What the mouse does in the graph window's variations mode and in its
// inequality modes, registered with the graph window at start-up.

class Tgrafzone;

// With the left button held: the point of the chosen function under the mouse
// and, in the variations window, the arrow of the derivative's sign while the
// mouse goes right.
void variationsMouseMove(Tgrafzone& graph, int x, int y);
// Marks, into the back buffer, whether the column under the mouse solves the
// inequality of the current mode and where a bound of its solution lies.
void inequalityMouseMove(Tgrafzone& graph, int x, int y);

// Registers the modes 4 to 12 with their windows; once those windows exist.
void registerPropertyModes();

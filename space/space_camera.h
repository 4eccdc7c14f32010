#pragma once
// How the mouse, the wheel and the keyboard turn, move and zoom the space
// view: plain arithmetic on the program-wide camera.

struct TSpaceCamera {
    float tilt = 0;     // degrees about the axis (-1, 1, 0)
    float spin = 0;     // degrees about the z axis, applied as -spin
    float scale = 0.25f;
    float panY = 0, panZ = 0;
};

enum class DragKind : int { None = 0, Rotating = 1, Panning = 2 };

struct MousePosition {
    int x = 0, y = 0;
};

enum class SpaceButton { Left, Right, Middle };
enum class SpaceKey { Escape, PageUp, PageDown, Other };

extern TSpaceCamera SpaceCamera;
extern DragKind DragMode;
extern MousePosition LastMouse;

// Back to the view every space window starts with.
void resetCamera();
// The left button starts turning the scene, the right one moving it; the
// middle one puts the camera back.
void beginDrag(SpaceButton button, int x, int y);
// Turns by half a degree per pixel, or moves by a fixed 0.1 per event along
// each axis the mouse moved on, however far. Returns whether a drag is going on.
bool dragTo(int x, int y);
void endDrag();
// A wheel turned away from the user zooms out.
void zoomByWheel(int delta);
void cameraKey(SpaceKey key);

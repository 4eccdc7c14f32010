#include "space/space_camera.h"

TSpaceCamera SpaceCamera;
DragKind DragMode = DragKind::None;
MousePosition LastMouse;

namespace {

constexpr float DegreesPerPixel = 0.5f;
constexpr float PanStep = 0.1f;
constexpr float ZoomOut = 0.9f;
constexpr float ZoomIn = 1.1f;

}  // namespace

void resetCamera() { SpaceCamera = TSpaceCamera{}; }

void beginDrag(SpaceButton button, int x, int y) {
    LastMouse = {x, y};
    switch (button) {
        case SpaceButton::Left: DragMode = DragKind::Rotating; break;
        case SpaceButton::Right: DragMode = DragKind::Panning; break;
        case SpaceButton::Middle: resetCamera(); break;
    }
}

bool dragTo(int x, int y) {
    if (DragMode == DragKind::Rotating) {
        SpaceCamera.tilt += float(y - LastMouse.y) * DegreesPerPixel;
        SpaceCamera.spin -= float(x - LastMouse.x) * DegreesPerPixel;
    } else if (DragMode == DragKind::Panning) {
        if (y > LastMouse.y) SpaceCamera.panZ -= PanStep;
        if (y < LastMouse.y) SpaceCamera.panZ += PanStep;
        if (x < LastMouse.x) SpaceCamera.panY -= PanStep;
        if (x > LastMouse.x) SpaceCamera.panY += PanStep;
    } else {
        return false;
    }
    LastMouse = {x, y};
    return true;
}

void endDrag() { DragMode = DragKind::None; }

void zoomByWheel(int delta) { SpaceCamera.scale *= delta > 0 ? ZoomOut : ZoomIn; }

void cameraKey(SpaceKey key) {
    switch (key) {
        case SpaceKey::Escape: resetCamera(); break;
        case SpaceKey::PageUp: SpaceCamera.scale *= ZoomOut; break;
        case SpaceKey::PageDown: SpaceCamera.scale *= ZoomIn; break;
        case SpaceKey::Other: break;
    }
}

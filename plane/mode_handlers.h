#pragma once
// The modes of the graph window whose answer belongs to windows of a higher
// layer (variations, inequalities, the sliders of the parametric and polar
// curves). The graph window cannot include those windows, so each registers
// here what the mouse and the slider do in its modes:
//
//   registerModeHandlers(InteractionMode::ParametricBrowse,
//                        {nullptr, parametricSliderChange, foncpara.data()});
//
// called from app/startup.cpp once the window exists. graphMouseMove runs the
// mouseMove of the current PlotMode for every mode it does not handle itself
// (neither move nor browse), after the Painting check; the slider t's
// valueChanged runs sliderChange, also refused while Painting is set. A
// handler draws with the graph's canvases and Tgrafzone::construit() like the
// graph's own modes. hideModeWindow(mode) lets the graph, or a window of its
// layer, hide the window of a mode it leaves ("hide Tineqa").

#include <QPointer>
#include <QWidget>

class Tgrafzone;
enum class InteractionMode : int;

struct ModeHandlers {
    // The mouse moved to pixel (x, y) of the drawing area.
    void (*mouseMove)(Tgrafzone& graph, int x, int y) = nullptr;
    // The slider t moved to `position` (0..100).
    void (*sliderChange)(Tgrafzone& graph, int position) = nullptr;
    // The window the mode is chosen in or answers in.
    QPointer<QWidget> window;
};

void registerModeHandlers(InteractionMode mode, const ModeHandlers& handlers);
// What was registered for that mode; nothing for the modes of the graph itself.
const ModeHandlers& modeHandlers(InteractionMode mode);
// Hides the window registered for that mode, when there is one.
void hideModeWindow(InteractionMode mode);

#include "model/state_reset.h"

#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/space_state.h"
#include "platform/cursors.h"

void initialisePlotState() {
    PlotFrame = TPlotFrame{};
    const char* const names[CurveSlotCount] = {"", "f", "g", "h", "i", ""};
    for (int slot = 0; slot < CurveSlotCount; ++slot) {
        CurveSlot[slot] = TCurveSlot{};
        CurveSlot[slot].name = names[slot];
    }
    resetPlotState();
    writePresetPoints();
    SelectedSlot = 1;
    SecondSlot = 2;
    Painting = false;
    AnimationRunning = false;
    ValuePointsShown = false;
    TranslationVectorsShown = false;
    SymmetryConstructionShown = false;
    RotationConstructionShown = false;
}

void resetPlotState() {
    for (TCurveSlot& slot : CurveSlot) {
        slot.formula.clear();
        slot.domain.restricted = false;
    }
    PlotMode = InteractionMode::Neutral;
    clearConstructionCounts();
    removeSpaceObjects();
    GraphKind = GraphType::None;
    IntroRunning = false;
    resetCurveColours();
    ModeCursor = crDefault;
    PlotFrame.graduex = PlotFrame.graduey = 1;
}

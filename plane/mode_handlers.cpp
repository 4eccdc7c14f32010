#include "plane/mode_handlers.h"

#include <array>

#include "model/plot_state.h"

namespace {

constexpr int ModeCount = static_cast<int>(InteractionMode::PolarTangents) + 1;

std::array<ModeHandlers, ModeCount>& table() {
    static std::array<ModeHandlers, ModeCount> handlers;
    return handlers;
}

bool known(InteractionMode mode) {
    const int index = static_cast<int>(mode);
    return index >= 0 && index < ModeCount;
}

}  // namespace

void registerModeHandlers(InteractionMode mode, const ModeHandlers& handlers) {
    if (known(mode)) table()[static_cast<int>(mode)] = handlers;
}

const ModeHandlers& modeHandlers(InteractionMode mode) {
    static const ModeHandlers none;
    return known(mode) ? table()[static_cast<int>(mode)] : none;
}

void hideModeWindow(InteractionMode mode) {
    if (QWidget* window = modeHandlers(mode).window) window->hide();
}

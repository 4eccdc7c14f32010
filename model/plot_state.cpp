#include "model/plot_state.h"

#include <cmath>
#include <limits>

TPlotFrame PlotFrame;
std::array<TCurveSlot, CurveSlotCount> CurveSlot;
GraphType GraphKind = GraphType::None;
InteractionMode PlotMode = InteractionMode::Neutral;
int SelectedSlot = 1;
int SecondSlot = 2;
int ModeCursor = 0;
bool Painting = false;
bool AnimationRunning = false;
bool IntroRunning = false;
bool SpaceViewBuilt = false;
std::string AppFolder;

namespace {

// Pixel arithmetic on huge or undefined values must neither overflow nor trap:
// far-away points are clamped well outside any window.
int truncToPixel(long double value) {
    constexpr long double limit = 1e8L;
    if (std::isnan(value)) return static_cast<int>(limit);
    if (value > limit) return static_cast<int>(limit);
    if (value < -limit) return static_cast<int>(-limit);
    return static_cast<int>(std::trunc(value));
}

}  // namespace

void TPlotFrame::deriveFrom(int width, int height) {
    pixelx = (xmax - xmin) / width;
    pixely = (ymax - ymin) / height;
    originx = truncToPixel(-xmin / pixelx);
    originy = truncToPixel(ymax / pixely);
}

int TPlotFrame::column(long double x) const { return originx + truncToPixel(x / pixelx); }

int TPlotFrame::row(long double y) const { return originy - truncToPixel(y / pixely); }

long double TPlotFrame::worldX(long double c) const { return (c - originx) * pixelx; }

long double TPlotFrame::worldY(long double r) const { return (originy - r) * pixely; }

bool TPlotFrame::inside(long double x, long double y) const {
    return xmin < x && x < xmax && ymin < y && y < ymax;
}

void resetCurveColours() {
    constexpr std::array<TColor, 5> colours{clAqua, clBlue, clLime, clFuchsia, clMaroon};
    for (int k = 0; k < 5; ++k) CurveSlot[k].colour = colours[k];
}

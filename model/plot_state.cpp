#include "model/plot_state.h"

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

void TPlotFrame::deriveFrom(int width, int height) {
    pixelx = (xmax - xmin) / width;
    pixely = (ymax - ymin) / height;
    originx = truncToPixel(-xmin / pixelx);
    originy = truncToPixel(ymax / pixely);
}

long double TPlotFrame::worldX(long double c) const { return (c - originx) * pixelx; }

long double TPlotFrame::worldY(long double r) const { return (originy - r) * pixely; }

bool TPlotFrame::inside(long double x, long double y) const {
    return xmin < x && x < xmax && ymin < y && y < ymax;
}

void resetCurveColours() {
    constexpr std::array<TColor, 5> colours{clAqua, clBlue, clLime, clFuchsia, clMaroon};
    for (int k = 0; k < 5; ++k) CurveSlot[k].colour = colours[k];
}

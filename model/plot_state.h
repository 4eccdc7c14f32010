#pragma once
// The state every window of the plane graph shares. There is no notification:
// a window that changes what is drawn repaints the graph window itself.

#include <array>
#include <cmath>
#include <string>

#include "platform/colour.h"

struct TPlotFrame {
    long double xmin = -10, xmax = 10, ymin = -10, ymax = 10;
    long double graduex = 1, graduey = 1;
    // Derived from the bounds and the graph window's size by deriveFrom().
    long double pixelx = 0, pixely = 0;
    int originx = 0, originy = 0;

    void deriveFrom(int width, int height);
    // World to pixel and back, by truncation toward zero. Curves map every
    // sample: the mapping is inline.
    int column(long double x) const { return originx + truncToPixel(x / pixelx); }
    int row(long double y) const { return originy - truncToPixel(y / pixely); }
    long double worldX(long double column) const;
    long double worldY(long double row) const;
    bool inside(long double x, long double y) const;  // strict, on both axes

private:
    // Pixel arithmetic on huge or undefined values must neither overflow nor
    // trap: far-away points are clamped well outside any window.
    static int truncToPixel(long double value) {
        constexpr int limit = 100000000;
        if (!(std::fabs(value) <= limit)) return value < 0 ? -limit : limit;  // NaN too
        // Converting an 80-bit value to an integer switches the x87 rounding
        // mode, which waits for every floating-point operation in flight. The
        // value goes through a double instead, truncated by an SSE instruction.
        // Integers of this size are doubles, so the rounding to a double can
        // reach the next integer away from zero but never pass it: only an
        // integral double needs the 80-bit comparison that takes it back.
        const double rounded = static_cast<double>(value);
        int truncated = static_cast<int>(rounded);
        if (rounded == truncated) [[unlikely]] {
            if (value >= 0 && truncated > value) --truncated;
            if (value < 0 && truncated < value) ++truncated;
        }
        return truncated;
    }
};

struct TDomain {
    long double lo = -10, hi = 10;
    bool restricted = false;
    bool contains(long double x) const { return !restricted || (x >= lo && x <= hi); }
};

struct TCurveSlot {
    std::string formula;  // normalised text of a validated formula; empty = undefined
    std::string name;     // "f", "g", "h", "i" for slots 1..4
    TColor colour = clBlack;
    TDomain domain;
};

inline constexpr int CurveSlotCount = 6;

// What the graph window shows. The numbers are those the program has always used.
enum class GraphType : int {
    None = 0,  // no kind chosen yet, or the space view
    FunctionOfX = 1,
    Animation = 2,
    Parametric = 3,
    Polar = 4,
    Cartesian = 5,
};

// What the mouse, the keyboard and the slider do in the graph window.
enum class InteractionMode : int {
    Neutral = 0,
    Move = 1,
    Zoom = 2,
    Browse = 3,
    Variations = 4,
    // f(x) against a constant: 4 + the relation chosen, in the order <, >, <=, >=.
    BelowConstant = 5,
    AboveConstant = 6,
    AtMostConstant = 7,
    AtLeastConstant = 8,
    // f(x) against g(x): 8 + the relation, in the same order.
    BelowFunction = 9,
    AboveFunction = 10,
    AtMostFunction = 11,
    AtLeastFunction = 12,
    ParametricBrowse = 13,
    ParametricTangents = 14,
    PolarBrowse = 15,
    PolarTangents = 16,
};

extern TPlotFrame PlotFrame;
extern std::array<TCurveSlot, CurveSlotCount> CurveSlot;
extern GraphType GraphKind;
extern InteractionMode PlotMode;
extern int SelectedSlot;
extern int SecondSlot;
extern int ModeCursor;  // a cursor number of platform/cursors.h: crDefault, crSizeWE, ... or 5..14
extern bool Painting;
extern bool AnimationRunning;
extern bool IntroRunning;
extern bool SpaceViewBuilt;
extern std::string AppFolder;

// The colours every graph-kind switch gives back to the slots.
void resetCurveColours();

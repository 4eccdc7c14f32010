#pragma once
// What the graph reads from the entry windows of the parametric and polar
// curves: the texts of their parameter ranges, their "Masquer les courbes"
// boxes, and the polar grid settings. The windows write them as they are
// typed; the paint and the sliders read the numbers at every use.

#include <optional>
#include <string>

// A parameter range as typed, "0" to "2pi" at start.
struct TCurveRange {
    std::string minText = "0";
    std::string maxText = "2pi";
    bool hidden = false;  // "Masquer les courbes"

    // The typed bounds as numbers; nothing when either is not a finite number.
    std::optional<long double> low() const;
    std::optional<long double> high() const;
};

// The polar grid: circles every `circleText`, rays every `rayText` radians.
struct TPolarGrid {
    std::string circleText = "1";
    std::string rayText = "pi/4";
    bool circles = true;  // "Cercles"
    bool rays = true;     // "Rayons"
};

extern TCurveRange ParametricRange;  // t of X(t), Y(t)
extern TCurveRange PolarRange;       // the angle of R(x)
extern TPolarGrid PolarGrid;

// The spacing of the circles and the angle between rays as the grid draws them:
// a text that is not a positive number falls back to "1" and "pi/4" and is
// rewritten. Returns whether a text was rewritten.
struct PolarGridSteps {
    long double circle, ray;
};
PolarGridSteps polarGridSteps(bool* rewritten = nullptr);

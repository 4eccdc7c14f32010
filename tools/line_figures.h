#pragma once
// The arithmetic behind the line windows and the transformation window: the
// equations of the line through two points, the meeting point of two lines,
// and the formula of a function moved, shifted and folded by abs.

#include <optional>
#include <string>

#include "tools/values_solving.h"

// The line through two points, as a general equation ("4x+-2y+2=0") and, when
// it is not vertical, as a reduced one ("y=2x+1"); coefficients to 1 decimal.
struct LineEquations {
    std::string general;
    std::optional<std::string> reduced;
};
LineEquations lineEquations(PlotPoint first, PlotPoint second);

// "p(x;y)" to 2 decimals where the line through a and b meets the line
// through c and d, or "Pas de point unique." when they are parallel.
std::string intersectionText(PlotPoint a, PlotPoint b, PlotPoint c, PlotPoint d);

// What the transformation window builds from a function's formula.
struct Transformation {
    long double added = 0;    // f(x)+a
    long double shift = 0;    // f(x+b)
    bool absoluteValue = false;  // |f|
    bool ofAbsoluteX = false;    // f(|x|)
};
// |f(|x| + b) + a|, each part only when chosen. The x of exp is left alone,
// and the text is not normalised again.
std::string transformedFormula(const std::string& formula, const Transformation& transformation);

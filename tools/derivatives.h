#pragma once
// The arithmetic behind the derivative windows (derived functions, tangent
// and normal equations, rates of change, extremums), kept apart from the
// widgets so that it can be checked on its own.

#include <optional>
#include <string>
#include <vector>

#include "expression/diffexpress.h"
#include "expression/matutil.h"
#include "tools/values_solving.h"

// The shown text of an undefined equation or derivative.
inline constexpr const char* UndefinedText = "??";

// What the derivative window shows for a defined function: its derivative, or "??".
std::string derivativeText(const std::string& formula);

// The slope of the curve at a, from its symbolic derivative, and the value there.
struct SlopeAndValue {
    long double slope = 0, value = 0;
};
// Nothing when a, the value or the slope is undefined, or when the derivative
// does not compile (it names sgn, ch or sh).
std::optional<SlopeAndValue> slopeAndValueAt(const std::string& formula, long double a);

// "y=mx+p" with m and p to 2 decimals, a negative p kept after "+"; "??" when undefined.
std::string tangentEquation(const std::string& formula, long double a);
// The same for the normal; "x=a" where the tangent is horizontal.
std::string normalEquation(const std::string& formula, long double a);

// The rate of change from one point to another: "=" and the rate to 3 decimals.
// Nothing when a coordinate is undefined, when both abscissas are equal or when
// the rate overflows.
std::optional<std::string> rateText(PlotPoint first, PlotPoint second);

// One column of the extremum grid: row i holds the i-th zero of the derivative
// where it changes sign, as "m est atteint en x0"; the other rows are empty.
struct ExtremumColumn {
    std::vector<std::string> cells;
    std::vector<PlotPoint> extrema;
};
// Nothing when the function has no derivative that compiles.
std::optional<ExtremumColumn> extremaAcrossFrame(const std::string& formula);

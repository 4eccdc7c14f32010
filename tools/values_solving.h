#pragma once
// The arithmetic behind the windows that read values and solve equations
// (image, antecedents, zeros, intersections, table of values), kept apart
// from the widgets so that it can be checked on its own.

#include <array>
#include <string>
#include <vector>

#include "expression/matutil.h"

struct PlotPoint {
    long double x = 0, y = 0;
};

// The formula of a function slot 1..4, empty when that function is not defined.
const std::string& slotFormula(int slot);
// Where the constructed point of that slot stands.
PlotPoint pointPosition(int slot);

// Zeros of a formula across the frame's x range, scanned every `pixelsPerStep`
// pixels. Nothing is searched before the graph window has given the frame its size.
ZeroList zerosAcrossFrame(const std::string& formula, long double pixelsPerStep);

// The text whose zeros are the solutions of formula = value.
std::string equationText(const std::string& formula, long double value);
// Each solution with the formula's value there, for the marks.
std::vector<PlotPoint> pointsOnCurve(const std::string& formula, const ZeroList& solutions);

// The image of a by a formula, ErrorValue where it is undefined.
long double imageOf(const std::string& formula, long double a);
// The same for a formula compiled once and evaluated many times.
long double valueAt(TExpress& compiled, long double x);
// "?" for an undefined image, else the value to 6 decimals.
std::string imageText(long double y);

// One column of the zero grid: its title and one cell per zero, duplicates kept.
struct ZeroColumn {
    std::string title;
    std::vector<std::string> cells;
};
ZeroColumn zeroColumn(const std::string& name, const ZeroList& zeros);

// Table of values. A step that is too large for the interval is shortened to a
// fifteenth of it; one that would need more rows than a grid can show is refused
// and replaced by the default step 1 (or, if even that is too fine, shortened).
inline constexpr long double DefaultTableStep = 1;
inline constexpr int MaxTableRows = 100000;

struct TablePlan {
    long double from = -10;
    long double step = DefaultTableStep;
    int lastRow = 20;  // rows 1 .. lastRow + 1 hold x = from + (row - 1) * step
    bool stepChanged = false;
};
// `step` is a finite positive number, `from` and `to` finite numbers.
TablePlan planValueTable(long double step, long double from, long double to);

struct ValueTable {
    std::vector<long double> xs;
    // Index 1..4: the cells of that slot's column, empty when the slot is undefined.
    std::array<std::vector<std::string>, 5> columns;
    // Index 1..4: the slot has a formula, so its column gets a title.
    std::array<bool, 5> slotShown{};
    // Defined points in slot order, at most ValuePointCapacity of them.
    std::vector<PlotPoint> points;
};
ValueTable computeValueTable(const TablePlan& plan);

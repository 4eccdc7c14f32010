#include "tools/values_solving.h"

#include <cmath>

#include "model/construction_tables.h"
#include "model/plot_state.h"

const std::string& slotFormula(int slot) { return CurveSlot.at(slot).formula; }

PlotPoint pointPosition(int slot) { return {PointTable.at(slot).x, PointTable.at(slot).y}; }

ZeroList zerosAcrossFrame(const std::string& formula, long double pixelsPerStep) {
    const long double step = pixelsPerStep * PlotFrame.pixelx;
    if (!std::isfinite(step) || step <= 0) return {};
    return FindZeros(formula, PlotFrame.xmin, PlotFrame.xmax, step);
}

// The value goes in as a number, not as the typed text: the field may hold a
// text such as "2pi" that only NumberReader understands.
std::string equationText(const std::string& formula, long double value) {
    return formula + "-(" + FloatToStr(value) + ")";
}

std::vector<PlotPoint> pointsOnCurve(const std::string& formula, const ZeroList& solutions) {
    std::vector<PlotPoint> points;
    for (int i = 0; i < solutions.count; ++i)
        points.push_back({solutions.values[i], FormulaValue(formula, solutions.values[i])});
    return points;
}

long double imageOf(const std::string& formula, long double a) {
    TExpress expression;
    expression.setExpression(formula);
    if (expression.SyntaxError()) return ErrorValue;
    return valueAt(expression, a);
}

long double valueAt(TExpress& compiled, long double x) {
    MathError = false;
    const long double y = compiled.Evaluate(x, 0, 0);
    return MathError ? ErrorValue : y;
}

std::string imageText(long double y) {
    if (y == ErrorValue) return "?";
    return FloatToStr(RoundTo(y, 6));
}

ZeroColumn zeroColumn(const std::string& name, const ZeroList& zeros) {
    ZeroColumn column;
    column.title = name + "  {" + FloatToStr(zeros.count) + "}";
    for (int i = 0; i < zeros.count; ++i)
        column.cells.push_back(FloatToStr(RoundTo(zeros.values[i], 4)));
    return column;
}

namespace {

long double shortenedIfTooLarge(long double step, long double width) {
    return step >= width / 2 ? width / 15 : step;
}

// Index of the last data row; an interval of no width has one row.
long double lastRowFor(long double step, long double width) {
    if (step == 0) return 0;
    return std::trunc(width / step);
}

}  // namespace

TablePlan planValueTable(long double step, long double from, long double to) {
    const long double width = to - from;
    long double chosen = shortenedIfTooLarge(step, width);
    if (lastRowFor(chosen, width) >= MaxTableRows)
        chosen = shortenedIfTooLarge(DefaultTableStep, width);
    if (lastRowFor(chosen, width) >= MaxTableRows) chosen = width / 15;

    TablePlan plan;
    plan.from = from;
    plan.step = chosen;
    plan.lastRow = static_cast<int>(lastRowFor(chosen, width));
    plan.stepChanged = chosen != step;
    return plan;
}

namespace {

std::vector<std::string> valueColumn(TExpress& expression, const std::vector<long double>& xs,
                                     std::vector<PlotPoint>& points) {
    std::vector<std::string> cells;
    cells.reserve(xs.size());
    for (const long double x : xs) {
        const long double y = valueAt(expression, x);
        if (y == ErrorValue) {
            cells.emplace_back("erreur");
            continue;
        }
        cells.push_back(FloatToStr(RoundTo(y, 8)));
        if (points.size() < static_cast<std::size_t>(ValuePointCapacity)) points.push_back({x, y});
    }
    return cells;
}

}  // namespace

ValueTable computeValueTable(const TablePlan& plan) {
    ValueTable table;
    for (int row = 1; row <= plan.lastRow + 1; ++row)
        table.xs.push_back(plan.from + (row - 1) * plan.step);
    for (int slot = 1; slot <= 4; ++slot) {
        if (slotFormula(slot).empty()) continue;
        table.slotShown[slot] = true;
        TExpress expression;
        expression.setExpression(slotFormula(slot));
        if (!expression.SyntaxError())
            table.columns[slot] = valueColumn(expression, table.xs, table.points);
    }
    return table;
}

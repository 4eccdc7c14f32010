#include "tools/derivatives.h"

#include <cmath>

#include "model/plot_state.h"

std::string derivativeText(const std::string& formula) {
    return derivativeOf(formula).value_or(UndefinedText);
}


std::optional<SlopeAndValue> slopeAndValueAt(const std::string& formula, long double a) {
    if (!isDefined(a)) return std::nullopt;
    const std::optional<std::string> derivative = derivativeOf(formula);
    if (!derivative) return std::nullopt;
    const SlopeAndValue found{imageOf(*derivative, a), FormulaValue(formula, a)};
    if (!isDefined(found.slope) || !isDefined(found.value)) return std::nullopt;
    return found;
}

namespace {

std::string rounded(long double value, int decimals) { return FloatToStr(RoundTo(value, decimals)); }

std::string reducedEquation(long double slope, long double intercept) {
    return "y=" + rounded(slope, 2) + "x+" + rounded(intercept, 2);
}

}  // namespace

std::string tangentEquation(const std::string& formula, long double a) {
    const std::optional<SlopeAndValue> at = slopeAndValueAt(formula, a);
    if (!at) return UndefinedText;
    return reducedEquation(at->slope, at->value - at->slope * a);
}

// The normal through (a, f(a)) has the slope -1/f'(a): y = -x/f'(a) + a/f'(a) + f(a).
std::string normalEquation(const std::string& formula, long double a) {
    const std::optional<SlopeAndValue> at = slopeAndValueAt(formula, a);
    if (!at) return UndefinedText;
    if (RoundTo(at->slope, 4) == 0) return "x=" + FloatToStr(a);
    return reducedEquation(-1 / at->slope, a / at->slope + at->value);
}

std::optional<std::string> rateText(PlotPoint first, PlotPoint second) {
    for (const long double coordinate : {first.x, first.y, second.x, second.y})
        if (!isDefined(coordinate)) return std::nullopt;
    if (first.x == second.x) return std::nullopt;
    const long double rate = (first.y - second.y) / (first.x - second.x);
    if (!std::isfinite(rate)) return std::nullopt;
    return "=" + rounded(rate, 3);
}

namespace {

// The derivative changes sign across x0 when its values one pixel either side
// are both defined and of opposite signs.
bool changesSign(const std::string& derivative, long double x0) {
    const long double before = FormulaValue(derivative, x0 - PlotFrame.pixelx);
    const long double after = FormulaValue(derivative, x0 + PlotFrame.pixelx);
    return isDefined(before) && isDefined(after) && before * after < 0;
}

}  // namespace

std::optional<ExtremumColumn> extremaAcrossFrame(const std::string& formula) {
    const std::optional<std::string> derivative = derivativeOf(formula);
    if (!derivative) return std::nullopt;
    TExpress compiled;
    compiled.setExpression(*derivative);
    if (compiled.SyntaxError()) return std::nullopt;

    ExtremumColumn column;
    const ZeroList zeros = zerosAcrossFrame(*derivative, 1);
    for (int i = 0; i < zeros.count; ++i) {
        const long double x0 = zeros.values[i];
        const long double m = changesSign(*derivative, x0) ? FormulaValue(formula, x0) : ErrorValue;
        if (!isDefined(m)) {
            column.cells.emplace_back();
            continue;
        }
        column.cells.push_back(rounded(m, 3) + " est atteint en " + FloatToStr(x0));
        column.extrema.push_back({x0, m});
    }
    return column;
}

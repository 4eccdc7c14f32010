#include "model/curve_entries.h"

#include <cmath>

#include "expression/matutil.h"

TCurveRange ParametricRange;
TCurveRange PolarRange;
TPolarGrid PolarGrid;

namespace {

constexpr long double QuarterTurn = 0.7853975L;  // the grid's own value of pi/4

std::optional<long double> numberOf(const std::string& text) {
    const long double value = NumberReader(text);
    if (value == ErrorValue || !std::isfinite(value)) return std::nullopt;
    return value;
}

long double positiveOr(std::string& text, const char* fallbackText, long double fallback, bool& rewritten) {
    const std::optional<long double> value = numberOf(text);
    if (value && *value > 0) return *value;
    text = fallbackText;
    rewritten = true;
    return fallback;
}

}  // namespace

std::optional<long double> TCurveRange::low() const { return numberOf(minText); }

std::optional<long double> TCurveRange::high() const { return numberOf(maxText); }

PolarGridSteps polarGridSteps(bool* rewritten) {
    bool changed = false;
    const long double circle = positiveOr(PolarGrid.circleText, "1", 1, changed);
    const long double ray = positiveOr(PolarGrid.rayText, "pi/4", QuarterTurn, changed);
    if (rewritten) *rewritten = changed;
    return {circle, ray};
}

#include "tools/integration.h"

#include <cmath>

#include "tools/derivatives.h"

namespace {

constexpr long double ScreenStepsPerPixel = 20;

// `term` gives the height of the term at x, ErrorValue where it is undefined.
template <class Term>
LeftSum leftSum(long double a, long double b, long double step, Term term) {
    const std::optional<long double> total = LeftRiemannSum(a, b, step, term);
    return total ? LeftSum{*total, true} : LeftSum{0, false};
}

std::string sumText(const std::string& name, const LeftSum& sum) {
    return name + (sum.defined ? FloatToStr(RoundTo(sum.total, 4)) : "erreur");
}

}  // namespace

bool isUsableStep(long double step, long double a, long double b) {
    return std::isfinite(step) && step > 0 && (b - a) / step <= MaxSumTerms;
}

long double integralStep(long double typed, long double a, long double b) {
    if (isUsableStep(typed, a, b)) return typed;
    const long double fallback = NumberReader(DefaultIntegralStepText);
    return isUsableStep(fallback, a, b) ? fallback : (b - a) / MaxSumTerms;
}

long double screenStep(long double pixelx, long double a, long double b) {
    const long double step = pixelx / ScreenStepsPerPixel;
    return isUsableStep(step, a, b) ? step : (b - a) / MaxSumTerms;
}

LeftSum integralOf(const std::string& formula, long double a, long double b, long double step,
                   const TermSeen& seen) {
    TExpress expression;
    expression.setExpression(formula);
    if (expression.SyntaxError()) return {};
    return leftSum(a, b, step, [&](long double x) {
        const long double y = valueAt(expression, x);
        if (isDefined(y) && seen) seen(x, y);
        return y;
    });
}

LeftSum areaBetween(const std::string& first, const std::string& second, long double a,
                    long double b, long double step, const TermsSeen& seen) {
    TExpress u, v;
    u.setExpression(first);
    v.setExpression(second);
    if (u.SyntaxError() || v.SyntaxError()) return {};
    return leftSum(a, b, step, [&](long double x) {
        const long double y1 = valueAt(u, x), y2 = valueAt(v, x);
        if (!isDefined(y1) || !isDefined(y2)) return ErrorValue;
        if (seen) seen(x, y1, y2);
        return std::fabs(y1 - y2);
    });
}

LeftSum arcLength(const std::string& formula, long double a, long double b, long double step) {
    const LeftSum undefined{0, false};
    const std::optional<std::string> derivative = derivativeOf(formula);
    if (!derivative) return undefined;
    TExpress curve, integrand;
    curve.setExpression(formula);
    integrand.setExpression("sqrt(1+(" + *derivative + ")^2)");
    if (curve.SyntaxError() || integrand.SyntaxError()) return undefined;
    // Where the function itself is undefined there is no arc, whatever its
    // derivative's text gives there (ln(x) derives to 1/x, defined for x < 0).
    return leftSum(a, b, step, [&](long double x) {
        return isDefined(valueAt(curve, x)) ? valueAt(integrand, x) : ErrorValue;
    });
}

std::string integralText(const LeftSum& sum) { return sumText("S(a,b)=", sum); }

// A failed area reads "S(a,b)=erreur", like a failed integral.
std::string areaText(const LeftSum& sum) { return sum.defined ? sumText("A(a,b)=", sum) : integralText(sum); }

std::string arcLengthText(const LeftSum& sum) { return sumText("L(a,b)=", sum); }

std::string segmentLengthText(PlotPoint first, PlotPoint second) {
    return "l=" + FloatToStr(RoundTo(PointDistance(first.x, first.y, second.x, second.y), 2));
}

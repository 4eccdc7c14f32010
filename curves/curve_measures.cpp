#include "curves/curve_measures.h"

#include <algorithm>
#include <cmath>

#include "expression/diffexpress.h"
#include "expression/matutil.h"

namespace {

// A formula compiled once for a whole sum.
struct Compiled {
    explicit Compiled(const std::string& text) { expression.setExpression(text); }
    bool valid() const { return !expression.SyntaxError(); }
    long double at(long double x) { return expression.Evaluate(x, 0, 0); }
    TExpress expression;
};

}  // namespace

long double arcStep(long double pixelx, long double perPixel, long double a, long double b) {
    return std::max(pixelx / perPixel, (b - a) / MaxArcTerms);
}

std::optional<long double> parametricArcLength(const std::string& x, const std::string& y, long double a,
                                               long double b, long double step) {
    const std::optional<std::string> dxText = derivativeOf(x);
    if (!dxText) return std::nullopt;
    const std::optional<std::string> dyText = derivativeOf(y);
    if (!dyText) return std::nullopt;
    Compiled dx(*dxText), dy(*dyText);
    if (!dx.valid() || !dy.valid()) return std::nullopt;
    return LeftRiemannSum(a, b, step, [&](long double t) {
        const long double u = dx.at(t), v = dy.at(t);
        return isDefined(u) && isDefined(v) ? sqrtl(u * u + v * v) : ErrorValue;
    });
}

std::optional<long double> polarArcLength(const std::string& radius, long double a, long double b,
                                          long double step) {
    const std::optional<std::string> derivativeText = derivativeOf(radius);
    if (!derivativeText) return std::nullopt;
    Compiled r(radius), derivative(*derivativeText);
    if (!r.valid() || !derivative.valid()) return std::nullopt;
    return LeftRiemannSum(a, b, step, [&](long double angle) {
        const long double u = r.at(angle), v = derivative.at(angle);
        return isDefined(u) && isDefined(v) ? sqrtl(u * u + v * v) : ErrorValue;
    });
}

std::string arcLengthText(const std::optional<long double>& length, int decimals) {
    return "L(a,b)=" + (length ? FloatToStr(RoundTo(*length, decimals)) : std::string("erreur"));
}

std::optional<DirectionLine> parametricTangent(const std::string& x, const std::string& y, const std::string& dx,
                                               const std::string& dy, long double t) {
    if (!isDefined(t)) return std::nullopt;
    const long double u = FormulaValue(dx, t), v = FormulaValue(dy, t);
    if (!isDefined(u) || !isDefined(v) || (u == 0 && v == 0)) return std::nullopt;
    const long double px = FormulaValue(x, t), py = FormulaValue(y, t);
    if (!isDefined(px) || !isDefined(py)) return std::nullopt;
    return DirectionLine{u == 0 ? VerticalSlope : v / u, 0, px, py};
}

std::optional<long double> polarSlope(const std::string& radius, const std::string& derivative, long double angle) {
    if (!isDefined(angle)) return std::nullopt;
    const long double r = FormulaValue(radius, angle), rPrime = FormulaValue(derivative, angle);
    if (!isDefined(r) || !isDefined(rPrime)) return std::nullopt;
    long double sine, cosine;
    sincosl(angle, &sine, &cosine);
    const long double dx = rPrime * cosine - r * sine;
    if (!isDefined(dx) || RoundTo(dx, 4) == 0) return std::nullopt;
    const long double slope = (rPrime * sine + r * cosine) / dx;
    if (!isDefined(slope)) return std::nullopt;
    return slope;
}

std::optional<DirectionLine> polarTangent(const std::string& radius, const std::string& derivative,
                                          long double angle) {
    const std::optional<long double> slope = polarSlope(radius, derivative, angle);
    if (!slope) return std::nullopt;
    const long double r = FormulaValue(radius, angle);
    long double sine, cosine;
    sincosl(angle, &sine, &cosine);
    return DirectionLine{*slope, r * (sine - *slope * cosine), r * cosine, r * sine};
}

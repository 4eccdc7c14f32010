#include "expression/matutil.h"

#include <chrono>
#include <cmath>
#include <cstddef>
#include <optional>
#include <thread>
#include <utility>

namespace {

constexpr long double DifferenceStep = 1e-9L;
constexpr int MaxZeros = 100;
constexpr int MaxBisectionRounds = 400;
// A scan of more steps than this would freeze the program for no visible gain:
// a smaller step is widened so that every pass stays within it.
constexpr long MaxScanSteps = 1000000;
// No display is paced by more than a fraction of a second; a longer wait is refused.
constexpr long double MaxWaitSeconds = 10;

bool isZeroTo(long double value, int decimals) { return RoundTo(value, decimals) == 0; }

// The compiled formula along one line of the plane: the scanned variable
// runs, the other one stays at `fixed` (y = 0 for a function of x).
struct Line {
    TExpress& formula;
    ScannedVariable scanned = ScannedVariable::X;
    long double fixed = 0;

    long double operator()(long double t) const {
        return scanned == ScannedVariable::X ? formula.Evaluate(t, fixed, 0) : formula.Evaluate(fixed, t, 0);
    }
};

long double valueAt(const Line& f, long double x) { return f(x); }

// An undefined value at either end makes the slope undefined too, rather than a
// difference against the sentinel.
long double forwardDifference(const Line& f, long double x) {
    const long double ahead = valueAt(f, x + DifferenceStep);
    const long double here = valueAt(f, x);
    if (ahead == ErrorValue || here == ErrorValue) return ErrorValue;
    return (ahead - here) / DifferenceStep;
}

void append(ZeroList& zeros, long double value) {
    if (zeros.count < MaxZeros) zeros.values[static_cast<std::size_t>(zeros.count++)] = value;
}

// Visits x = lower, lower + step, ... until x reaches upper or the list is full.
// The visit count is bounded as well, for bounds so large that adding the step no
// longer moves x.
template <typename Visit>
void scan(const ZeroList& zeros, long double lower, long double upper, long double step,
          Visit visit) {
    long double x = lower;
    for (long visits = 0; visits <= MaxScanSteps; ++visits) {
        visit(x);
        x += step;
        if (x >= upper || zeros.count >= MaxZeros) return;
    }
}

// One halving round shared by the sign-change and slope passes: keeps the half
// where g changes sign, or closes the interval when neither half does.
// Returns false when one of the three values was undefined.
template <typename Function>
bool halveTowardsSignChange(Function g, long double& lo, long double& hi) {
    const long double m = (lo + hi) / 2;
    const long double ga = g(lo);
    const long double gb = g(hi);
    const long double gm = g(m);
    if (ga == ErrorValue || gb == ErrorValue || gm == ErrorValue) return false;
    if (ga * gm <= 0)
        hi = m;
    else if (gb * gm <= 0)
        lo = m;
    if (ga * gm > 0 && gb * gm > 0) lo = hi;
    return true;
}

// Bisects [x, x + step] on g and returns the final midpoint; it stops once F
// at that midpoint is zero to stopDigits decimals, when these are given.
template <typename Function>
long double bisectSignChange(Function g, const Line& f, long double x, long double step,
                             std::optional<int> stopDigits) {
    long double lo = x;
    long double hi = x + step;
    // Where the curve is flat (a tangent, a double root) F is small well before
    // the solution: an exact zero at an end is taken as it is.
    if (g(lo) == 0) return lo;
    if (g(hi) == 0) return hi;
    for (int round = 1;; ++round) {
        const bool defined = halveTowardsSignChange(g, lo, hi);
        const long double m = (lo + hi) / 2;
        const long double fm = valueAt(f, m);
        if (!defined || round >= MaxBisectionRounds || isZeroTo(hi - lo, 12) ||
            (stopDigits && isZeroTo(fm, *stopDigits)) || std::fabs(fm) > 15)
            return m;
    }
}

// Where exactly one end of [lo, hi] is defined: the part of it up to the edge
// of the domain, found by bisection.
template <typename Function>
std::pair<long double, long double> definedPart(Function g, long double lo, long double hi) {
    const bool fromLow = g(lo) != ErrorValue;
    long double inside = fromLow ? lo : hi, outside = fromLow ? hi : lo;
    for (int round = 0; round < MaxBisectionRounds; ++round) {
        const long double m = (inside + outside) / 2;
        if (m == inside || m == outside) break;
        (g(m) != ErrorValue ? inside : outside) = m;
    }
    return fromLow ? std::pair{lo, inside} : std::pair{inside, hi};
}

// A step where the domain ends is scanned that much finer over its defined
// part: ln(x) = -3 has its solution 0.05 in the step across 0.
constexpr int EdgeSubdivisions = 16;

// Bisects wherever G (the formula or its slope) changes sign between two scan
// points while staying under the limit; keeps the midpoint where F is zero.
template <typename Function>
void findSignChangesOf(Function g, const Line& f, long double lower, long double upper,
                       long double step, long double limit, std::optional<int> stopDigits, int zeroDigits,
                       ZeroList& zeros) {
    auto bisectIfItChangesSign = [&](long double x, long double width, long double ga, long double gb) {
        if (ga == ErrorValue || gb == ErrorValue || zeros.count >= MaxZeros) return;
        if (!(ga * gb <= 0 && std::fabs(ga) < limit && std::fabs(gb) < limit)) return;
        const long double m = bisectSignChange(g, f, x, width, stopDigits);
        if (isZeroTo(valueAt(f, m), zeroDigits)) append(zeros, RoundTo(m, 4));
    };
    scan(zeros, lower, upper, step, [&](long double x) {
        const long double ga = g(x);
        const long double gb = g(x + step);
        if ((ga == ErrorValue) == (gb == ErrorValue)) {
            bisectIfItChangesSign(x, step, ga, gb);
            return;
        }
        // Only strict changes: a zero at the edge itself is the domain-end pass's.
        const auto [from, to] = definedPart(g, x, x + step);
        const long double width = (to - from) / EdgeSubdivisions;
        for (int k = 0; k < EdgeSubdivisions && width > 0; ++k) {
            const long double a = from + k * width;
            const long double left = g(a), right = g(a + width);
            if (left * right < 0) bisectIfItChangesSign(a, width, left, right);
        }
    });
}

// Pass A: zeros where F changes sign.
void findSignChanges(const Line& f, long double lower, long double upper, long double step,
                     ZeroList& zeros) {
    findSignChangesOf([&f](long double x) { return valueAt(f, x); }, f, lower, upper, step, 10, 5,
                      5, zeros);
}

// Pass B: zeros where F touches the axis, found where its slope changes sign.
// F is flat there: small to 8 decimals up to 1e-4 from the zero, which would
// then be rounded wrongly (0.9999 for (x-1)^2), so the slope is bisected to the end.
void findTouchingZeros(const Line& f, long double lower, long double upper, long double step,
                       ZeroList& zeros) {
    findSignChangesOf([&f](long double x) { return forwardDifference(f, x); }, f, lower, upper, step, 15,
                      std::nullopt, 4, zeros);
}

// Pass C: zeros at an end of the domain, where F stops being defined.
void findDomainEnds(const Line& f, long double lower, long double upper, long double step,
                    ZeroList& zeros) {
    auto defined = [&f](long double x) { return valueAt(f, x) != ErrorValue; };
    scan(zeros, lower, upper, step, [&](long double x) {
        if (defined(x) == defined(x + step) || zeros.count >= MaxZeros) return;
        long double lo = x;
        long double hi = x + step;
        for (int round = 1;; ++round) {
            const long double m = (lo + hi) / 2;
            const bool a = defined(lo);
            const bool b = defined(hi);
            const bool mid = defined(m);
            if (mid == a)
                lo = m;
            else
                hi = m;
            if (round >= MaxBisectionRounds || isZeroTo(hi - lo, 12) || (!a && !b && !mid)) break;
        }
        if (isZeroTo(valueAt(f, lo), 4)) append(zeros, RoundTo(lo, 4));
        if (isZeroTo(valueAt(f, hi), 4)) append(zeros, RoundTo(hi, 4));
    });
}

// Ascending order by repeated exchange; equal values stay, each in its place.
void sortAscending(ZeroList& zeros) {
    for (int i = 0; i < zeros.count; ++i)
        for (int j = i + 1; j < zeros.count; ++j)
            if (zeros.values[static_cast<std::size_t>(j)] < zeros.values[static_cast<std::size_t>(i)])
                std::swap(zeros.values[static_cast<std::size_t>(i)],
                          zeros.values[static_cast<std::size_t>(j)]);
}

}  // namespace

long double NumberReader(const std::string& text) {
    TExpress expression;
    expression.setExpression(NormaliseFormula(text));
    if (expression.SyntaxError()) return ErrorValue;
    return expression.Evaluate(0, 0, 0);
}

long double FormulaValue(const std::string& formula, long double x) {
    TExpress expression;
    expression.setExpression(formula);
    if (expression.SyntaxError()) return ErrorValue;
    return expression.Evaluate(x, 0, 0);
}

long double DerivativeValue(const std::string& formula, long double x) {
    TExpress expression;
    expression.setExpression(formula);
    if (expression.SyntaxError()) return ErrorValue;
    return forwardDifference(Line{expression}, x);
}

long double SlopeAt(TExpress& compiled, long double x) { return forwardDifference(Line{compiled}, x); }

ZeroList FindZeros(const std::string& formula, long double lower, long double upper,
                   long double step) {
    TExpress f;
    f.setExpression(formula);
    if (f.SyntaxError()) return {};
    return FindZeros(f, ScannedVariable::X, 0, lower, upper, step);
}

ZeroList FindZeros(TExpress& compiled, ScannedVariable scanned, long double fixed, long double lower,
                   long double upper, long double step) {
    ZeroList zeros;
    const long double span = upper - lower;
    if (!std::isfinite(span) || !(span > 0) || !std::isfinite(step) || !(step > 0)) return zeros;
    step = std::fmax(step, span / MaxScanSteps);
    const Line f{compiled, scanned, fixed};
    findSignChanges(f, lower, upper, step, zeros);
    findTouchingZeros(f, lower, upper, step, zeros);
    findDomainEnds(f, lower, upper, step, zeros);
    sortAscending(zeros);
    return zeros;
}

void WaitSeconds(long double seconds) {
    if (!(seconds > 0)) return;
    const auto wait = std::chrono::duration<long double>(std::fmin(seconds, MaxWaitSeconds));
    const auto start = std::chrono::steady_clock::now();
    // The window is not repainted meanwhile; short sleeps keep the processor free.
    for (;;) {
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed > wait) return;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

long double PointDistance(long double x1, long double y1, long double x2, long double y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

SpaceVector CrossProduct(const SpaceVector& u, const SpaceVector& v) {
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

long double VectorLength(const SpaceVector& u) {
    return std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
}

int LetterCode(const std::string& text) {
    if (text.empty()) return 255;
    const int code = static_cast<unsigned char>(text[0]);
    return code == 0 ? 255 : code;
}

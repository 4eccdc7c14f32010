#pragma once
// Helpers shared by every window around formulas and numbers.

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "expression/parsor.h"

// Rewrites school notation (2x, x², v( ), e( ), pi, k) into the compiler's syntax.
std::string NormaliseFormula(const std::string& text);

// The program's one float-to-text conversion: 15 significant digits, '.' as separator.
std::string FloatToStr(long double value);
// value rounded to a multiple of 10^-decimals, ties to even, in double precision;
// a value too large for a double has no decimals and comes back as it is.
long double RoundTo(long double value, int decimals);

// A typed number, which may be a constant expression such as pi/2.
long double NumberReader(const std::string& text);
// A stored (already normalised) formula at x.
long double FormulaValue(const std::string& formula, long double x);
// Neither the error value nor an infinity nor NaN.
inline bool isDefined(long double value) { return value != ErrorValue && std::isfinite(value); }

// The left Riemann sum of term(x)·step over [a, b]; nothing when a term is not
// defined. Each abscissa is a + i·step rather than the previous one plus step,
// so that rounding does not drift over millions of terms, and one that falls
// short of b by rounding alone counts as b: a hundred steps of 0.01 from 0 end a
// hair below 1, which would add a 101st term past the interval.
template <class Term>
std::optional<long double> LeftRiemannSum(long double a, long double b, long double step, Term term) {
    constexpr long double ReachedByRounding = 1e-9L;  // of a step
    long double total = 0, x = a;
    for (long double terms = 1; b - x > step * ReachedByRounding; ++terms) {
        const long double height = term(x);
        if (!isDefined(height)) return std::nullopt;
        total += height * step;
        // Far from the origin a fine step can vanish in rounding; the sum ends there.
        const long double next = a + terms * step;
        if (!(next > x)) break;
        x = next;
    }
    return total;
}

// Forward difference with step 1e-9.
long double DerivativeValue(const std::string& formula, long double x);
long double SlopeAt(TExpress& compiled, long double x);

struct ZeroList {
    int count = 0;
    std::array<long double, 100> values{};
};
ZeroList FindZeros(const std::string& formula, long double lower, long double upper,
                   long double step);
// The same search for a compiled formula of x and y along one line of the
// plane: the scanned variable runs over [lower, upper], the other is `fixed`.
enum class ScannedVariable { X, Y };
ZeroList FindZeros(TExpress& compiled, ScannedVariable scanned, long double fixed, long double lower,
                   long double upper, long double step);

struct SpaceVector {
    long double x = 0, y = 0, z = 0;
};
SpaceVector CrossProduct(const SpaceVector& u, const SpaceVector& v);
long double VectorLength(const SpaceVector& u);
long double PointDistance(long double x1, long double y1, long double x2, long double y2);

// Code of the first character (1..254); 255 for an empty text or a code of 0 or 255.
int LetterCode(const std::string& text);
// Busy-waits for that much wall-clock time.
void WaitSeconds(long double seconds);

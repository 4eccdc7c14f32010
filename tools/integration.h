#pragma once
// The arithmetic behind the integration and length windows: left Riemann sums
// with a fixed step (integral, area between two curves, arc length) and the
// length of a segment, kept apart from the widgets so that it can be checked
// on its own.

#include <functional>
#include <string>

#include "tools/values_solving.h"

// No sum runs more terms than this, so that a step far too fine for its
// interval cannot hold the program for minutes.
inline constexpr long double MaxSumTerms = 1e7L;

// The integral step used when the typed one cannot be used.
inline constexpr const char* DefaultIntegralStepText = "0.1";

struct LeftSum {
    long double total = 0;
    bool defined = true;  // false when the sum stopped at an undefined value
};

// A step the integral can run with on [a, b]: positive, finite, and coarse
// enough for at most MaxSumTerms terms.
bool isUsableStep(long double step, long double a, long double b);
// What the integral runs with: the typed step when usable, else 0.1, itself
// made coarser on an interval too long for it.
long double integralStep(long double typed, long double a, long double b);
// The step of the area and the arc length: a twentieth of a pixel, made
// coarser on an interval that would need more than MaxSumTerms terms.
long double screenStep(long double pixelx, long double a, long double b);

// Called with each abscissa of a sum and the defined values found there.
using TermSeen = std::function<void(long double x, long double y)>;
using TermsSeen = std::function<void(long double x, long double y1, long double y2)>;

// The left Riemann sums over [a, b): x runs from a by `step` while x < b, each
// term is value * step, and the sum stops at the first undefined value. An
// empty interval sums nothing.
// Integral of a formula; one that does not compile sums to 0.
LeftSum integralOf(const std::string& formula, long double a, long double b, long double step,
                   const TermSeen& seen = {});
// Area between two curves, |first - second|; formulas that do not compile give 0.
LeftSum areaBetween(const std::string& first, const std::string& second, long double a,
                    long double b, long double step, const TermsSeen& seen = {});
// Length of the arc, sqrt(1 + f'^2); undefined when the derivative cannot be
// taken or does not compile (it names sgn, ch or sh), or where f is undefined.
LeftSum arcLength(const std::string& formula, long double a, long double b, long double step);

// "S(a,b)=", "A(a,b)=" or "L(a,b)=" followed by the sum to 4 decimals, or by
// "erreur" (the area's error reads "S(a,b)=erreur", as the integral's).
std::string integralText(const LeftSum& sum);
std::string areaText(const LeftSum& sum);
std::string arcLengthText(const LeftSum& sum);

// "l=" and the distance between two points to 2 decimals.
std::string segmentLengthText(PlotPoint first, PlotPoint second);

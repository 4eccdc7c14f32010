#include "tools/function_properties.h"

#include <cmath>

#include "expression/matutil.h"
#include "model/plot_state.h"

std::string PeriodText = "??";

namespace {

constexpr int ParityPixels = 5;
constexpr long double OddStartShift = 2;
constexpr int PeriodScanDivisions = 2000;
constexpr long double ShortestPeriod = 0.2L;
constexpr int ConfirmationPixels = 10;
constexpr long double OffPictureTolerance = 0.05L;
constexpr long double PiAsWritten = 3.14L;

bool hasScale(const TPlotFrame& frame) { return std::isfinite(frame.pixelx) && frame.pixelx > 0; }

bool symmetric(Symmetry symmetry, long double y, long double mirrorValue) {
    if (symmetry == Symmetry::Even) return y == mirrorValue;
    // Undefined on both sides is as symmetric as the sentinel makes it for even functions.
    if (y == ErrorValue && mirrorValue == ErrorValue) return true;
    return y == -mirrorValue;
}

bool sameTo(long double a, long double b, int decimals) { return RoundTo(a, decimals) == RoundTo(b, decimals); }

// Off the picture, near a pole, the period known to 1e-5 moves the values by
// a few percent (tan(x) was confirmed only at 3pi): there they need only agree
// to that much.
bool sameAfterThePeriod(long double a, long double b, const TPlotFrame& frame) {
    if (sameTo(a, b, 1)) return true;
    const long double shown = std::fmax(std::fabs(frame.ymin), std::fabs(frame.ymax));
    if (a == ErrorValue || b == ErrorValue || std::fabs(a) <= shown || std::fabs(b) <= shown) return false;
    return std::fabs(a - b) <= OffPictureTolerance * std::fmax(std::fabs(a), std::fabs(b));
}

// Every 10 pixels from x0 and x1 on, to the right edge, the function keeps
// the same values to 1 decimal (to a few percent off the picture).
bool confirmPeriod(TExpress& f, const TPlotFrame& frame, long double x0, long double x1) {
    const long double step = ConfirmationPixels * frame.pixelx;
    for (long long k = 1;; ++k) {
        const long double a = x0 + k * step, b = x1 + k * step;
        const bool same = sameAfterThePeriod(f.Evaluate(a, 0, 0), f.Evaluate(b, 0, 0), frame);
        if (a > frame.xmax || !same) return same;
    }
}

// The first sample of the frame, pixel by pixel from its left edge, where f is defined.
std::optional<long double> firstDefinedSample(TExpress& f, const TPlotFrame& frame) {
    for (long long n = 0;; ++n) {
        const long double x = frame.xmin + n * frame.pixelx;
        if (x > frame.xmax) return std::nullopt;
        if (f.Evaluate(x, 0, 0) != ErrorValue) return x;
    }
}

}  // namespace

std::optional<ParityTest> testParity(const std::string& formula, const TPlotFrame& frame, Symmetry symmetry) {
    if (!hasScale(frame) || !(frame.xmin < 0 && 0 < frame.xmax)) return std::nullopt;
    TExpress f;
    f.setExpression(formula);
    if (formula.empty() || f.SyntaxError()) return std::nullopt;

    ParityTest test;
    const long double step = ParityPixels * frame.pixelx;
    // The odd test starts 2 units left of the frame, or one frame width on a
    // frame narrower than that, whose pixels would make the 2 units endless.
    const long double shift = std::fmin(OddStartShift, frame.xmax - frame.xmin);
    const long double start = symmetry == Symmetry::Even ? frame.xmin : frame.xmin - shift;
    for (long long n = 0;; ++n) {
        const long double x = start + n * step;
        if (!(x < step)) break;
        const long double y = f.Evaluate(x, 0, 0);
        const long double mirrorValue = f.Evaluate(-x, 0, 0);
        if (y != ErrorValue && frame.ymin <= y && y <= frame.ymax)
            test.shown.push_back({x, y, -x, symmetry == Symmetry::Even ? y : -y});
        if (!symmetric(symmetry, y, mirrorValue)) test.holds = false;
    }
    return test;
}

std::string parityVerdict(const std::string& name, Symmetry symmetry, bool holds) {
    const std::string kind = symmetry == Symmetry::Even ? "paire." : "impaire.";
    return holds ? "     " + name + " SEMBLE " + kind : "    " + name + " n'est pas " + kind;
}

std::optional<long double> findPeriod(const std::string& formula, const TPlotFrame& frame) {
    if (!hasScale(frame) || formula.empty()) return std::nullopt;
    TExpress f;
    f.setExpression(formula);
    if (f.SyntaxError()) return std::nullopt;
    const std::optional<long double> start = firstDefinedSample(f, frame);
    if (!start) return std::nullopt;
    const long double x0 = *start;
    if (x0 + ShortestPeriod > frame.xmax) return std::nullopt;
    const long double target = RoundTo(f.Evaluate(x0, 0, 0), 3);

    // No candidate lies within 0.2 of x0: the scan starts beyond.
    const long double step = frame.pixelx / PeriodScanDivisions;
    for (long long n = static_cast<long long>(ShortestPeriod / step);; ++n) {
        const long double x1 = x0 + n * step;
        if (x1 > frame.xmax) return std::nullopt;
        if (RoundTo(f.Evaluate(x1, 0, 0), 3) != target || !(std::fabs(x1 - x0) > ShortestPeriod)) continue;
        if (confirmPeriod(f, frame, x0, x1)) return RoundTo(std::fabs(x1 - x0), 3);
    }
}

std::string periodText(long double period) {
    std::string text = FloatToStr(RoundTo(period, 2));
    struct Fraction {
        int k;
        const char* suffix;
    };
    // A later fraction overrides an earlier one, so the simplest wins.
    for (const Fraction fraction : {Fraction{6, "pi/6"}, {3, "pi/3"}, {4, "pi/4"}, {2, "pi/2"}, {1, "pi"}}) {
        const long double v = period * fraction.k / PiAsWritten;
        const long double whole = std::trunc(v);
        if (whole == RoundTo(v, 1)) text = FloatToStr(whole) + fraction.suffix;
    }
    static const std::pair<const char*, const char*> Replacements[] = {
        {"3.14", "pi"},   {"6.28", "2pi"},  {"1.57", "pi/2"}, {"1.05", "pi/3"}, {"0.79", "pi/4"},
        {"0.52", "pi/6"}, {"12.56", "4pi"}, {"2.09", "2p/3"}, {"2.35", "3pi/4"}, {"2.61", "5pi/6"}};
    for (const auto& [decimal, withPi] : Replacements)
        if (text == decimal) return withPi;
    return text;
}

std::optional<InequalityMark> inequalityMark(InteractionMode mode, const InequalitySides& sides) {
    long double r[3];
    for (int i = 0; i < 3; ++i) {
        if (sides.left[i] == ErrorValue || sides.right[i] == ErrorValue) return std::nullopt;
        r[i] = sides.left[i] - sides.right[i];
    }
    // 1 "<", 2 ">", 3 "<=", 4 ">=", for both families of modes.
    const int relation = (static_cast<int>(mode) - static_cast<int>(InteractionMode::BelowConstant)) % 4 + 1;
    const bool below = relation == 1 || relation == 3;
    InequalityMark mark;
    mark.solution = below ? r[1] <= 0 : r[1] >= 0;
    if (r[0] * r[2] < 0) {
        // "[" closes a strict solution on its left or opens a wide one on its right.
        const bool ticksRight = (relation == 1 || relation == 4) ? r[0] < 0 : r[0] > 0;
        mark.bracket = ticksRight ? BracketTicks::Right : BracketTicks::Left;
    }
    return mark;
}

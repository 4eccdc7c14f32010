#pragma once
// The arithmetic of the property windows, kept apart from the widgets: whether
// a function seems even or odd on the frame, its period and the period written
// with pi, and what the inequality modes mark at a pixel column.

#include <optional>
#include <string>
#include <vector>

struct TPlotFrame;
enum class InteractionMode : int;

// The last period found, "??" while none.
extern std::string PeriodText;

// --- Parity ------------------------------------------------------------------------

enum class Symmetry { Even, Odd };

// A point of the curve and its image by the symmetry the test looks for:
// (-x, y) for an even function, (-x, -y) for an odd one.
struct MirrorPair {
    long double x, y;
    long double mirrorX, mirrorY;
};

struct ParityTest {
    // The pairs shown one after the other: those whose point lies within the
    // frame's height, from left to right.
    std::vector<MirrorPair> shown;
    bool holds = true;
};

// Compares f(x) with f(-x) (even) or with -f(-x) (odd), exactly, every 5 pixels
// from the left edge of the frame (2 units further left for odd) to the y axis.
// Nothing is tested unless the formula compiles and 0 lies strictly inside the
// frame's x range.
std::optional<ParityTest> testParity(const std::string& formula, const TPlotFrame& frame, Symmetry symmetry);
// "     f SEMBLE paire.", "    f n'est pas paire." and the same for odd.
std::string parityVerdict(const std::string& name, Symmetry symmetry, bool holds);

// --- Period --------------------------------------------------------------------------

// The first distance T > 0.2 after which the function takes again, to 3 decimals,
// its value at the first defined sample of the frame, and keeps taking, to 1
// decimal, the values it had T before, every 10 pixels up to the right edge.
// Rounded to 3 decimals; nothing when no such distance lies within the frame.
std::optional<long double> findPeriod(const std::string& formula, const TPlotFrame& frame);
// The period rounded to 2 decimals, written as a multiple of pi, pi/2, pi/3,
// pi/4 or pi/6 when it is one to 1 decimal.
std::string periodText(long double period);

// --- Inequalities --------------------------------------------------------------------

enum class BracketTicks { None, Right, Left };

// What the inequality modes draw at a column: a dot on the x axis where the
// column solves the inequality, and the bracket of the interval notation where
// a bound of the solution lies between the columns either side.
struct InequalityMark {
    bool solution = false;
    BracketTicks bracket = BracketTicks::None;
    bool operator==(const InequalityMark&) const = default;
};

// The values of the two sides at the column and at its neighbours left and right.
struct InequalitySides {
    long double left[3];   // f at X - 1, X, X + 1
    long double right[3];  // a, or g at the same columns
};

// The mark of one of the modes 5..12 at a column; nothing where a side is undefined.
std::optional<InequalityMark> inequalityMark(InteractionMode mode, const InequalitySides& sides);

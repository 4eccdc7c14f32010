#include "curves/sequence_diagram.h"

#include <QString>
#include <cmath>

#include "expression/matutil.h"

namespace {

constexpr int CircleRadius = 3;
constexpr int LabelLeft = 40, LabelUp = 10;
constexpr long double DiagonalReach = 1000;
// However slowly a sequence leaves the frame, the diagram stops here.
constexpr int MaxCobwebSteps = 100;

QString termLabel(long long n) { return "U" + QString::number(n); }

}  // namespace

std::optional<long long> readTermCount(const std::string& text) {
    const long double value = std::trunc(NumberReader(text));
    if (value == ErrorValue || !(value >= 0) || value > 1e15L) return std::nullopt;
    return static_cast<long long>(value);
}

void drawExplicitSequence(Canvas& canvas, const TPlotFrame& frame, TExpress& formula,
                          long long terms, int penWidth) {
    canvas.setPen(clRed, penWidth);
    long long visited = 0;
    long double n = 0;
    do {
        const long double v = formula.Evaluate(n, 0, 0);
        if (frame.ymin < v && v < frame.ymax) {
            const int column = frame.column(n), row = frame.row(v);
            canvas.ellipse(column - CircleRadius, row - CircleRadius, column + CircleRadius,
                           row + CircleRadius);
            canvas.line(frame.originx, row, column, row);
            canvas.textOut(frame.originx - LabelLeft, row - LabelUp, termLabel(static_cast<long long>(n)));
        }
        ++visited;
        n += 1;
    } while (n <= frame.xmax && visited < terms);
}

int drawCobweb(Canvas& canvas, const TPlotFrame& frame, TExpress* formula,
               std::optional<long double> start, std::optional<long long> terms, int penWidth) {
    canvas.setPen(clRed, penWidth);
    canvas.line(frame.column(-DiagonalReach), frame.row(-DiagonalReach), frame.column(DiagonalReach),
                frame.row(DiagonalReach));
    long double u = start.value_or(ErrorValue);
    int n = 0;
    if (start && terms && *terms > 0 && *terms < RecurrentTermLimit && formula) {
        long double v = 0;
        do {
            canvas.moveTo(frame.column(u), frame.originy);
            v = formula->Evaluate(u, 0, 0);
            if (v == ErrorValue) break;
            canvas.lineTo(frame.column(u), frame.row(v));
            canvas.lineTo(frame.column(v), frame.row(v));
            canvas.lineTo(frame.column(v), frame.originy);
            canvas.textOut(frame.column(u), frame.originy, termLabel(n));
            u = v;
            ++n;
        } while (frame.xmin <= u && u <= frame.xmax && n + 1 < *terms && n <= MaxCobwebSteps);
    }
    canvas.textOut(frame.column(u), frame.originy, termLabel(n));
    return n;
}

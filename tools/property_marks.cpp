#include "tools/property_marks.h"

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "platform/canvas.h"

namespace {

constexpr int EndCircleRadius = 5;
constexpr int SolutionDotRadius = 2;
constexpr int BracketHalfHeight = 20;
constexpr int BracketTickLength = 10;
constexpr int PeriodTextRise = 30;
constexpr int CrossReach = 5;

QPoint pixelOf(const TPlotFrame& frame, long double x, long double y) { return {frame.column(x), frame.row(y)}; }

PropertyMarks circledSegment(QPoint from, QPoint to) {
    PropertyMarks marks;
    marks.strokes.push_back({from, to});
    marks.circles = {{from, EndCircleRadius}, {to, EndCircleRadius}};
    return marks;
}

}  // namespace

PropertyMarks mirrorMarks(const TPlotFrame& frame, const MirrorPair& pair) {
    return circledSegment(pixelOf(frame, pair.x, pair.y), pixelOf(frame, pair.mirrorX, pair.mirrorY));
}

PropertyMarks periodMarks(const TPlotFrame& frame, long double x, long double y, long double period,
                          const QString& text) {
    PropertyMarks marks = circledSegment(pixelOf(frame, x, y), pixelOf(frame, x + period, y));
    marks.texts.push_back({QPoint(frame.column(x + period / 2), frame.row(y) - PeriodTextRise), text});
    return marks;
}

PropertyMarks inequalityMarks(const TPlotFrame& frame, int column, const InequalityMark& mark) {
    PropertyMarks marks;
    const int axis = frame.originy;
    if (mark.solution) marks.circles.push_back({QPoint(column, axis), SolutionDotRadius});
    if (mark.bracket == BracketTicks::None) return marks;
    const int tick = mark.bracket == BracketTicks::Right ? BracketTickLength : -BracketTickLength;
    const QPoint top(column, axis - BracketHalfHeight), bottom(column, axis + BracketHalfHeight);
    marks.strokes.push_back({top, bottom});
    marks.strokes.push_back({top, top + QPoint(tick, 0)});
    marks.strokes.push_back({bottom, bottom + QPoint(tick, 0)});
    return marks;
}

PropertyMarks variationMarks(const TPlotFrame& frame, int column, int row, long double x) {
    PropertyMarks marks;
    addCross(marks.strokes, QPoint(column, row), CrossReach);
    marks.strokes.push_back({QPoint(column, row - CrossReach), QPoint(column, frame.originy)});
    marks.texts.push_back({QPoint(column, frame.originy - 1), QString::fromStdString(FloatToStr(RoundTo(x, 2)))});
    return marks;
}

void drawPropertyMarks(Canvas& canvas, const PropertyMarks& marks, TColor textColour) {
    const TColor keptPen = canvas.penColour();
    const int keptWidth = canvas.penWidth();
    canvas.setPen(clRed, markPenWidth());
    for (const MarkStroke& stroke : marks.strokes)
        canvas.line(stroke.from.x(), stroke.from.y(), stroke.to.x(), stroke.to.y());
    for (const MarkCircle& circle : marks.circles) {
        const QPoint c = circle.centre;
        canvas.ellipse(c.x() - circle.radius, c.y() + circle.radius, c.x() + circle.radius, c.y() - circle.radius);
    }
    canvas.setPen(keptPen, keptWidth);
    if (marks.texts.empty()) return;
    if (grafzone) canvas.setFontSize(grafzone->currentOptions().fontSize);
    canvas.setFontColour(textColour);
    for (const MarkText& text : marks.texts) canvas.textOut(text.topLeft.x(), text.topLeft.y(), text.text);
    // The graph's canvases write in black.
    canvas.setFontColour(clBlack);
}

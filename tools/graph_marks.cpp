#include "tools/graph_marks.h"

#include <QScrollBar>

#include <cmath>

#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/toptionzone.h"

namespace {

constexpr int ChevronSize = 5;
constexpr int CrossReach = 10;
constexpr long double RectangleGap = 2.3L;  // pixels between a rectangle and the curve
constexpr long double HatchGap = 2.25L;     // pixels between a hatch and each curve
constexpr long double LargestRectangle = 1e7L;
constexpr int HatchPenWidth = 2;

// `from` moved by `distance` towards `target`, never past it.
long double movedTowards(long double from, long double target, long double distance) {
    if (std::fabs(target - from) <= distance) return target;
    return from < target ? from + distance : from - distance;
}

QPoint pixelOf(const TPlotFrame& frame, long double x, long double y) {
    return {frame.column(x), frame.row(y)};
}

// A vertical segment from the x axis at `x` to height `y`, with a chevron at
// its middle pointing up or down. A segment of no length gets no chevron.
void addVerticalReading(Marks& marks, const TPlotFrame& frame, long double x, long double y,
                        bool pointingToAxis) {
    const QPoint foot = pixelOf(frame, x, 0);
    const QPoint end = pixelOf(frame, x, y);
    marks.push_back({foot, end});
    if (foot == end) return;
    const int up = end.y() < foot.y() ? -1 : 1;
    const int direction = pointingToAxis ? -up : up;
    addChevron(marks, pixelOf(frame, x, y / 2), QPoint(0, direction));
}

}  // namespace

void addCross(Marks& marks, QPoint centre, int reach) {
    marks.push_back({centre + QPoint(-reach, -reach), centre + QPoint(reach, reach)});
    marks.push_back({centre + QPoint(-reach, reach), centre + QPoint(reach, -reach)});
}

void addChevron(Marks& marks, QPoint tip, QPoint towards) {
    const QPoint back = -ChevronSize * towards;
    const QPoint side(towards.y() * ChevronSize, towards.x() * ChevronSize);
    marks.push_back({tip, tip + back + side});
    marks.push_back({tip, tip + back - side});
}

Marks imageMarks(const TPlotFrame& frame, long double a, long double y) {
    Marks marks;
    addVerticalReading(marks, frame, a, y, false);
    const QPoint corner = pixelOf(frame, a, y);
    const QPoint onAxis = pixelOf(frame, 0, y);
    marks.push_back({corner, onAxis});
    if (corner != onAxis) {
        const int towardsAxis = onAxis.x() < corner.x() ? -1 : 1;
        addChevron(marks, pixelOf(frame, a / 2, y), QPoint(towardsAxis, 0));
    }
    return marks;
}

Marks antecedentMarks(const TPlotFrame& frame, int pictureWidth, long double k,
                      const std::vector<PlotPoint>& solutions) {
    Marks marks;
    const int row = frame.row(k);
    marks.push_back({QPoint(0, row), QPoint(pictureWidth, row)});
    addChevron(marks, QPoint(frame.originx + 15, row), QPoint(1, 0));
    addChevron(marks, QPoint(frame.originx - 15, row), QPoint(-1, 0));
    for (const PlotPoint& solution : solutions) {
        if (solution.y == ErrorValue) continue;
        addVerticalReading(marks, frame, solution.x, solution.y, true);
    }
    return marks;
}

Marks zeroMarks(const TPlotFrame& frame, const ZeroList& zeros) {
    Marks marks;
    for (int i = 0; i < zeros.count; ++i)
        addCross(marks, pixelOf(frame, zeros.values[i], 0), CrossReach);
    return marks;
}

Marks intersectionMarks(const TPlotFrame& frame, const std::vector<PlotPoint>& points) {
    Marks marks;
    for (const PlotPoint& point : points) {
        if (point.y == ErrorValue) continue;
        const QPoint centre = pixelOf(frame, point.x, point.y);
        addCross(marks, centre, CrossReach);
        marks.push_back({centre, pixelOf(frame, point.x, 0)});
    }
    return marks;
}

Marks extremumMarks(const TPlotFrame& frame, const std::vector<PlotPoint>& extrema) {
    constexpr long double HalfShaft = 0.8L, HeadLength = 0.5L, HeadHalfWidth = 0.1L;
    Marks marks;
    for (const PlotPoint& extremum : extrema) {
        const long double x = extremum.x, y = extremum.y;
        marks.push_back({pixelOf(frame, x - HalfShaft, y), pixelOf(frame, x + HalfShaft, y)});
        for (const int side : {-1, 1}) {
            const QPoint tip = pixelOf(frame, x + side * HalfShaft, y);
            const long double back = x + side * (HalfShaft - HeadLength);
            marks.push_back({tip, pixelOf(frame, back, y + HeadHalfWidth)});
            marks.push_back({tip, pixelOf(frame, back, y - HeadHalfWidth)});
        }
    }
    return marks;
}

RateMarks rateMarks(const TPlotFrame& frame, PlotPoint first, PlotPoint second) {
    const QPoint start = pixelOf(frame, first.x, first.y);
    const QPoint corner = pixelOf(frame, second.x, first.y);
    const QPoint end = pixelOf(frame, second.x, second.y);
    const auto difference = [](long double value) {
        return QString::fromStdString(FloatToStr(RoundTo(value, 3)));
    };
    RateMarks marks;
    marks.path = {{start, corner}, {corner, end}};
    marks.texts = {
        {QPoint(frame.column((first.x + second.x) / 2), corner.y() + 5), difference(second.x - first.x)},
        {QPoint(corner.x() + 5, frame.row((first.y + second.y) / 2)), difference(second.y - first.y)},
    };
    return marks;
}

int markPenWidth() {
    // Before the options window exists the thickness has its default, 3.
    const int thickness = optionzone ? optionzone->epaisseur->value() : 3;
    return thickness - 1;
}

namespace {

void drawStrokes(Canvas& canvas, const Marks& marks, int penWidth) {
    const TColor keptColour = canvas.penColour();
    const int keptWidth = canvas.penWidth();
    canvas.setPen(clRed, penWidth);
    for (const MarkStroke& stroke : marks)
        canvas.line(stroke.from.x(), stroke.from.y(), stroke.to.x(), stroke.to.y());
    canvas.setPen(keptColour, keptWidth);
}

// In the graph's text size and its usual black.
void writeTexts(Canvas& canvas, const std::vector<MarkText>& texts) {
    canvas.setFontSize(grafzone->currentOptions().fontSize);
    for (const MarkText& text : texts) canvas.textOut(text.topLeft.x(), text.topLeft.y(), text.text);
}

}  // namespace

void drawMarksOnGraph(const Marks& marks) {
    if (!grafzone) return;
    drawStrokes(grafzone->offscreenCanvas(), marks, markPenWidth());
    grafzone->construit();
}

void drawRateOnGraph(const RateMarks& marks) {
    if (!grafzone) return;
    drawStrokes(grafzone->offscreenCanvas(), marks.path, RatePenWidth);
    writeTexts(grafzone->offscreenCanvas(), marks.texts);
    grafzone->construit();
}

void drawRateOverPicture(const RateMarks& marks) {
    if (!grafzone) return;
    drawStrokes(grafzone->windowCanvas(), marks.path, RatePenWidth);
    writeTexts(grafzone->windowCanvas(), marks.texts);
    grafzone->showPictureNow();
}

std::optional<MarkBox> integralRectangle(const TPlotFrame& frame, long double x, long double step,
                                         long double y) {
    if (!(frame.xmin < x && x < frame.xmax && std::fabs(y) < LargestRectangle)) return std::nullopt;
    const long double top = movedTowards(y, 0, RectangleGap * frame.pixely);
    return MarkBox{pixelOf(frame, x, 0), QPoint(frame.column(x + step), frame.row(top))};
}

std::optional<MarkStroke> hatchStroke(const TPlotFrame& frame, long double x, long double y1,
                                      long double y2) {
    const long double gap = HatchGap * frame.pixely;
    if (std::fabs(y1 - y2) <= 2 * gap) return std::nullopt;
    return MarkStroke{pixelOf(frame, x, movedTowards(y1, y2, gap)),
                      pixelOf(frame, x, movedTowards(y2, y1, gap))};
}

IntegralRectangles::IntegralRectangles(long double step)
    : step_(step), canvas_(grafzone ? &grafzone->offscreenCanvas() : nullptr) {
    if (canvas_) canvas_->setPen(clSilver, grafzone->currentOptions().thickness - 2);
}

void IntegralRectangles::add(long double x, long double y) {
    const std::optional<MarkBox> box = integralRectangle(PlotFrame, x, step_, y);
    if (!canvas_ || !box || box == last_) return;
    canvas_->rectangle(box->corner1.x(), box->corner1.y(), box->corner2.x(), box->corner2.y());
    last_ = box;
}

void IntegralRectangles::show() {
    if (grafzone) grafzone->construit();
}

AreaHatching::AreaHatching() : canvas_(grafzone ? &grafzone->windowCanvas() : nullptr) {
    if (!canvas_) return;
    grafzone->repaintGraph();
    canvas_->setPen(clSilver, HatchPenWidth);
}

void AreaHatching::add(long double x, long double y1, long double y2) {
    const int column = PlotFrame.column(x);
    if (!canvas_ || column == lastColumn_) return;
    lastColumn_ = column;
    if (const std::optional<MarkStroke> hatch = hatchStroke(PlotFrame, x, y1, y2))
        canvas_->line(hatch->from.x(), hatch->from.y(), hatch->to.x(), hatch->to.y());
}

void AreaHatching::show() {
    if (grafzone) grafzone->showPictureNow();
}

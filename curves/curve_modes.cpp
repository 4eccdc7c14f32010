#include "curves/curve_modes.h"

#include <QString>
#include <cmath>
#include <optional>

#include "curves/curve_measures.h"
#include "curves/tfoncpara.h"
#include "curves/tpolairezone.h"
#include "expression/matutil.h"
#include "model/curve_entries.h"
#include "model/plot_state.h"
#include "plane/mode_handlers.h"
#include "plane/tgrafzone.h"

namespace {

const QString ParameterText = QString::fromUtf8("Déplacer le curseur pour faire varier le paramétre.");
const QString AngleText = QString::fromUtf8("Déplacer le curseur pour faire varier l'angle.");
constexpr int ParametricMarkRadius = 5;
constexpr int PolarMarkRadius = 4;
constexpr long double TangentReach = 100;

QString rounded(long double value, int decimals) {
    return QString::fromStdString(FloatToStr(RoundTo(value, decimals)));
}

// The parameter at a slider position; nothing when the range does not read.
std::optional<long double> parameterAt(const TCurveRange& range, int position) {
    const std::optional<long double> low = range.low(), high = range.high();
    if (!low || !high) return std::nullopt;
    return *low + position * (*high - *low) / 100;
}

// Puts the picture without marks back and returns the canvas to mark it with.
Canvas& freshMarkCanvas(Tgrafzone& graph) {
    graph.construit();
    Canvas& canvas = graph.windowCanvas();
    canvas.setPen(clRed, graph.currentOptions().thickness - 1);
    return canvas;
}

void circleAt(Canvas& canvas, long double x, long double y, int radius) {
    const int column = PlotFrame.column(x), row = PlotFrame.row(y);
    canvas.ellipse(column - radius, row + radius, column + radius, row - radius);
}

void worldLine(Canvas& canvas, long double x1, long double y1, long double x2, long double y2) {
    canvas.line(PlotFrame.column(x1), PlotFrame.row(y1), PlotFrame.column(x2), PlotFrame.row(y2));
}

bool entered(std::initializer_list<int> slotNumbers) {
    for (const int slot : slotNumbers)
        if (CurveSlot[slot].formula.empty()) return false;
    return true;
}

}  // namespace

void parametricBrowseSliderChange(Tgrafzone& graph, int position) {
    const std::optional<long double> t = parameterAt(ParametricRange, position);
    Canvas& canvas = freshMarkCanvas(graph);
    if (t && entered({1, 2})) {
        const long double x = FormulaValue(CurveSlot[1].formula, *t);
        const long double y = PlotFrame.xmin < x && x < PlotFrame.xmax ? FormulaValue(CurveSlot[2].formula, *t) : ErrorValue;
        if (PlotFrame.inside(x, y)) {
            circleAt(canvas, x, y, ParametricMarkRadius);
            graph.setStatusText(ParameterText + "x=" + rounded(*t, 3));
        }
    }
    graph.showPictureNow();
}

void parametricTangentsSliderChange(Tgrafzone& graph, int position) {
    const std::optional<long double> t = parameterAt(ParametricRange, position);
    Canvas& canvas = freshMarkCanvas(graph);
    if (t && entered({1, 2, 3, 4})) {
        const long double dx = FormulaValue(CurveSlot[3].formula, *t), dy = FormulaValue(CurveSlot[4].formula, *t);
        const long double x = FormulaValue(CurveSlot[1].formula, *t), y = FormulaValue(CurveSlot[2].formula, *t);
        if (isDefined(dx) && isDefined(dy) && !(dx == 0 && dy == 0) && PlotFrame.inside(x, y)) {
            worldLine(canvas, x - TangentReach * dx, y - TangentReach * dy, x + TangentReach * dx, y + TangentReach * dy);
            circleAt(canvas, x, y, ParametricMarkRadius);
            if (RoundTo(dx, 3) != 0 || RoundTo(dy, 3) != 0)
                graph.setStatusText(ParameterText + "Un vecteur directeur de la tangente est u(" + rounded(dx, 3) + ";"
                                    + rounded(dy, 3) + ")");
            else
                graph.setStatusText(ParameterText + " Pas de tangente en t=" + rounded(*t, 3));
        }
    }
    graph.showPictureNow();
}

// The mark follows the point of the curve wherever it shows in the window.
void polarBrowseSliderChange(Tgrafzone& graph, int position) {
    const std::optional<long double> theta = parameterAt(PolarRange, position);
    Canvas& canvas = freshMarkCanvas(graph);
    if (theta && entered({1})) {
        const long double r = FormulaValue(CurveSlot[1].formula, *theta);
        const long double x = cosl(*theta) * r, y = sinl(*theta) * r;
        if (isDefined(r) && PlotFrame.inside(x, y)) {
            canvas.line(PlotFrame.originx, PlotFrame.originy, PlotFrame.column(x), PlotFrame.row(y));
            circleAt(canvas, x, y, PolarMarkRadius);
            graph.setStatusText(AngleText + "x=" + rounded(*theta, 3) + " R(x)=" + rounded(r, 2));
        }
    }
    graph.showPictureNow();
}

void polarTangentsSliderChange(Tgrafzone& graph, int position) {
    const std::optional<long double> theta = parameterAt(PolarRange, position);
    Canvas& canvas = freshMarkCanvas(graph);
    if (theta && entered({1, 2})) {
        const std::optional<DirectionLine> tangent = polarTangent(CurveSlot[1].formula, CurveSlot[2].formula, *theta);
        if (tangent) {
            const long double m = tangent->slope;
            worldLine(canvas, tangent->x - TangentReach, tangent->y - TangentReach * m, tangent->x + TangentReach,
                      tangent->y + TangentReach * m);
            circleAt(canvas, tangent->x, tangent->y, PolarMarkRadius);
            graph.setStatusText(AngleText + "x=" + rounded(*theta, 3) + " coefficient directeur :" + rounded(m, 2));
        }
    }
    graph.showPictureNow();
}

void registerCurveModes() {
    registerModeHandlers(InteractionMode::ParametricBrowse, {nullptr, parametricBrowseSliderChange, foncpara.data()});
    registerModeHandlers(InteractionMode::ParametricTangents,
                         {nullptr, parametricTangentsSliderChange, foncpara.data()});
    registerModeHandlers(InteractionMode::PolarBrowse, {nullptr, polarBrowseSliderChange, polairezone.data()});
    registerModeHandlers(InteractionMode::PolarTangents, {nullptr, polarTangentsSliderChange, polairezone.data()});
}

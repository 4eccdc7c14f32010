#include "tools/property_modes.h"

#include <QMdiArea>

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "plane/graph_interaction.h"
#include "plane/mode_handlers.h"
#include "plane/tgrafzone.h"
#include "tools/function_properties.h"
#include "tools/property_marks.h"
#include "tools/tineqa.h"
#include "tools/tineqf.h"
#include "tools/tvarzone.h"

namespace {

// The formula of function slot 1..4, empty for any other slot.
const std::string& functionFormula(int slot) {
    static const std::string none;
    return slot >= 1 && slot <= 4 ? CurveSlot[slot].formula : none;
}

// A formula at the columns left of, at and right of `column`.
void valuesAround(const std::string& formula, int column, long double (&values)[3]) {
    TExpress compiled;
    compiled.setExpression(formula);
    for (int i = 0; i < 3; ++i)
        values[i] = compiled.SyntaxError() ? ErrorValue : compiled.Evaluate(PlotFrame.worldX(column - 1 + i), 0, 0);
}

// The right-hand side at the three columns: the number of Tineqa, or g.
bool rightSide(int column, long double (&values)[3]) {
    if (PlotMode <= InteractionMode::AtLeastConstant) {
        const long double a = ineqa ? ineqa->readA() : ErrorValue;
        if (a == ErrorValue) return false;
        for (long double& value : values) value = a;
        return true;
    }
    const std::string& g = functionFormula(SecondSlot);
    if (g.empty()) return false;
    valuesAround(g, column, values);
    return true;
}

// Showing a window that stays on top makes the MDI area stack the others again,
// in reverse: the tool windows over the graph keep the order they had.
void showKeepingTheStackingOrder(QMdiSubWindow& window) {
    if (window.isVisible() || !window.mdiArea()) return window.show();
    const QList<QMdiSubWindow*> order = window.mdiArea()->subWindowList(QMdiArea::StackingOrder);
    window.show();
    for (QMdiSubWindow* other : order)
        if (other->isVisible()) other->raise();
    window.raise();
}

}  // namespace

void variationsMouseMove(Tgrafzone& graph, int column, int) {
    const std::string& formula = functionFormula(SelectedSlot);
    const long double x = PlotFrame.worldX(column);
    if (MouseButton != 1 || formula.empty() || !CurveSlot[SelectedSlot].domain.contains(x)) return;
    const long double slope = DerivativeValue(formula, x);
    const long double y = FormulaValue(formula, x);
    if (PlotFrame.ymin < y && y < PlotFrame.ymax) {
        graph.construit();
        drawPropertyMarks(graph.windowCanvas(), variationMarks(PlotFrame, column, PlotFrame.row(y), x), clBlack);
        graph.showPictureNow();
    }
    if (varzone) {
        // The variations are read from left to right.
        const bool goingRight = DragStartX - column < 1;
        if (slope != ErrorValue && goingRight) {
            showKeepingTheStackingOrder(*varzone);
            varzone->showSlope(slope);
        } else {
            varzone->hide();
        }
    }
    DragStartX = column;
}

void inequalityMouseMove(Tgrafzone& graph, int column, int) {
    const std::string& f = functionFormula(SelectedSlot);
    if (f.empty()) return;
    InequalitySides sides;
    if (!rightSide(column, sides.right)) return;
    valuesAround(f, column, sides.left);
    const std::optional<InequalityMark> mark = inequalityMark(PlotMode, sides);
    if (!mark) return;
    drawPropertyMarks(graph.offscreenCanvas(), inequalityMarks(PlotFrame, column, *mark), clBlack);
    graph.construit();
}

void registerPropertyModes() {
    registerModeHandlers(InteractionMode::Variations, {variationsMouseMove, nullptr, varzone.data()});
    for (const InteractionMode mode : {InteractionMode::BelowConstant, InteractionMode::AboveConstant,
                                       InteractionMode::AtMostConstant, InteractionMode::AtLeastConstant})
        registerModeHandlers(mode, {inequalityMouseMove, nullptr, ineqa.data()});
    for (const InteractionMode mode : {InteractionMode::BelowFunction, InteractionMode::AboveFunction,
                                       InteractionMode::AtMostFunction, InteractionMode::AtLeastFunction})
        registerModeHandlers(mode, {inequalityMouseMove, nullptr, ineqf.data()});
}

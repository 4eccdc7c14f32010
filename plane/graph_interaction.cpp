#include "plane/graph_interaction.h"

#include <QScrollBar>
#include <QStatusBar>
#include <cmath>

#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tchoixf.h"
#include "plane/tcoord.h"
#include "plane/mode_handlers.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"

int MouseButton = 0;
int DragStartX = -1;
int DragStartY = -1;
int DraggedPoint = 0;

namespace {

constexpr int MagnifierCursor = 9;
constexpr int EscapeKey = 27;
constexpr int PickRadius = 20;
constexpr long double ZoomOutWidthLimit = 10000000;
constexpr long double ZoomOutHeightLimit = 1000000;

const QString MoveModeText = QString::fromUtf8(
    "Bougez en cliquant sur le bouton gauche.Tapez \"Echap\" ou cliquez droit pour quitter ce mode.");
const QString ZoomModeText = QString::fromUtf8(
    "Cliquez gauche pour zoomer ou droit pour dézoomer. Tapez \"Echap\" pour quitter le zoom");
const QString BrowseModeText = QString::fromUtf8(
    "Cliquez gauche ou droit et déplacez la souris. Tapez \"Echap\" pour quitter ce mode.");
const QString BrowsePointText = QString::fromUtf8("Cliquez gauche ou droit et déplacez la souris.Ici M(");
const QString BrowseTangentText = QString::fromUtf8("Cliquez gauche ou droit et déplacez la souris. Ici y=");
const QString DragText =
    QString::fromUtf8("Maintenez le bouton et bougez la souris pour déplacer le point.");
// Button up clears only the status texts that start like this.
const QString DragTextStart = DragText.left(62);

QString rounded(long double value, int decimals) {
    return QString::fromStdString(FloatToStr(RoundTo(value, decimals)));
}

long double mouseX(int column) { return (column - PlotFrame.originx) * PlotFrame.pixelx; }
long double mouseY(int row) { return (PlotFrame.originy - row) * PlotFrame.pixely; }

void setModeCursor(Tgrafzone& graph, int cursor) {
    ModeCursor = cursor;
    graph.setGraphCursor(cursor);
}

void showChoiceWindow(bool visible) {
    if (choixf) choixf->setVisible(visible);
}

// The window of f(x) against a number leaves with its modes.
void hideInequalityWindow() { hideModeWindow(InteractionMode::BelowConstant); }

// The new frame goes to the frame window's edits, then on the screen.
void applyFrame(Tgrafzone& graph) {
    if (reperezone) reperezone->showBounds();
    graph.repaintGraph();
}

struct AxisBounds {
    long double lo, hi;
};

// Rounding to 3 decimals keeps the zoomed bounds readable, but it moves each of
// them by up to half a thousandth: an axis spanning less than this keeps its
// exact bounds, or a few zooms would distort the frame and then empty it.
constexpr long double NarrowestRoundedSpan = 0.1L;

AxisBounds zoomedInAxis(long double centre, long double half) {
    const AxisBounds exact{centre - half, centre + half};
    const AxisBounds rounded{RoundTo(exact.lo, 3), RoundTo(exact.hi, 3)};
    return exact.hi - exact.lo < NarrowestRoundedSpan ? exact : rounded;
}

// An empty frame has no scale left to zoom out from, so a zoom that would give one
// (a frame narrower than the numbers can tell apart) does not apply.
void applyZoom(Tgrafzone& graph, AxisBounds x, AxisBounds y) {
    if (!(x.lo < x.hi && y.lo < y.hi)) return;
    PlotFrame.xmin = x.lo;
    PlotFrame.xmax = x.hi;
    PlotFrame.ymin = y.lo;
    PlotFrame.ymax = y.hi;
    applyFrame(graph);
}

// Zoom in by 1.5 around the click.
void zoomIn(Tgrafzone& graph, int x, int y) {
    const long double halfWidth = graph.graphWidth() * PlotFrame.pixelx / 3;
    const long double halfHeight = graph.graphHeight() * PlotFrame.pixely / 3;
    applyZoom(graph, zoomedInAxis(mouseX(x), halfWidth), zoomedInAxis(mouseY(y), halfHeight));
}

// Zoom out by 1.2 around the click, up to a frame 10000000 wide or 1000000 high.
void zoomOut(Tgrafzone& graph, int x, int y) {
    if (!(PlotFrame.xmax - PlotFrame.xmin < ZoomOutWidthLimit
          && PlotFrame.ymax - PlotFrame.ymin < ZoomOutHeightLimit))
        return;
    const long double cx = mouseX(x), cy = mouseY(y);
    const long double halfWidth = 0.6L * graph.graphWidth() * PlotFrame.pixelx;
    const long double halfHeight = 0.6L * graph.graphHeight() * PlotFrame.pixely;
    applyZoom(graph, {cx - halfWidth, cx + halfWidth}, {cy - halfHeight, cy + halfHeight});
}

long double pixelDistanceTo(int slot, int x, int y) {
    const TPointRecord& point = PointTable[slot];
    return PointDistance(x, y, PlotFrame.originx + point.x / PlotFrame.pixelx,
                         PlotFrame.originy - point.y / PlotFrame.pixely);
}

// The free point or point on a curve under the mouse; the highest slot wins.
int pickDraggablePoint(int x, int y) {
    int picked = 0;
    const int count = std::min(PointCount, PointSlots);
    for (int slot = 1; slot <= count; ++slot) {
        const PointKind kind = PointTable[slot].kind;
        const bool draggable = kind == PointKind::Free || kind == PointKind::OnCurve;
        if (draggable && pixelDistanceTo(slot, x, y) < PickRadius) picked = slot;
    }
    return picked;
}

void startDrag(Tgrafzone& graph, int x, int y) {
    if (PointCount < 1) return;
    DraggedPoint = pickDraggablePoint(x, y);
    if (DraggedPoint == 0) return;
    setModeCursor(graph, crDefault);
    graph.setStatusText(DragText);
    graph.t()->hide();
}

void moveFrame(Tgrafzone& graph, int x, int y) {
    const long double dx = (DragStartX - x) * PlotFrame.pixelx;
    const long double dy = (DragStartY - y) * PlotFrame.pixely;
    PlotFrame.xmin += dx;
    PlotFrame.xmax += dx;
    PlotFrame.ymin -= dy;
    PlotFrame.ymax -= dy;
    DragStartX = x;
    DragStartY = y;
    applyFrame(graph);
}

void drawCrossMark(Canvas& canvas, int column, int row) {
    canvas.line(column - 5, row - 5, column + 5, row + 5);
    canvas.line(column + 5, row - 5, column - 5, row + 5);
}

int sign(int value) { return (value > 0) - (value < 0); }

// The point M of the curve under the mouse, its projections and coordinates.
void drawBrowsedPoint(Tgrafzone& graph, int column, int row, long double x, long double y) {
    Canvas& canvas = graph.windowCanvas();
    const int originx = PlotFrame.originx, originy = PlotFrame.originy;
    const int offset = y <= 0 ? 10 : -30;
    canvas.textOut(column - 10, row + offset, "M");
    canvas.moveTo(originx, row);
    canvas.lineTo(column, row);
    canvas.lineTo(column, originy);
    canvas.textOut(originx - 10 * sign(column - originx), row + offset, rounded(y, 2));
    const int abscissaOffset = y <= 0 ? 30 : -10;
    canvas.textOut(column, originy - abscissaOffset, rounded(x, 2));
    graph.setStatusText(BrowsePointText + rounded(x, 2) + ";" + rounded(y, 2) + ")");
}

void drawBrowsedTangent(Tgrafzone& graph, const std::string& formula, long double x, long double y) {
    const long double slope = DerivativeValue(formula, x);
    if (slope == ErrorValue) return;
    graph.windowCanvas().line(PlotFrame.column(x - 100), PlotFrame.row(y - 100 * slope),
                              PlotFrame.column(x + 100), PlotFrame.row(y + 100 * slope));
    graph.setStatusText(BrowseTangentText + rounded(slope, 3) + "x+" + rounded(y - x * slope, 3));
}

void browseCurve(Tgrafzone& graph, int column) {
    if (SelectedSlot < 0 || SelectedSlot >= CurveSlotCount || MouseButton == 0) return;
    const TCurveSlot& curve = CurveSlot[SelectedSlot];
    const long double x = mouseX(column);
    if (curve.formula.empty() || !curve.domain.contains(x)) return;
    graph.construit();
    const GraphOptions options = graph.currentOptions();
    Canvas& canvas = graph.windowCanvas();
    canvas.setPen(clRed, options.thickness - 1);
    canvas.setFontSize(options.fontSize);
    const long double y = FormulaValue(curve.formula, x);
    if (PlotFrame.ymin < y && y < PlotFrame.ymax) {
        const int row = PlotFrame.row(y);
        drawCrossMark(canvas, column, row);
        if (MouseButton == 1) drawBrowsedPoint(graph, column, row, x, y);
        else drawBrowsedTangent(graph, curve.formula, x, y);
    }
    graph.showPictureNow();
}

QString dragStatusText(int slot, long double x, long double y) {
    QString pair = rounded(x, 3) + ";" + rounded(y, 3);
    if (GraphKind == GraphType::Polar) {
        const long double rho = sqrtl(x * x + y * y);
        const long double theta = y > 0 ? acosl(x / rho) : -acosl(x / rho);
        pair = rounded(rho, 3) + ";" + rounded(theta, 3);
    }
    return DragText + " " + QString::fromLatin1(PointName(slot).c_str()) + " (" + pair + ")";
}

// Moves the dragged point to the mouse; a point on a curve stays in its domain.
void moveDraggedPoint(Tgrafzone& graph, int column, int row) {
    TPointRecord& point = PointTable[DraggedPoint];
    const long double x = mouseX(column);
    if (point.kind == PointKind::Free) {
        point.x = x;
        point.y = mouseY(row);
    } else {
        if (point.slot >= CurveSlotCount || !CurveSlot[point.slot].domain.contains(x)) return;
        point.x = x;
        point.y = FormulaValue(CurveSlot[point.slot].formula, x);
        if (point.y == ErrorValue) return;
    }
    graph.setStatusText(dragStatusText(DraggedPoint, point.x, point.y));
}

// The coordinates window follows the point it names, with its projections on the axes.
void followInCoordinates(Tgrafzone& graph) {
    if (!coord || !coord->isVisible() || coord->namedSlot() != DraggedPoint) return;
    const TPointRecord& point = PointTable[DraggedPoint];
    coord->Editnom->paintBlack();
    coord->showCoordinates(DraggedPoint);
    coord->update();
    Canvas& canvas = graph.windowCanvas();
    canvas.setPenColour(clRed);
    const int column = PlotFrame.column(point.x), row = PlotFrame.row(point.y);
    canvas.line(column, row, PlotFrame.originx, row);
    canvas.line(column, row, column, PlotFrame.originy);
}

void dragPoint(Tgrafzone& graph, int column, int row) {
    if (DraggedPoint < 1 || DraggedPoint > PointSlots) return;
    moveDraggedPoint(graph, column, row);
    graph.construit();
    followInCoordinates(graph);
    emit graph.pointDragged(DraggedPoint);
    graph.showPictureNow();
}

}  // namespace

void graphMouseDown(Tgrafzone& graph, MouseButtonKind button, int x, int y) {
    MouseButton = static_cast<int>(button);
    DraggedPoint = 0;
    DragStartX = x;
    DragStartY = y;
    if (button == MouseButtonKind::Right && PlotMode != InteractionMode::Zoom
        && PlotMode != InteractionMode::Browse)
        graph.popUpMenuAt(x + 8, y + 15);
    if (button == MouseButtonKind::Left && PlotMode == InteractionMode::Neutral) startDrag(graph, x, y);
    if (PlotMode == InteractionMode::Zoom && button == MouseButtonKind::Left) zoomIn(graph, x, y);
    if (PlotMode == InteractionMode::Zoom && button == MouseButtonKind::Right) zoomOut(graph, x, y);
}

void graphMouseMove(Tgrafzone& graph, int x, int y) {
    if (y < 0.95 * graph.graphHeight()) graph.grafbar()->show();
    if (Painting) return;
    switch (PlotMode) {
        case InteractionMode::Move:
            if (MouseButton == 1) moveFrame(graph, x, y);
            break;
        case InteractionMode::Browse: browseCurve(graph, x); break;
        default:
            if (const auto handler = modeHandlers(PlotMode).mouseMove) handler(graph, x, y);
            break;
    }
    if (DraggedPoint != 0) dragPoint(graph, x, y);
}

void graphSliderChange(Tgrafzone& graph, int position) {
    if (Painting) return;
    if (const auto handler = modeHandlers(PlotMode).sliderChange) handler(graph, position);
}

void graphMouseUp(Tgrafzone& graph) {
    DragStartX = -1;
    DragStartY = -1;
    MouseButton = 0;
    DraggedPoint = 0;
    if (graph.statusText().startsWith(DragTextStart)) graph.setStatusText(QString());
}

void graphKeyPress(Tgrafzone& graph, int key) {
    if (key == EscapeKey) enterNeutralMode(graph);
}

void enterNeutralMode(Tgrafzone& graph) {
    PlotMode = InteractionMode::Neutral;
    graph.setStatusText(QString());
    AnimationRunning = false;
    setModeCursor(graph, crDefault);
}

void enterMoveMode(Tgrafzone& graph) {
    PlotMode = InteractionMode::Move;
    graph.setStatusText(MoveModeText);
    setModeCursor(graph, crSizeAll);
    showChoiceWindow(false);
    hideInequalityWindow();
    graph.t()->hide();
    graph.surface()->setFocus();
}

void enterZoomMode(Tgrafzone& graph) {
    PlotMode = InteractionMode::Zoom;
    graph.setStatusText(ZoomModeText);
    setModeCursor(graph, MagnifierCursor);
    showChoiceWindow(false);
    hideInequalityWindow();
    graph.t()->hide();
    graph.surface()->setFocus();
}

void enterBrowseMode(Tgrafzone& graph) {
    PlotMode = InteractionMode::Browse;
    graph.setStatusText(BrowseModeText);
    setModeCursor(graph, crSizeWE);
    showChoiceWindow(true);
    hideInequalityWindow();
}

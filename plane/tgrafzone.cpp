#include "plane/tgrafzone.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <optional>

#include "expression/matutil.h"
#include "model/animation_run.h"
#include "model/construction_tables.h"
#include "model/curve_entries.h"
#include "model/plot_state.h"
#include "plane/construction_painter.h"
#include "plane/curve_kinds.h"
#include "plane/graph_interaction.h"
#include "plane/tfonczone.h"
#include "plane/tkval.h"
#include "plane/toptionzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"
#include "platform/messages.h"
#include "platform/edge_resizer.h"

QPointer<Tgrafzone> grafzone;

namespace {

constexpr int MinimumGraphSize = 200;
constexpr int CopyMargin = 5;
constexpr int BusyCursor = 10;
// How far from its edges the window without caption bar can be resized.
constexpr int ResizeReach = 3;
// Unpaced, a frame of the animation lasts a few milliseconds and the motion
// could not be seen: each frame stays on screen at least this long.
constexpr int FrameMilliseconds = 40;

// Handles the events until the frame has been shown long enough.
void keepFrameShown(const QElapsedTimer& shown) {
    const qint64 left = FrameMilliseconds - shown.elapsed();
    if (left <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop wait;
    QTimer::singleShot(left, &wait, &QEventLoop::quit);
    wait.exec();
}

MouseButtonKind buttonKind(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return MouseButtonKind::Left;
    if (button == Qt::RightButton) return MouseButtonKind::Right;
    return MouseButtonKind::None;
}

}  // namespace

// The drawing area: it shows the window picture and hands the mouse and the
// keyboard to the interaction modes.
class GraphSurface : public QWidget {
public:
    explicit GraphSurface(Tgrafzone& graph) : graph_(graph) {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // Until the first paint fits the window, what it does not cover is white.
        if (graph_.WindowPicture.size() != size()) painter.fillRect(rect(), Qt::white);
        painter.drawImage(0, 0, graph_.WindowPicture);
    }
    void resizeEvent(QResizeEvent*) override {
        graph_.layOutBars();
        graph_.chanegtaille();
    }
    void mousePressEvent(QMouseEvent* event) override {
        graphMouseDown(graph_, buttonKind(event->button()), event->position().toPoint().x(),
                       event->position().toPoint().y());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        graphMouseMove(graph_, event->position().toPoint().x(), event->position().toPoint().y());
    }
    void mouseReleaseEvent(QMouseEvent*) override { graphMouseUp(graph_); }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) graphKeyPress(graph_, 27);
        else if (!event->text().isEmpty()) graphKeyPress(graph_, event->text().at(0).unicode());
        else QWidget::keyPressEvent(event);
    }

private:
    Tgrafzone& graph_;
};

Tgrafzone::Tgrafzone(QWidget* parent) : QMdiSubWindow(parent) {
    Painting = false;
    AnimationRunning = false;
    setPaintProbe([] { return Painting; });
    // Seen only with a caption, when the space view shows a section in it.
    setWindowTitle("Graphique de la section");
    // Not on top like the tool windows: a click in the graph must leave them
    // over it.
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    offscreenCanvas_.setBrushClear();
    offscreenCanvas_.setFontColour(clBlack);
    windowCanvas_.setBrushClear();
    windowCanvas_.setFontColour(clBlack);

    surface_ = new GraphSurface(*this);
    surface_->setMinimumSize(MinimumGraphSize, MinimumGraphSize);

    grafbar_ = new QStatusBar(surface_);
    grafbar_->setSizeGripEnabled(false);
    // An opaque strip: hints are never written over the curves and the grid.
    grafbar_->setAutoFillBackground(true);
    grafbar_->setMouseTracking(true);
    grafbar_->installEventFilter(this);
    statusLabel_ = new QLabel;
    grafbar_->addWidget(statusLabel_, 1);

    t_ = new QScrollBar(Qt::Horizontal, surface_);
    t_->setObjectName("t");
    t_->setRange(0, 100);
    t_->setPageStep(0);
    t_->setCursor(cursorFromNumber(crSizeWE));
    t_->hide();
    connect(t_, &QScrollBar::valueChanged, this, [this](int position) { graphSliderChange(*this, position); });

    popup_ = new QMenu(this);
    Modenormal1 = popup_->addAction(QString::fromUtf8("Mode neutre (echap)"));
    Zoom1 = popup_->addAction(QString::fromUtf8("Mode zoom"));
    Dplacer1 = popup_->addAction(QString::fromUtf8("Mode déplacement"));
    copier1 = popup_->addAction(QString::fromUtf8("Copier le graphique"));
    // Shown in the menu only: the main menu's Ctrl+C is the one that copies.
    copier1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(Modenormal1, &QAction::triggered, this, [this] { enterNeutralMode(*this); });
    connect(Zoom1, &QAction::triggered, this, [this] { enterZoomMode(*this); });
    connect(Dplacer1, &QAction::triggered, this, [this] { enterMoveMode(*this); });
    connect(copier1, &QAction::triggered, this, [this] { copier1Click(); });
    setWidget(surface_);
    resizer_ = new EdgeResizer(this, surface_, ResizeReach);
}

QWidget* Tgrafzone::surface() const { return surface_; }

int Tgrafzone::graphWidth() const { return surface_->width(); }

int Tgrafzone::graphHeight() const { return surface_->height(); }

void Tgrafzone::setGraphSize(int width, int height) {
    const QSize frame = size() - surface_->size();
    resize(width + frame.width(), height + frame.height());
    if (surface_->size() != QSize(width, height)) surface_->resize(width, height);
}

GraphOptions Tgrafzone::currentOptions() const {
    GraphOptions options;
    options.polar = GraphKind == GraphType::Polar;
    if (optionzone) {
        options.thickness = optionzone->epaisseur->value();
        options.fontSize = optionzone->taille->value();
        options.precision = optionzone->precis->value();
    }
    if (foncZone) options.hideCurves = foncZone->cache->isChecked();
    if (reperezone) {
        options.grid = reperezone->quadrille->isChecked();
        options.graduexText = reperezone->Editgraduex->text();
        options.graduyText = reperezone->Editgraduey->text();
    }
    // The label at the first circle names its radius.
    if (options.polar) options.graduexText = QString::fromLatin1(PolarGrid.circleText.c_str());
    return options;
}

void Tgrafzone::composeBackBuffer(const GraphOptions& options) {
    const int width = graphWidth(), height = graphHeight();
    if (OffscreenBitmap.size() != QSize(width, height))
        OffscreenBitmap = QImage(width, height, QImage::Format_RGB32);
    clearGraph(offscreenCanvas_);
    bool rewritten = false;
    if (!options.polar) {
        drawAxes(offscreenCanvas_, PlotFrame, options.thickness);
        if (options.grid) drawGrid(offscreenCanvas_, PlotFrame, options.thickness);
    } else {
        const PolarGridSteps steps = polarGridSteps(&rewritten);
        // In the polar frame the graduations are the grid's circles and rays.
        PlotFrame.graduex = steps.circle;
        PlotFrame.graduey = steps.ray;
        drawPolarGrid(offscreenCanvas_, PlotFrame, options.thickness, steps);
        if (rewritten) emit polarGridRewritten();
    }
    // The unit's label names the circles' step as drawn, once corrected.
    drawLabels(offscreenCanvas_, PlotFrame, rewritten ? currentOptions() : options);
}

void Tgrafzone::trace() {
    if (Painting) return;
    Painting = true;
    QGuiApplication::setOverrideCursor(cursorFromNumber(BusyCursor));
    const GraphOptions options = currentOptions();
    PlotFrame.deriveFrom(graphWidth(), graphHeight());
    // The curves of functions of x are evaluated while the background is drawn.
    std::optional<FunctionCurves> functionCurves;
    if (GraphKind == GraphType::FunctionOfX) functionCurves.emplace(PlotFrame, options);
    composeBackBuffer(options);
    std::vector<int> invalidSlots;
    switch (GraphKind) {
        case GraphType::FunctionOfX: invalidSlots = functionCurves->draw(offscreenCanvas_); break;
        case GraphType::Animation: playRequestedAnimation(options); break;
        case GraphType::Cartesian: drawCartesianEquation(offscreenCanvas_, PlotFrame, options); break;
        case GraphType::Parametric: drawParametricCurve(offscreenCanvas_, PlotFrame, options); break;
        case GraphType::Polar: drawPolarCurve(offscreenCanvas_, PlotFrame, options); break;
        default: break;
    }
    // Shown once the paint is over: the message layer holds them while Painting is set.
    for (const int slot : invalidSlots) showMessage(invalidFormulaMessage(slot));
    construit();
    QGuiApplication::restoreOverrideCursor();
}

// Each frame is the static picture, repainted by a nested paint, with the
// animated curves drawn over it on the window picture and shown at once.
// Between frames the events are handled, so that Escape and "Mode neutre" end
// the run by clearing AnimationRunning; the paints asked for meanwhile are
// refused, Painting being set, and the last nested paint shows the state the
// run leaves.
void Tgrafzone::playRequestedAnimation(const GraphOptions& options) {
    if (!AnimationRun.requested || AnimationRunning) return;
    if (CurveSlot[1].formula.empty() && CurveSlot[2].formula.empty()) return;
    // Asking for a run again meanwhile does not change this one.
    const TAnimationRun run = AnimationRun;
    const auto staticPicture = [this] {
        Painting = false;
        trace();
        Painting = true;
    };
    AnimationRunning = true;
    playAnimation(
        run,
        [&](long double k) {
            QElapsedTimer shown;
            shown.start();
            staticPicture();
            drawAnimationFrame(windowCanvas_, PlotFrame, options, k);
            showPictureNow();
            if (kval) {
                kval->valk->setText("k=" + QString::fromStdString(FloatToStr(RoundTo(k + run.step, 3))));
                kval->repaint();
            }
            keepFrameShown(shown);
        },
        [] { return AnimationRunning && GraphKind == GraphType::Animation; });
    AnimationRunning = true;
    staticPicture();
    AnimationRunning = false;
}

void Tgrafzone::repaintGraph() {
    trace();
    surface_->update();
}

void Tgrafzone::showPictureNow() { surface_->repaint(); }

void Tgrafzone::construit() {
    if (WindowPicture.size() != OffscreenBitmap.size())
        WindowPicture = QImage(OffscreenBitmap.size(), QImage::Format_RGB32);
    windowCanvas_.draw(0, 0, OffscreenBitmap);
    // The space view owns the screen while it is shown; the paint still ends,
    // or the plane graph would never be drawn again once it is hidden.
    if (spaceView_ && spaceView_->isVisible()) {
        Painting = false;
        surface_->update();
        return;
    }
    const GraphOptions options = currentOptions();
    windowCanvas_.setPen(clRed, options.thickness - 1);
    windowCanvas_.setFontSize(options.fontSize);
    drawPointsAndLines(windowCanvas_, offscreenCanvas_, constructionStyle(options));
    if (SequenceState != 0) {
        // Its own refreshes are refused meanwhile.
        Painting = true;
        emit sequenceRequested();
    }
    placeSlider();
    drawPolygons(windowCanvas_);
    Painting = false;
    surface_->update();
}

ConstructionStyle Tgrafzone::constructionStyle(const GraphOptions& options) const {
    ConstructionStyle style;
    style.penWidth = options.thickness - 1;
    style.fontSize = options.fontSize;
    style.showTranslationVectors = TranslationVectorsShown;
    style.showSymmetryConstruction = SymmetryConstructionShown;
    style.showRotationConstruction = RotationConstructionShown;
    style.showValuePoints = ValuePointsShown;
    return style;
}

void Tgrafzone::layOutBars() {
    const int height = grafbar_->sizeHint().height();
    grafbar_->setGeometry(0, surface_->height() - height, surface_->width(), height);
}

void Tgrafzone::placeSlider() {
    if (t_->isHidden()) return;
    const int barHeight = grafbar_->height();
    t_->setGeometry(0, graphHeight() - barHeight - barHeight - CopyMargin,
                    graphWidth() - CopyMargin, barHeight);
}

void Tgrafzone::chanegtaille() {
    if (Painting) return;
    if (!reperezone || !reperezone->ortho->isChecked()) {
        repaintGraph();
        return;
    }
    PlotFrame.deriveFrom(graphWidth(), graphHeight());
    if (QRandomGenerator::global()->bounded(2) == 1) reperezone->xfixeyClick();
    else reperezone->yfixexClick();
}

void Tgrafzone::showCaption(bool caption) {
    // With its caption, in the space view, the graph shows a section in a
    // small window of its own among the dialogs.
    Qt::WindowFlags flags = Qt::SubWindow;
    flags |= caption ? Qt::WindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                       | Qt::WindowCloseButtonHint)
                     : Qt::WindowFlags(Qt::FramelessWindowHint);
    if (windowFlags() == flags) return;
    const bool visible = isVisible();
    const QRect kept = geometry();
    setWindowFlags(flags);
    resizer_->setEnabled(!caption);
    setGeometry(kept);
    setVisible(visible);
}

QImage Tgrafzone::clipboardPicture() {
    repaintGraph();
    return WindowPicture.copy(0, 0, graphWidth() - CopyMargin, graphHeight() - CopyMargin);
}

void Tgrafzone::copier1Click() { QGuiApplication::clipboard()->setImage(clipboardPicture()); }

void Tgrafzone::setStatusText(const QString& text) { statusLabel_->setText(text); }

QString Tgrafzone::statusText() const { return statusLabel_->text(); }

void Tgrafzone::popUpMenuAt(int x, int y) { popup_->popup(surface_->mapToGlobal(QPoint(x, y))); }

void Tgrafzone::setGraphCursor(int cursor) { surface_->setCursor(cursorFromNumber(cursor)); }

bool Tgrafzone::eventFilter(QObject* watched, QEvent* event) {
    // The status bar gets out of the way of the mouse.
    if (watched == grafbar_ && event->type() == QEvent::MouseMove) grafbar_->hide();
    return QMdiSubWindow::eventFilter(watched, event);
}

void Tgrafzone::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (!Painting) repaintGraph();
}

void Tgrafzone::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    FormClose();
}

void Tgrafzone::FormClose() { emit closed(); }

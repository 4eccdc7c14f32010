#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <cmath>

#include <gtest/gtest.h>

#include "model/construction_tables.h"
#include "model/curve_entries.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/graph_interaction.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/toptionzone.h"
#include "plane/treperezone.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include "tools/ttabval.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Width = 512, Height = 512;

class GraphWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        initialisePlotState();
        PlotFrame.xmin = PlotFrame.ymin = -8;
        PlotFrame.xmax = PlotFrame.ymax = 8;
        GraphKind = GraphType::FunctionOfX;
        graph = new Tgrafzone;
        grafzone = graph;
        graph->setGraphSize(Width, Height);
    }
    void TearDown() override {
        delete graph;
        initialisePlotState();
    }

    TColor windowPixel(int x, int y) { return graph->windowCanvas().pixel(x, y); }

    Tgrafzone* graph = nullptr;
};

TEST_F(GraphWindowTest, DrawingAreaHasTheRequestedSize) {
    EXPECT_EQ(graph->graphWidth(), Width);
    EXPECT_EQ(graph->graphHeight(), Height);
    graph->trace();
    EXPECT_EQ(graph->OffscreenBitmap.size(), QSize(Width, Height));
    EXPECT_EQ(graph->WindowPicture.size(), QSize(Width, Height));
}

// Without its caption bar the window is resized by its edges, and the new size
// is drawn at once, as when the layout resizes it.
TEST_F(GraphWindowTest, WithoutCaptionItsEdgesResizeIt) {
    graph->showCaption(false);
    graph->show();
    graph->repaintGraph();
    QWidget* surface = graph->surface();
    const QPoint edge(Width - 1, Height / 2);
    QTest::mousePress(surface, Qt::LeftButton, {}, edge);
    QTest::mouseMove(surface, edge + QPoint(40, 0));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, edge + QPoint(40, 0));
    EXPECT_EQ(graph->graphWidth(), Width + 40);
    EXPECT_EQ(graph->WindowPicture.width(), Width + 40);
    EXPECT_EQ(PlotFrame.pixelx, 16.0L / (Width + 40));
    EXPECT_EQ(MouseButton, 0);  // the drag never reached the interaction modes

    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(Width / 2, Height / 2));
    EXPECT_EQ(MouseButton, 1);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(Width / 2, Height / 2));
    graph->showCaption(true);
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(0, Height / 2));
    EXPECT_EQ(MouseButton, 1);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(0, Height / 2));
}

TEST_F(GraphWindowTest, TraceDerivesTheFrameAndDrawsAxesAndCurves) {
    CurveSlot[1].formula = "x^2-2";
    graph->trace();
    EXPECT_EQ(PlotFrame.originx, 256);
    EXPECT_EQ(PlotFrame.originy, 256);
    EXPECT_EQ(windowPixel(256, 60), clBlack);
    EXPECT_EQ(windowPixel(PlotFrame.column(1), PlotFrame.row(-1)), clBlue);
    EXPECT_FALSE(Painting);
}

TEST_F(GraphWindowTest, PolarKindDrawsNeitherAxesNorSquares) {
    GraphKind = GraphType::Polar;
    // Its own grid of circles and rays aside.
    PolarGrid.circles = PolarGrid.rays = false;
    graph->trace();
    PolarGrid = TPolarGrid{};
    EXPECT_EQ(windowPixel(256, 60), clWhite);
    EXPECT_EQ(windowPixel(288, 130), clWhite);
}

TEST_F(GraphWindowTest, APaintRequestedDuringAPaintIsDropped) {
    Painting = true;
    graph->trace();
    EXPECT_TRUE(graph->OffscreenBitmap.isNull());
    EXPECT_TRUE(Painting);
}

TEST_F(GraphWindowTest, ConstruitShowsTheMarkedBackBufferAndEndsThePaint) {
    graph->trace();
    graph->offscreenCanvas().setPixel(10, 10, clRed);
    Painting = true;
    graph->construit();
    EXPECT_EQ(windowPixel(10, 10), clRed);
    EXPECT_FALSE(Painting);
}

TEST_F(GraphWindowTest, RepaintEraseMarksOfTheBackBuffer) {
    graph->trace();
    graph->offscreenCanvas().setPixel(10, 10, clRed);
    graph->repaintGraph();
    EXPECT_EQ(windowPixel(10, 10), clWhite);
}

TEST_F(GraphWindowTest, NoCurvesBeforeAGraphKindIsChosen) {
    GraphKind = GraphType::None;
    CurveSlot[1].formula = "1";
    graph->trace();
    EXPECT_NE(windowPixel(330, PlotFrame.row(1)), clBlue);
}

TEST_F(GraphWindowTest, AFormulaThatDoesNotCompileIsReportedOncePerPaintAfterIt) {
    MessageCapture capture;
    CurveSlot[1].formula = "2*x+";
    CurveSlot[2].formula = "1";
    graph->trace();
    flushMessages();
    EXPECT_EQ(capture.messages(),
              QStringList{QString::fromUtf8("écriture de la fonction f non valide")});
    EXPECT_EQ(windowPixel(330, PlotFrame.row(1)), clLime);
    graph->trace();
    flushMessages();
    EXPECT_EQ(capture.messages().size(), 2);
}

TEST_F(GraphWindowTest, MessagesRaisedDuringAPaintWaitForItsEnd) {
    MessageCapture capture;
    Painting = true;
    showMessage("pendant");
    EXPECT_TRUE(capture.messages().isEmpty());
    Painting = false;
    flushMessages();
    EXPECT_EQ(capture.messages(), QStringList{"pendant"});
}

TEST_F(GraphWindowTest, ClipboardPictureIsFivePixelsSmallerWithoutTheStatusBar) {
    graph->setStatusText("Mode zoom");
    const QImage picture = graph->clipboardPicture();
    EXPECT_EQ(picture.size(), QSize(Width - 5, Height - 5));
    // The bottom rows are the graph's white background, not the status bar.
    EXPECT_EQ(picture.pixelColor(100, Height - 6), QColor(Qt::white));
    graph->copier1Click();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(Width - 5, Height - 5));
}

TEST_F(GraphWindowTest, OptionsWindowSetsThicknessFontAndPrecision) {
    QTemporaryDir folder;
    // Never the user's own settings.
    qputenv("XDG_CONFIG_HOME", QByteArray(folder.filePath("config").toUtf8()));
    setSettingsFolder(folder.path());
    AppFolder = folder.path().toStdString();
    auto* options = new Toptionzone;
    optionzone = options;
    options->epaisseur->setValue(6);
    options->taille->setValue(22);
    options->precis->setValue(3);
    const GraphOptions read = graph->currentOptions();
    EXPECT_EQ(read.thickness, 6);
    EXPECT_EQ(read.fontSize, 22);
    EXPECT_EQ(read.precision, 3);
    CurveSlot[1].formula = "2";
    graph->trace();
    int thick = 0;
    for (int y = PlotFrame.row(2) - 10; y <= PlotFrame.row(2) + 10; ++y)
        thick += windowPixel(330, y) == clBlue;
    EXPECT_EQ(thick, 7);
    delete options;
}

TEST_F(GraphWindowTest, FunctionWindowHidesTheUserCurves) {
    auto* functions = new TfoncZone;
    foncZone = functions;
    CurveSlot[0].formula = "1";
    CurveSlot[1].formula = "2";
    functions->cache->setChecked(true);
    graph->trace();
    EXPECT_EQ(windowPixel(330, PlotFrame.row(1)), clAqua);
    EXPECT_NE(windowPixel(330, PlotFrame.row(2)), clBlue);
    delete functions;
}

TEST_F(GraphWindowTest, FrameWindowTurnsTheGridOff) {
    auto* frame = new Treperezone;
    reperezone = frame;
    frame->quadrille->setChecked(false);
    graph->trace();
    EXPECT_EQ(windowPixel(288, 130), clWhite);
    frame->quadrille->setChecked(true);
    graph->trace();
    EXPECT_EQ(windowPixel(288, 130), clSilver);
    delete frame;
}

TEST_F(GraphWindowTest, ResizeWithOrthoCheckedMakesTheFrameOrthonormal) {
    auto* frame = new Treperezone;
    reperezone = frame;
    frame->ortho->setChecked(true);
    graph->setGraphSize(600, 300);
    graph->chanegtaille();
    graph->trace();
    EXPECT_NEAR(double(PlotFrame.pixelx), double(PlotFrame.pixely), 1e-9);
    delete frame;
}

TEST_F(GraphWindowTest, ResizeDuringAPaintDoesNothing) {
    auto* frame = new Treperezone;
    reperezone = frame;
    frame->ortho->setChecked(true);
    const TPlotFrame before = PlotFrame;
    Painting = true;
    graph->chanegtaille();
    EXPECT_EQ(PlotFrame.ymax, before.ymax);
    EXPECT_EQ(PlotFrame.xmax, before.xmax);
    Painting = false;
    delete frame;
}

TEST_F(GraphWindowTest, TableOfValuesPointsFollowItsCheckBox) {
    auto* table = new Ttabval;
    tabval = table;
    ValuePoints[0] = TValuePoint{1, 1};
    ValuePointCount = 1;
    table->construitpoint->setChecked(true);
    graph->trace();
    const int column = PlotFrame.column(1) + 3, row = PlotFrame.row(1) + 3;  // on the cross
    EXPECT_EQ(windowPixel(column, row), clRed);
    EXPECT_NE(graph->offscreenCanvas().pixel(column, row), clRed);
    table->construitpoint->setChecked(false);
    graph->trace();
    EXPECT_NE(windowPixel(column, row), clRed);
    ValuePointCount = 0;
    delete table;
}

TEST_F(GraphWindowTest, ShownSpaceViewKeepsTheConstructionsOffButEndsThePaint) {
    QWidget space;
    graph->setSpaceView(&space);
    space.show();
    ValuePoints[0] = TValuePoint{1, 1};
    ValuePointCount = 1;
    auto* table = new Ttabval;
    tabval = table;
    table->construitpoint->setChecked(true);
    graph->trace();
    EXPECT_NE(windowPixel(PlotFrame.column(1) + 3, PlotFrame.row(1) + 3), clRed);
    EXPECT_FALSE(Painting);
    ValuePointCount = 0;
    delete table;
}

TEST_F(GraphWindowTest, SliderStartsHiddenOverZeroToHundred) {
    EXPECT_FALSE(graph->t()->isVisibleTo(graph));
    EXPECT_EQ(graph->t()->minimum(), 0);
    EXPECT_EQ(graph->t()->maximum(), 100);
    EXPECT_EQ(graph->t()->pageStep(), 0);
}

TEST_F(GraphWindowTest, ShownSliderIsPlacedAboveTheStatusBarByEachPaint) {
    graph->t()->show();
    graph->trace();
    const int bar = graph->grafbar()->height();
    EXPECT_EQ(graph->t()->geometry(), QRect(0, Height - bar - bar - 5, Width - 5, bar));
}

TEST_F(GraphWindowTest, MouseAndKeysGoToTheInteractionModes) {
    QWidget* surface = graph->surface();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(100, 120));
    EXPECT_EQ(MouseButton, 1);
    EXPECT_EQ(DragStartX, 100);
    EXPECT_EQ(DragStartY, 120);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(100, 120));
    EXPECT_EQ(MouseButton, 0);
    PlotMode = InteractionMode::Zoom;
    QTest::keyClick(surface, Qt::Key_Escape);
    EXPECT_EQ(PlotMode, InteractionMode::Neutral);
}

TEST_F(GraphWindowTest, PopUpMenuChangesTheMode) {
    graph->Zoom1->trigger();
    EXPECT_EQ(PlotMode, InteractionMode::Zoom);
    graph->Dplacer1->trigger();
    EXPECT_EQ(PlotMode, InteractionMode::Move);
    graph->Modenormal1->trigger();
    EXPECT_EQ(PlotMode, InteractionMode::Neutral);
}

TEST_F(GraphWindowTest, StatusBarGetsOutOfTheWayOfTheMouse) {
    graph->show();
    graph->grafbar()->show();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(graph->grafbar(), &move);
    EXPECT_TRUE(graph->grafbar()->isHidden());
}

TEST_F(GraphWindowTest, StatusTextIsKept) {
    graph->setStatusText("Ici M(2;4)");
    EXPECT_EQ(graph->statusText(), "Ici M(2;4)");
}

TEST_F(GraphWindowTest, PopUpMenuOffersTheModesAndTheCopy) {
    EXPECT_EQ(graph->Modenormal1->text(), "Mode neutre (echap)");
    EXPECT_EQ(graph->Zoom1->text(), "Mode zoom");
    EXPECT_EQ(graph->Dplacer1->text(), QString::fromUtf8("Mode déplacement"));
    EXPECT_EQ(graph->copier1->text(), "Copier le graphique");
    EXPECT_EQ(graph->copier1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
}

TEST_F(GraphWindowTest, ClosingHidesTheWindowAndTellsTheMainWindow) {
    QSignalSpy closed(graph, &Tgrafzone::closed);
    graph->show();
    graph->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(graph->isVisible());
}

}  // namespace

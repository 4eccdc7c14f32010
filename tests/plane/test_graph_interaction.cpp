#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/graph_interaction.h"
#include "plane/mode_handlers.h"
#include "plane/tcoord.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"
#include "tests/support/points.h"

namespace {

const QString DragText =
    QString::fromUtf8("Maintenez le bouton et bougez la souris pour déplacer le point.");

// The default frame of "Fonction de x" on a 680 x 540 graph window.
class GraphInteraction : public testing::Test {
protected:
    void SetUp() override {
        PointTable = {};
        initialisePlotState();
        GraphKind = GraphType::FunctionOfX;

        frame_ = std::make_unique<Treperezone>();
        reperezone = frame_.get();
        frame_->ortho->setChecked(false);
        graph_ = std::make_unique<Tgrafzone>();
        grafzone = graph_.get();
        graph_->setGraphSize(680, 540);
        graph_->show();
        setFrame(-10, 10, -7.94L, 7.94L);
    }

    void TearDown() override {
        graphMouseUp(*graph_);
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        graph_.reset();
        frame_.reset();
        initialisePlotState();
    }

    void setFrame(long double xmin, long double xmax, long double ymin, long double ymax) {
        PlotFrame = TPlotFrame{};
        PlotFrame.xmin = xmin;
        PlotFrame.xmax = xmax;
        PlotFrame.ymin = ymin;
        PlotFrame.ymax = ymax;
        graph_->repaintGraph();
    }

    QWidget* surface() const { return graph_->surface(); }
    void press(Qt::MouseButton button, QPoint at) { QTest::mousePress(surface(), button, {}, at); }
    void release(Qt::MouseButton button, QPoint at) { QTest::mouseRelease(surface(), button, {}, at); }
    void moveTo(QPoint at) { QTest::mouseMove(surface(), at); }
    QPoint pixelOf(long double x, long double y) const { return {PlotFrame.column(x), PlotFrame.row(y)}; }

    TColor shownPixel(QPoint at) const { return fromQColor(graph_->WindowPicture.pixelColor(at)); }

    std::unique_ptr<Treperezone> frame_;
    std::unique_ptr<Tgrafzone> graph_;
};

// --- Entering the modes ---------------------------------------------------------

struct ModeCase {
    const char* name;
    void (*enter)(Tgrafzone&);
    InteractionMode mode;
    const char* status;
    int cursor;
};

class ModeEntry : public GraphInteraction, public testing::WithParamInterface<ModeCase> {};

TEST_P(ModeEntry, SetsTheModeItsStatusTextAndCursor) {
    const ModeCase& c = GetParam();
    AnimationRunning = true;
    graph_->setStatusText("ancien texte");
    c.enter(*graph_);
    EXPECT_EQ(PlotMode, c.mode);
    EXPECT_EQ(graph_->statusText(), QString::fromUtf8(c.status));
    EXPECT_EQ(ModeCursor, c.cursor);
    EXPECT_EQ(AnimationRunning, c.mode != InteractionMode::Neutral);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModeEntry,
    testing::Values(
        ModeCase{"Neutral", enterNeutralMode, InteractionMode::Neutral, "", crDefault},
        ModeCase{"Move", enterMoveMode, InteractionMode::Move,
                 "Bougez en cliquant sur le bouton gauche.Tapez \"Echap\" ou cliquez droit pour "
                 "quitter ce mode.",
                 crSizeAll},
        ModeCase{"Zoom", enterZoomMode, InteractionMode::Zoom,
                 "Cliquez gauche pour zoomer ou droit pour dézoomer. Tapez \"Echap\" pour quitter le zoom",
                 9},
        ModeCase{"Browse", enterBrowseMode, InteractionMode::Browse,
                 "Cliquez gauche ou droit et déplacez la souris. Tapez \"Echap\" pour quitter ce mode.",
                 crSizeWE}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GraphInteraction, EscapeGoesBackToNeutralMode) {
    enterZoomMode(*graph_);
    AnimationRunning = true;
    QTest::keyClick(surface(), Qt::Key_Escape);
    EXPECT_EQ(PlotMode, InteractionMode::Neutral);
    EXPECT_TRUE(graph_->statusText().isEmpty());
    EXPECT_FALSE(AnimationRunning);
    EXPECT_EQ(ModeCursor, crDefault);
}

TEST_F(GraphInteraction, OtherKeysChangeNothing) {
    enterZoomMode(*graph_);
    QTest::keyClick(surface(), Qt::Key_A);
    EXPECT_EQ(PlotMode, InteractionMode::Zoom);
}

TEST_F(GraphInteraction, MoveAndZoomHideTheSliderButBrowseKeepsIt) {
    graph_->t()->show();
    enterMoveMode(*graph_);
    EXPECT_FALSE(graph_->t()->isVisible());
    graph_->t()->show();
    enterZoomMode(*graph_);
    EXPECT_FALSE(graph_->t()->isVisible());
}

// What the handlers registered for a mode of a higher layer were given.
struct HandledEvents {
    QPoint mouse{-1, -1};
    int slider = -1;
};
HandledEvents Handled;

TEST_F(GraphInteraction, ARegisteredModeGetsTheMouseAndTheSliderExceptWhilePainting) {
    QWidget window;
    Handled = {};
    registerModeHandlers(InteractionMode::PolarBrowse,
                         {[](Tgrafzone&, int x, int y) { Handled.mouse = {x, y}; },
                          [](Tgrafzone&, int position) { Handled.slider = position; }, &window});
    PlotMode = InteractionMode::PolarBrowse;
    graph_->t()->show();
    moveTo({40, 50});
    graph_->t()->setValue(30);
    EXPECT_EQ(Handled.mouse, QPoint(40, 50));
    EXPECT_EQ(Handled.slider, 30);

    Painting = true;
    moveTo({60, 70});
    graph_->t()->setValue(60);
    Painting = false;
    EXPECT_EQ(Handled.mouse, QPoint(40, 50));
    EXPECT_EQ(Handled.slider, 30);

    // Another mode's window stays; the mode's own goes.
    window.show();
    hideModeWindow(InteractionMode::ParametricBrowse);
    EXPECT_TRUE(window.isVisible());
    hideModeWindow(InteractionMode::PolarBrowse);
    EXPECT_FALSE(window.isVisible());
    registerModeHandlers(InteractionMode::PolarBrowse, {});
}

TEST_F(GraphInteraction, RightButtonOpensThePopUpMenuExceptInZoomAndBrowse) {
    press(Qt::RightButton, {100, 100});
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    popup->close();
    release(Qt::RightButton, {100, 100});
    for (void (*enter)(Tgrafzone&) : {enterZoomMode, enterBrowseMode}) {
        enter(*graph_);
        press(Qt::RightButton, {100, 100});
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        release(Qt::RightButton, {100, 100});
    }
}

TEST_F(GraphInteraction, StatusBarComesBackWhenTheMouseIsAboveItsStrip) {
    graph_->grafbar()->hide();
    moveTo({100, 530});
    EXPECT_FALSE(graph_->grafbar()->isVisible());
    moveTo({100, 500});
    EXPECT_TRUE(graph_->grafbar()->isVisible());
}

// --- Zoom ---------------------------------------------------------------------

TEST_F(GraphInteraction, ZoomInAtTheCentreKeepsTwoThirdsOfTheFrameRoundedToThreeDecimals) {
    enterZoomMode(*graph_);
    const long double cx = (340 - PlotFrame.originx) * PlotFrame.pixelx;
    const long double cy = (PlotFrame.originy - 270) * PlotFrame.pixely;
    press(Qt::LeftButton, {340, 270});
    EXPECT_EQ(PlotFrame.xmin, RoundTo(cx - 20.0L / 3, 3));
    EXPECT_EQ(PlotFrame.xmax, RoundTo(cx + 20.0L / 3, 3));
    EXPECT_EQ(PlotFrame.ymin, RoundTo(cy - 15.88L / 3, 3));
    EXPECT_EQ(PlotFrame.ymax, RoundTo(cy + 15.88L / 3, 3));
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmax - PlotFrame.xmin), 40.0 / 3, 0.002);
    EXPECT_NEAR(static_cast<double>(PlotFrame.ymax - PlotFrame.ymin), 31.76 / 3, 0.002);
    EXPECT_EQ(frame_->Editxmin->text(), "-6.667");
    EXPECT_EQ(frame_->Editxmax->text(), "6.667");
    EXPECT_EQ(frame_->Editymax->fontColour(), clBlack);
    // The repaint derived the new scale.
    EXPECT_NEAR(static_cast<double>(PlotFrame.pixelx), 13.334 / 680, 1e-12);
}

TEST_F(GraphInteraction, ZoomInCentresOnTheClick) {
    enterZoomMode(*graph_);
    press(Qt::LeftButton, pixelOf(5, 0));
    EXPECT_NEAR(static_cast<double>((PlotFrame.xmin + PlotFrame.xmax) / 2), 5, 0.05);
}

TEST_F(GraphInteraction, ZoomOutWidensTheFrameBySixTenthsOnEachSide) {
    enterZoomMode(*graph_);
    press(Qt::RightButton, {340, 270});
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmax - PlotFrame.xmin), 24, 1e-12);
    EXPECT_NEAR(static_cast<double>(PlotFrame.ymax - PlotFrame.ymin), 1.2 * 15.88, 1e-12);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(GraphInteraction, ZoomOutStopsOnceTheFrameIsTenMillionWide) {
    setFrame(-5000000, 5000000, -10, 10);
    enterZoomMode(*graph_);
    press(Qt::RightButton, {340, 270});
    EXPECT_EQ(PlotFrame.xmin, -5000000);
    EXPECT_EQ(PlotFrame.xmax, 5000000);
    EXPECT_EQ(PlotFrame.ymax, 10);
}

TEST_F(GraphInteraction, ZoomOutStopsOnceTheFrameIsAMillionHigh) {
    setFrame(-10, 10, -500000, 500000);
    enterZoomMode(*graph_);
    press(Qt::RightButton, {340, 270});
    EXPECT_EQ(PlotFrame.ymax, 500000);
    EXPECT_EQ(PlotFrame.xmax, 10);
}

TEST_F(GraphInteraction, ZoomInOnAFrameNarrowerThanTheRoundingKeepsItsExactBounds) {
    setFrame(0.0001L, 0.0004L, -7.94L, 7.94L);
    enterZoomMode(*graph_);
    const long double cx = (340 - PlotFrame.originx) * PlotFrame.pixelx;
    press(Qt::LeftButton, {340, 270});
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmax - PlotFrame.xmin), 0.0002, 1e-15);
    EXPECT_NEAR(static_cast<double>((PlotFrame.xmin + PlotFrame.xmax) / 2), static_cast<double>(cx), 1e-15);
    // The y axis is wide enough to be rounded as usual.
    EXPECT_EQ(PlotFrame.ymax, RoundTo(PlotFrame.ymax, 3));

    const long double zoomedWidth = PlotFrame.xmax - PlotFrame.xmin;
    press(Qt::RightButton, {340, 270});
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmax - PlotFrame.xmin), static_cast<double>(1.2L * zoomedWidth), 1e-15);

    // Typing a new Xmax in an orthonormal frame fits y to the same scale around the axis.
    frame_->ortho->setChecked(true);
    frame_->Editxmax->setText("1");
    frame_->EditxmaxKeyPress();
    EXPECT_EQ(PlotFrame.xmax, 1);
    EXPECT_NEAR(static_cast<double>((PlotFrame.ymax - PlotFrame.ymin) / 540),
                static_cast<double>((PlotFrame.xmax - PlotFrame.xmin) / 680), 1e-6);
    EXPECT_GT(PlotFrame.ymin, -1);
    EXPECT_LT(PlotFrame.ymin, 0);
}

TEST_F(GraphInteraction, ZoomNeverEmptiesTheFrameAndZoomingOutAlwaysWidensIt) {
    setFrame(0.0001L, 0.0004L, -7.94L, 7.94L);
    enterZoomMode(*graph_);
    for (int click = 0; click < 150; ++click) {
        press(Qt::LeftButton, {340, 270});
        release(Qt::LeftButton, {340, 270});
        ASSERT_LT(PlotFrame.xmin, PlotFrame.xmax) << "after " << click + 1 << " zooms";
        ASSERT_LT(PlotFrame.ymin, PlotFrame.ymax) << "after " << click + 1 << " zooms";
    }
    const long double width = PlotFrame.xmax - PlotFrame.xmin, height = PlotFrame.ymax - PlotFrame.ymin;
    press(Qt::RightButton, {340, 270});
    EXPECT_GT(PlotFrame.xmax - PlotFrame.xmin, width);
    EXPECT_GT(PlotFrame.ymax - PlotFrame.ymin, height);
}

// --- Move -----------------------------------------------------------------------

TEST_F(GraphInteraction, MoveModeSlidesTheFrameWithTheMouse) {
    enterMoveMode(*graph_);
    const long double pixelx = PlotFrame.pixelx, pixely = PlotFrame.pixely;
    press(Qt::LeftButton, {100, 100});
    moveTo({134, 80});
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmin), static_cast<double>(-10 - 34 * pixelx), 1e-12);
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmax), static_cast<double>(10 - 34 * pixelx), 1e-12);
    EXPECT_NEAR(static_cast<double>(PlotFrame.ymin), static_cast<double>(-7.94L - 20 * pixely), 1e-12);
    EXPECT_EQ(frame_->Editxmin->text().toStdString(), FloatToStr(PlotFrame.xmin));
    // The next move starts from the last position.
    moveTo({135, 80});
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmin), static_cast<double>(-10 - 35 * pixelx), 1e-12);
}

TEST_F(GraphInteraction, MoveModeDoesNothingWithoutTheButton) {
    enterMoveMode(*graph_);
    moveTo({134, 80});
    EXPECT_EQ(PlotFrame.xmin, -10);
}

// --- Browse ---------------------------------------------------------------------

TEST_F(GraphInteraction, BrowsingXSquaredWithTheLeftButtonShowsM) {
    CurveSlot[1].formula = "x^2";
    enterBrowseMode(*graph_);
    const QPoint at{PlotFrame.originx + 68, 100};  // x = 2
    press(Qt::LeftButton, at);
    moveTo(at);
    EXPECT_EQ(graph_->statusText(),
              QString::fromUtf8("Cliquez gauche ou droit et déplacez la souris.Ici M(2;4)"));
    EXPECT_EQ(shownPixel({at.x(), PlotFrame.row(4)}), clRed);
}

TEST_F(GraphInteraction, BrowsingWithTheRightButtonShowsTheTangent) {
    CurveSlot[1].formula = "x^2";
    enterBrowseMode(*graph_);
    const QPoint at{PlotFrame.originx + 68, 100};
    press(Qt::RightButton, at);
    moveTo(at);
    EXPECT_EQ(graph_->statusText(),
              QString::fromUtf8("Cliquez gauche ou droit et déplacez la souris. Ici y=4x+-4"));
    // y = 4x - 4 passes through (1.5, 2).
    EXPECT_EQ(shownPixel(pixelOf(1.5L, 2)), clRed);
}

TEST_F(GraphInteraction, BrowsingNeedsAButtonAndADefinedValue) {
    CurveSlot[1].formula = "ln(x)";
    enterBrowseMode(*graph_);
    const QString modeText = graph_->statusText();
    moveTo({PlotFrame.originx + 68, 100});
    EXPECT_EQ(graph_->statusText(), modeText);
    const QPoint negative{PlotFrame.originx - 68, 100};
    press(Qt::LeftButton, negative);
    moveTo(negative);
    EXPECT_EQ(graph_->statusText(), modeText);
}

TEST_F(GraphInteraction, BrowsingStaysInsideARestrictedDomain) {
    CurveSlot[1].formula = "x^2";
    CurveSlot[1].domain = TDomain{-1, 1, true};
    enterBrowseMode(*graph_);
    const QString modeText = graph_->statusText();
    const QPoint at{PlotFrame.originx + 68, 100};
    press(Qt::LeftButton, at);
    moveTo(at);
    EXPECT_EQ(graph_->statusText(), modeText);
}

// --- Dragging points ---------------------------------------------------------------

TEST_F(GraphInteraction, OfTwoCloseFreePointsTheHigherSlotIsDragged) {
    addPoint(PointKind::Free, 1, 1);
    addPoint(PointKind::Free, 1.2L, 1);
    graph_->repaintGraph();
    press(Qt::LeftButton, pixelOf(1.1L, 1));
    EXPECT_EQ(DraggedPoint, 2);
    EXPECT_EQ(graph_->statusText(), DragText);
    EXPECT_EQ(PlotMode, InteractionMode::Neutral);
    moveTo(pixelOf(-4, -3));
    EXPECT_NEAR(static_cast<double>(PointTable[2].x), -4, 0.05);
    EXPECT_EQ(PointTable[1].x, 1);
    EXPECT_EQ(PointTable[1].y, 1);
}

TEST_F(GraphInteraction, DraggedFreePointFollowsTheMouse) {
    addPoint(PointKind::Free, 1, 1);
    graph_->repaintGraph();
    press(Qt::LeftButton, pixelOf(1, 1));
    const QPoint target = pixelOf(-3, 2);
    moveTo(target);
    const long double x = (target.x() - PlotFrame.originx) * PlotFrame.pixelx;
    const long double y = (PlotFrame.originy - target.y()) * PlotFrame.pixely;
    EXPECT_EQ(PointTable[1].x, x);
    EXPECT_EQ(PointTable[1].y, y);
    EXPECT_EQ(graph_->statusText().toStdString(),
              DragText.toStdString() + " A (" + FloatToStr(RoundTo(x, 3)) + ";" + FloatToStr(RoundTo(y, 3)) + ")");
    EXPECT_EQ(shownPixel(pixelOf(x, y)), clRed);
}

TEST_F(GraphInteraction, InThePolarKindTheDragShowsRhoAndTheta) {
    addPoint(PointKind::Free, 1, 1);
    graph_->repaintGraph();
    GraphKind = GraphType::Polar;
    press(Qt::LeftButton, pixelOf(1, 1));
    const QPoint target = pixelOf(0, -3);
    moveTo(target);
    const long double x = PointTable[1].x, y = PointTable[1].y;
    const long double rho = sqrtl(x * x + y * y);
    EXPECT_EQ(graph_->statusText().toStdString(),
              DragText.toStdString() + " A (" + FloatToStr(RoundTo(rho, 3)) + ";"
                  + FloatToStr(RoundTo(-acosl(x / rho), 3)) + ")");
}

TEST_F(GraphInteraction, PointOnACurveStaysOnItsCurve) {
    CurveSlot[1].formula = "x^2";
    const int slot = addPoint(PointKind::OnCurve, 1, 1);
    PointTable[slot].slot = 1;
    graph_->repaintGraph();
    press(Qt::LeftButton, pixelOf(1, 1));
    ASSERT_EQ(DraggedPoint, slot);
    moveTo(pixelOf(2, -5));
    const long double x = PointTable[slot].x, y = PointTable[slot].y;
    EXPECT_NEAR(static_cast<double>(x), 2, 0.05);
    EXPECT_EQ(y, FormulaValue("x^2", x));
    EXPECT_EQ(graph_->statusText().toStdString(),
              DragText.toStdString() + " A (" + FloatToStr(RoundTo(x, 3)) + ";" + FloatToStr(RoundTo(y, 3)) + ")");
}

TEST_F(GraphInteraction, PointOnACurveDoesNotLeaveItsDomain) {
    CurveSlot[1].formula = "x^2";
    CurveSlot[1].domain = TDomain{0, 1.5L, true};
    const int slot = addPoint(PointKind::OnCurve, 1, 1);
    PointTable[slot].slot = 1;
    graph_->repaintGraph();
    press(Qt::LeftButton, pixelOf(1, 1));
    moveTo(pixelOf(3, 9));
    EXPECT_EQ(PointTable[slot].x, 1);
    EXPECT_EQ(graph_->statusText(), DragText);
}

TEST_F(GraphInteraction, FixedPointsAndImagesAreNotDragged) {
    addPoint(PointKind::Fixed, 1, 1);
    graph_->repaintGraph();
    press(Qt::LeftButton, pixelOf(1, 1));
    EXPECT_EQ(DraggedPoint, 0);
    EXPECT_TRUE(graph_->statusText().isEmpty());
}

TEST_F(GraphInteraction, NoDragOutsideNeutralMode) {
    addPoint(PointKind::Free, 1, 1);
    enterMoveMode(*graph_);
    press(Qt::LeftButton, pixelOf(1, 1));
    EXPECT_EQ(DraggedPoint, 0);
}

TEST_F(GraphInteraction, ImagesFollowTheDraggedSource) {
    const int a = addPoint(PointKind::Free, 1, 1), b = addPoint(PointKind::Fixed, 3, 1), mid = addPoint(PointKind::Midpoint, 0, 0);
    PointTable[mid].ref1 = a;
    PointTable[mid].ref2 = b;
    graph_->repaintGraph();
    press(Qt::LeftButton, pixelOf(1, 1));
    moveTo(pixelOf(-5, 5));
    EXPECT_NEAR(static_cast<double>(PointTable[mid].x), -1, 0.05);
    EXPECT_NEAR(static_cast<double>(PointTable[mid].y), 3, 0.05);
}

TEST_F(GraphInteraction, ReleaseClearsOnlyTheDragMessage) {
    addPoint(PointKind::Free, 1, 1);
    graph_->repaintGraph();
    press(Qt::LeftButton, pixelOf(1, 1));
    moveTo(pixelOf(2, 2));
    release(Qt::LeftButton, pixelOf(2, 2));
    EXPECT_TRUE(graph_->statusText().isEmpty());
    EXPECT_EQ(DraggedPoint, 0);
    EXPECT_EQ(MouseButton, 0);
    EXPECT_EQ(DragStartX, -1);

    graph_->setStatusText("Un autre message");
    press(Qt::LeftButton, {600, 500});
    release(Qt::LeftButton, {600, 500});
    EXPECT_EQ(graph_->statusText(), "Un autre message");
}

TEST_F(GraphInteraction, CoordinatesWindowFollowsTheDraggedPointItNames) {
    Tcoord window;
    coord = &window;
    window.show();
    addPoint(PointKind::Free, 1, 1);
    addPoint(PointKind::Free, -4, -4);
    window.Editnom->setText("A");
    graph_->repaintGraph();
    press(Qt::LeftButton, pixelOf(1, 1));
    moveTo(pixelOf(3, 2));
    EXPECT_EQ(window.Editnom->fontColour(), clBlack);
    EXPECT_EQ(window.afcoord->text().toStdString(),
              "(" + FloatToStr(RoundTo(PointTable[1].x, 2)) + ";" + FloatToStr(RoundTo(PointTable[1].y, 2)) + ")");
    // Projections onto both axes.
    const QPoint point = pixelOf(PointTable[1].x, PointTable[1].y);
    EXPECT_EQ(shownPixel({PlotFrame.originx + 10, point.y()}), clRed);
    EXPECT_EQ(shownPixel({point.x(), PlotFrame.originy - 10}), clRed);

    window.Editnom->setText("B");
    const QString shown = window.afcoord->text();
    moveTo(pixelOf(5, 2));
    EXPECT_EQ(window.afcoord->text(), shown);
    EXPECT_EQ(window.Editnom->fontColour(), clBlue);
}

}  // namespace

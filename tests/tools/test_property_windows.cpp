// The property windows driven through their widgets over a real graph window,
// their marks and demonstrations checked pixel by pixel, and their main use
// through the whole program.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "app/tformparent.h"
#include "model/plot_state.h"
#include "plane/graph_interaction.h"
#include "plane/tchoixf.h"
#include "plane/tfonczone.h"
#include "plane/toptionzone.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"
#include "tests/support/graph_window_fixture.h"
#include "tests/support/program_fixture.h"
#include "tools/function_properties.h"
#include "tools/property_modes.h"
#include "tools/tineqa.h"
#include "tools/tineqf.h"
#include "tools/tparite.h"
#include "tools/tperizone.h"
#include "tools/tvarzone.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// Some red pixel in the square of side 2 * reach + 1 around (x, y).
bool redNear(const QImage& picture, int x, int y, int reach = 1) {
    for (int row = y - reach; row <= y + reach; ++row)
        for (int column = x - reach; column <= x + reach; ++column)
            if (isRed(picture, column, row)) return true;
    return false;
}

// The red circle of radius 5 the demonstrations put around a point.
bool circledAt(const QImage& picture, int x, int y) {
    return redNear(picture, x - 5, y) && redNear(picture, x + 5, y) && redNear(picture, x, y - 5)
           && redNear(picture, x, y + 5);
}

void enter(ColourEdit* edit, const char* text) {
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Moves the mouse over every column of the graph at mid-height.
void sweep(Tgrafzone& graph) {
    for (int column = 0; column < graph.graphWidth(); ++column) graphMouseMove(graph, column, 100);
}

class PropertyWindows : public GraphWindowFixture {
protected:
    void TearDown() override {
        graphMouseUp(*graph_);
        GraphWindowFixture::TearDown();
    }
};

// --- Parity ------------------------------------------------------------------------

TEST_F(PropertyWindows, EvenTestEndsOnTheGraphAsItWas) {
    showFunction("x^2");
    const QImage before = shownPicture();
    Tparite window;
    window.show();
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "     f SEMBLE paire.");
    EXPECT_EQ(shownPicture(), before);
    showFunction("x^2+x");
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "    f n'est pas paire.");
}

TEST_F(PropertyWindows, OddTestLeavesItsLastMirrorPairShown) {
    showFunction("x^3");
    Tparite window;
    window.show();
    click(window.BitBtn2);
    EXPECT_EQ(window.result->text(), "     f SEMBLE impaire.");
    const std::optional<ParityTest> test = testParity("x^3", PlotFrame, Symmetry::Odd);
    ASSERT_TRUE(test);
    const MirrorPair& last = test->shown.back();
    EXPECT_TRUE(circledAt(shownPicture(), PlotFrame.column(last.mirrorX), PlotFrame.row(last.mirrorY)));
    EXPECT_FALSE(redNear(backBuffer(), PlotFrame.column(last.x), PlotFrame.row(last.y), 5));
}

TEST_F(PropertyWindows, ParityNeedsZeroInsideTheFrame) {
    PlotFrame.xmin = 1;
    showFunction("x^2");
    Tparite window;
    window.show();
    window.result->setText("ancien");
    click(window.BitBtn2);
    EXPECT_EQ(window.result->text(), "ancien");
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "");
}

// --- Period --------------------------------------------------------------------------

TEST_F(PropertyWindows, PeriodOfCosineIsTwoPiAndItsLastStepStaysShown) {
    showFunction("cos(x)");
    Tperizone window;
    window.show();
    EXPECT_EQ(window.result->text(), "    T=??");
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "    T=2pi");
    EXPECT_EQ(PeriodText, "2pi");

    const long double step = 5 * PlotFrame.pixelx;
    long long steps = 0;
    while (PlotFrame.xmin + (steps + 1) * step <= PlotFrame.xmax) ++steps;
    const long double last = PlotFrame.xmin + steps * step;
    EXPECT_TRUE(redNear(shownPicture(), PlotFrame.column(last) - 5, PlotFrame.row(cosl(last))));
    // The first step has gone.
    const long double period = *findPeriod("cos(x)", PlotFrame);
    EXPECT_FALSE(redNear(shownPicture(), PlotFrame.column(PlotFrame.xmin + period),
                         PlotFrame.row(cosl(PlotFrame.xmin)), 6));
}

TEST_F(PropertyWindows, EscapeEndsThePeriodDemonstrationAtItsFirstStep) {
    showFunction("cos(x)");
    Tperizone window;
    window.show();
    QCoreApplication::postEvent(graph_->surface(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "    T=2pi");
    const long double period = *findPeriod("cos(x)", PlotFrame);
    EXPECT_TRUE(circledAt(shownPicture(), PlotFrame.column(PlotFrame.xmin + period),
                          PlotFrame.row(cosl(PlotFrame.xmin))));
}

TEST_F(PropertyWindows, NoPeriodIsSaidAndKeptUntilTheWindowShowsAgain) {
    showFunction("x^2");
    Tperizone window;
    window.show();
    PeriodText = "2pi";
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), QString::fromUtf8("Pas de période trouvée."));
    EXPECT_EQ(PeriodText, "??");
    window.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.result->text(), QString::fromUtf8("Pas de période trouvée."));
    window.hide();
    window.show();
    EXPECT_EQ(window.result->text(), "    T=??");
}

// --- Variations ---------------------------------------------------------------------

struct VariationCase {
    const char* name;
    long double from, to;
    int picture;  // 1 increasing, 2 decreasing, 0 hidden
};

class Variations : public PropertyWindows, public ::testing::WithParamInterface<VariationCase> {};

TEST_P(Variations, PictureFollowsTheSignOfTheDerivativeWhileGoingRight) {
    const VariationCase& c = GetParam();
    showFunction("x^2");
    Tvarzone window;
    varzone = &window;
    registerPropertyModes();
    PlotMode = InteractionMode::Variations;
    graphMouseDown(*graph_, MouseButtonKind::Left, PlotFrame.column(c.from), 100);
    const int column = PlotFrame.column(c.to);
    graphMouseMove(*graph_, column, 100);
    EXPECT_EQ(window.isVisible(), c.picture != 0);
    EXPECT_EQ(window.Image1->isVisibleTo(&window), c.picture == 1);
    EXPECT_EQ(window.Image2->isVisibleTo(&window), c.picture == 2);
    EXPECT_FALSE(window.Image3->isVisibleTo(&window));
    // The point under the mouse and its line down to the x axis.
    const int row = PlotFrame.row(c.to * c.to);
    EXPECT_TRUE(isRed(shownPicture(), column + 4, row + 4));
    EXPECT_TRUE(isRed(shownPicture(), column, (row + PlotFrame.originy) / 2));
    EXPECT_FALSE(isRed(backBuffer(), column, (row + PlotFrame.originy) / 2));
}

INSTANTIATE_TEST_SUITE_P(, Variations,
                         ::testing::Values(VariationCase{"Decreasing", -3, -2, 2},
                                           VariationCase{"Increasing", 1, 2, 1},
                                           VariationCase{"GoingLeftHidesIt", 2, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PropertyWindows, VariationsNeedTheLeftButton) {
    showFunction("x^2");
    Tvarzone window;
    varzone = &window;
    registerPropertyModes();
    PlotMode = InteractionMode::Variations;
    graphMouseMove(*graph_, PlotFrame.column(2), 100);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(redNear(shownPicture(), PlotFrame.column(2), PlotFrame.row(4), 6));
}

// --- Inequalities --------------------------------------------------------------------

struct SolvedCase {
    const char* name;
    InteractionMode mode;
    const char* f;
    const char* right;  // a, or g's formula for the modes 9..12
    long double bound;
    bool solvedOnTheLeft;
    bool ticksRight;
};

class SolvedOnTheAxis : public PropertyWindows, public ::testing::WithParamInterface<SolvedCase> {};

TEST_P(SolvedOnTheAxis, SweepMarksTheSolutionAndOneBracket) {
    const SolvedCase& c = GetParam();
    const bool againstNumber = c.mode <= InteractionMode::AtLeastConstant;
    CurveSlot[2].formula = againstNumber ? "" : c.right;
    showFunction(c.f);
    Tineqa numberWindow;
    Tineqf functionsWindow;
    ineqa = &numberWindow;
    ineqf = &functionsWindow;
    registerPropertyModes();
    numberWindow.Edita->setText(c.right);
    PlotMode = c.mode;
    sweep(*graph_);

    const int axis = PlotFrame.originy, bound = PlotFrame.column(c.bound);
    const int left = bound - 100, right = bound + 100;
    EXPECT_EQ(redNear(backBuffer(), left, axis, 2), c.solvedOnTheLeft);
    EXPECT_EQ(redNear(backBuffer(), right, axis, 2), !c.solvedOnTheLeft);
    // One bracket, its stroke across the axis and its ticks at both ends.
    int strokes = 0;
    for (int column = 0; column < graph_->graphWidth(); ++column) strokes += isRed(backBuffer(), column, axis - 15);
    EXPECT_GT(strokes, 0);
    EXPECT_LE(strokes, 3);
    EXPECT_TRUE(redNear(backBuffer(), bound, axis - 15));
    const int tick = c.ticksRight ? 6 : -6;
    for (const int end : {axis - 20, axis + 19}) {
        EXPECT_TRUE(redNear(backBuffer(), bound + tick, end)) << end;
        EXPECT_FALSE(redNear(backBuffer(), bound - tick, end)) << end;
    }
    EXPECT_EQ(shownPicture(), backBuffer());
    if (againstNumber) {
        EXPECT_EQ(numberWindow.Edita->fontColour(), clBlack);
    }
}

INSTANTIATE_TEST_SUITE_P(
    , SolvedOnTheAxis,
    ::testing::Values(SolvedCase{"BelowZero", InteractionMode::BelowConstant, "x", "0", 0, true, true},
                      SolvedCase{"AtMostTwo", InteractionMode::AtMostConstant, "x", "2", 2, true, false},
                      SolvedCase{"AboveMinusThree", InteractionMode::AboveConstant, "x", "-3", -3, false, false},
                      SolvedCase{"AtLeastPiOverTwo", InteractionMode::AtLeastConstant, "x", "pi/2", 1.5707963L,
                                 false, true},
                      SolvedCase{"BelowAnotherFunction", InteractionMode::BelowFunction, "x", "2-x", 1, true, true},
                      SolvedCase{"AboveAnotherFunction", InteractionMode::AboveFunction, "x", "2-x", 1, false,
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PropertyWindows, NoMarkWithoutANumberOrWhereTheFunctionIsUndefined) {
    showFunction("sqrt(x)");
    Tineqa window;
    ineqa = &window;
    registerPropertyModes();
    PlotMode = InteractionMode::BelowConstant;
    window.Edita->setText("abc");
    sweep(*graph_);
    EXPECT_FALSE(redNear(backBuffer(), PlotFrame.column(1), PlotFrame.originy, 2));
    window.Edita->setText("2");
    sweep(*graph_);
    EXPECT_TRUE(redNear(backBuffer(), PlotFrame.column(1), PlotFrame.originy, 2));
    EXPECT_FALSE(redNear(backBuffer(), PlotFrame.column(-1), PlotFrame.originy, 2));
}

struct NumberWindowCase {
    const char* name;
    const char* typed;
    int relation;  // 1..4: the button clicked; 0: Enter in the field
    InteractionMode mode;
    TColor field;
};

class NumberWindow : public PropertyWindows, public ::testing::WithParamInterface<NumberWindowCase> {};

TEST_P(NumberWindow, EnterOrARelationChoosesTheModeOfAValidNumber) {
    const NumberWindowCase& c = GetParam();
    Tineqa window;
    window.show();
    graph_->setStatusText("ancien");
    QRadioButton* buttons[] = {window.RadioButton1, window.RadioButton2, window.RadioButton3, window.RadioButton4};
    if (c.relation == 0) {
        enter(window.Edita, c.typed);
    } else {
        window.Edita->setText(c.typed);
        click(buttons[c.relation - 1]);
    }
    EXPECT_EQ(PlotMode, c.mode);
    EXPECT_EQ(window.Edita->fontColour(), c.field);
    const bool chosen = c.mode != InteractionMode::Neutral;
    EXPECT_EQ(graph_->statusText(),
              chosen ? QString::fromUtf8("Déplacez la souris :  la solution apparaitra.") : QString("ancien"));
}

INSTANTIATE_TEST_SUITE_P(
    , NumberWindow,
    ::testing::Values(NumberWindowCase{"EnterKeepsLessThan", "1", 0, InteractionMode::BelowConstant, clBlack},
                      NumberWindowCase{"Greater", "pi/2", 2, InteractionMode::AboveConstant, clBlack},
                      NumberWindowCase{"AtMost", "-3", 3, InteractionMode::AtMostConstant, clBlack},
                      NumberWindowCase{"AtLeast", "2v(2)", 4, InteractionMode::AtLeastConstant, clBlack},
                      NumberWindowCase{"NotANumber", "abc", 2, InteractionMode::Neutral, clRed},
                      NumberWindowCase{"Empty", "", 0, InteractionMode::Neutral, clRed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PropertyWindows, FunctionsWindowChoosesBothFunctionsAndTheRelation) {
    Tchoixf choice;
    choixf = &choice;
    Tineqf window;
    EXPECT_EQ(PlotMode, InteractionMode::BelowFunction);
    PlotMode = InteractionMode::Neutral;
    window.show();
    EXPECT_EQ(PlotMode, InteractionMode::BelowFunction);
    EXPECT_EQ(SelectedSlot, 1);
    EXPECT_EQ(SecondSlot, 2);
    click(window.RadioButton7);
    click(window.RadioButton10);
    click(window.RadioButton4);
    EXPECT_EQ(SelectedSlot, 2);
    EXPECT_EQ(SecondSlot, 1);
    EXPECT_EQ(PlotMode, InteractionMode::AtLeastFunction);
    EXPECT_TRUE(choice.RadioButton2->isChecked());
    window.stop()->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(PlotMode, InteractionMode::AtLeastFunction);
}

// --- Through the whole program -------------------------------------------------------

QString screenshotPath(const char* name) {
    QString folder = qEnvironmentVariable("LUMOVA_SCREENSHOT_DIR");
    if (folder.isEmpty()) folder = LUMOVA_SCREENSHOT_DEFAULT_DIR;
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}

void enterFunction(const char* text) {
    foncZone->Editf->setText(QString::fromUtf8(text));
    foncZone->keypress(*foncZone->Editf);
}

TEST(PropertyLesson, PeriodParityAndAnInequalityAt1280) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1280, 1024);
    ASSERT_NE(main, nullptr);

    optionzone->deplace->setValue(3);
    enterFunction("cos(x)");
    main->menuItem("Priode1")->trigger();
    ASSERT_TRUE(perizone->isVisible());
    EXPECT_TRUE(choixf->isVisible());
    click(perizone->BitBtn1);
    EXPECT_EQ(perizone->result->text(), "    T=2pi");
    EXPECT_TRUE(main->grab().toImage().save(screenshotPath("periode_cos_1280x1024.png")));
    // Escape, wherever it is typed, ends the demonstration at its next step.
    QCoreApplication::postEvent(main, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    click(perizone->BitBtn1);
    const long double period = *findPeriod("cos(x)", PlotFrame);
    EXPECT_TRUE(circledAt(grafzone->WindowPicture, PlotFrame.column(PlotFrame.xmin + period),
                          PlotFrame.row(cosl(PlotFrame.xmin))));
    EXPECT_TRUE(main->grab().toImage().save(screenshotPath("periode_cos_echap_1280x1024.png")));
    perizone->hide();

    enterFunction("x²");
    main->menuItem("Parit1")->trigger();
    ASSERT_TRUE(parite->isVisible());
    click(parite->BitBtn1);
    EXPECT_EQ(parite->result->text(), "     f SEMBLE paire.");
    parite->hide();

    main->menuItem("Dutypefxa1")->trigger();
    ASSERT_TRUE(ineqa->isVisible());
    EXPECT_EQ(ModeCursor, crSizeWE);
    enter(ineqa->Edita, "1");
    ASSERT_EQ(PlotMode, InteractionMode::BelowConstant);
    for (int column = 0; column < grafzone->graphWidth(); column += 1)
        QTest::mouseMove(grafzone->surface(), QPoint(column, 300));
    const QImage& marked = grafzone->WindowPicture;
    const int axis = PlotFrame.originy;
    EXPECT_TRUE(redNear(marked, PlotFrame.column(0.5L), axis, 2));
    EXPECT_FALSE(redNear(marked, PlotFrame.column(1.5L), axis, 2));
    EXPECT_FALSE(redNear(marked, PlotFrame.column(-1.5L), axis, 2));
    EXPECT_TRUE(redNear(marked, PlotFrame.column(-1) - 6, axis - 20));
    EXPECT_TRUE(redNear(marked, PlotFrame.column(1) + 6, axis - 20));
    EXPECT_TRUE(main->grab().toImage().save(screenshotPath("inequation_x2_inferieur_1_1280x1024.png")));

    main->menuItem("Variaion1")->trigger();
    EXPECT_TRUE(varzone->isVisible());
    EXPECT_FALSE(ineqa->isVisible());
    graphMouseDown(*grafzone, MouseButtonKind::Left, PlotFrame.column(1), 300);
    graphMouseMove(*grafzone, PlotFrame.column(1.5L), 300);
    EXPECT_TRUE(varzone->Image1->isVisible());
    EXPECT_TRUE(main->grab().toImage().save(screenshotPath("variations_x2_1280x1024.png")));
    graphMouseUp(*grafzone);
    choixf->stop()->click();
    EXPECT_FALSE(varzone->isVisible());
    EXPECT_EQ(PlotMode, InteractionMode::Neutral);
}

}  // namespace

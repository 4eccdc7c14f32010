// The derivative windows driven through their widgets over a real graph
// window, their marks checked pixel by pixel, and the main use through the
// whole program.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "app/tformparent.h"
#include "model/plot_state.h"
#include "plane/tfonczone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tests/support/graph_window_fixture.h"
#include "tests/support/points.h"
#include "tests/support/program_fixture.h"
#include "tests/support/screenshots.h"
#include "tools/tderivzone.h"
#include "tools/tdrnormale.h"
#include "tools/textremzone.h"
#include "tools/ttanzone.h"
#include "tools/ttaux.h"
#include "tools/ttauxpt.h"
#include "tools/values_solving.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// Some black pixel, the colour of text, in the 20 x 20 square from (x, y).
bool hasTextAt(const QImage& picture, int x, int y) {
    for (int row = y; row < y + 20; ++row)
        for (int column = x; column < x + 20; ++column)
            if (picture.valid(column, row) && picture.pixelColor(column, row) == QColor(Qt::black)) return true;
    return false;
}

void type(ColourEdit* edit, const char* text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

void enter(ColourEdit* edit, const char* text) {
    type(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QString cell(const QTableWidget* grid, int column, int row) { return cellText(*grid, column, row); }

using DerivativeWindows = GraphWindowFixture;

TEST_F(DerivativeWindows, DerivativesOfEachFunctionOnItsOwn) {
    CurveSlot[1].formula = "tan(x)";
    CurveSlot[2].formula = "x^2";
    CurveSlot[4].formula = "abs(x)";
    Tderivzone window;
    window.show();
    const QLabel* labels[] = {window.fprime, window.gprime, window.hprime, window.iprime};
    const char* shown[] = {"??", "2*x", "?", "sgn(x)"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(labels[i]->text(), shown[i]);

    CurveSlot[2].formula = "x^3";
    click(window.BitBtn1);
    const char* computed[] = {"??", "3*x^2", "", "sgn(x)"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(labels[i]->text(), computed[i]);
}

// --- Tangent and normal ------------------------------------------------------------

struct EquationWindowCase {
    const char* name;
    bool normal;
    const char* formula;
    int slotButton;  // 1..4
    const char* typed;
    const char* pattern;
    const char* result;
    TColor field;
};

class EquationWindows : public DerivativeWindows, public ::testing::WithParamInterface<EquationWindowCase> {};

TEST_P(EquationWindows, PatternOfTheChosenFunctionAndItsEquationAtA) {
    const EquationWindowCase& c = GetParam();
    CurveSlot[1].formula = c.formula;
    std::unique_ptr<PointEquationWindow> window;
    if (c.normal) window.reset(new Tdrnormale);
    else window.reset(new Ttanzone);
    window->show();
    QRadioButton* buttons[] = {window->RadioButton1, window->RadioButton2, window->RadioButton3,
                               window->RadioButton4};
    click(buttons[c.slotButton - 1]);
    EXPECT_EQ(window->Eq->text(), c.pattern);
    enter(window->Edita, c.typed);
    EXPECT_EQ(window->result->text(), c.result);
    EXPECT_EQ(window->Edita->fontColour(), c.field);
}

INSTANTIATE_TEST_SUITE_P(
    , EquationWindows,
    ::testing::Values(
        EquationWindowCase{"TangentToSquareAtOne", false, "x^2", 1, "1", "y=f'(a)(x-a)+f(a)", "y=2x+-1", clBlack},
        EquationWindowCase{"TangentToAnEmptyFunction", false, "x^2", 3, "1", "y=h'(a)(x-a)+h(a)", "??", clBlack},
        EquationWindowCase{"TangentAtAWrongNumber", false, "x^2", 1, "1,5", "y=f'(a)(x-a)+f(a)", "??", clRed},
        EquationWindowCase{"NormalToSquareAtZero", true, "x^2", 1, "0", "y=-1/f'(a)(x-a)+f(a)", "x=0", clBlack},
        EquationWindowCase{"NormalToAnEmptyFunction", true, "x^2", 4, "1", "y=-1/i'(a)(x-a)+i(a)", "??", clBlack},
        EquationWindowCase{"NormalAtAWrongNumber", true, "x^2", 1, "abc", "y=-1/f'(a)(x-a)+f(a)", "??", clRed}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Rate between two abscissas ----------------------------------------------------

TEST_F(DerivativeWindows, RateIsShownAndReadAlongARightAngleUnlessAEqualsB) {
    showFunction("x^2");
    Ttaux window;
    window.show();
    window.edita->setText("1");
    window.Editb->setText("2");
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "=3");

    // (1, 1) across to (2, 1), then up to (2, 4), with a 4-pixel pen.
    const int left = PlotFrame.column(1), right = PlotFrame.column(2);
    const int low = PlotFrame.row(1), high = PlotFrame.row(4);
    for (const int offset : {-1, 1}) {
        EXPECT_TRUE(isRed(backBuffer(), (left + right) / 2, low + offset));
        EXPECT_TRUE(isRed(backBuffer(), right + offset, (low + high) / 2));
    }
    EXPECT_FALSE(isRed(backBuffer(), left - 5, low));
    EXPECT_FALSE(isRed(backBuffer(), right + 5, (low + high) / 2));
    EXPECT_TRUE(hasTextAt(backBuffer(), PlotFrame.column(1.5L), low + 5));
    EXPECT_TRUE(hasTextAt(backBuffer(), right + 5, PlotFrame.row(2.5L)));
    EXPECT_TRUE(isRed(shownPicture(), right, (low + high) / 2));

    // Equal abscissas: nothing new, neither the result nor a mark.
    window.Editb->setText("1");
    const QImage before = backBuffer();
    window.BitBtn1Click();
    EXPECT_EQ(window.result->text(), "=3");
    EXPECT_EQ(backBuffer(), before);
}

// --- Rate between two points ---------------------------------------------------------

TEST_F(DerivativeWindows, RateBetweenPointsIsDrawnOverThePictureOnly) {
    showFunction("x");
    addPoint(PointKind::Free, 1, 1);
    addPoint(PointKind::Fixed, 3, 5);
    Ttauxpt window;
    window.show();
    click(window.go);
    EXPECT_EQ(window.result->text(), "=2");
    EXPECT_EQ(window.p1->fontColour(), clBlack);

    const int corner = PlotFrame.column(3), middle = PlotFrame.row(3);
    EXPECT_TRUE(isRed(shownPicture(), corner + 1, middle));
    EXPECT_TRUE(isRed(shownPicture(), PlotFrame.column(2), PlotFrame.row(1) + 1));
    EXPECT_FALSE(isRed(backBuffer(), corner + 1, middle));
    graph_->construit();
    EXPECT_FALSE(isRed(shownPicture(), corner + 1, middle));
}

struct PointNamesCase {
    const char* name;
    const char* first;
    const char* second;
    const char* result;
    TColor firstColour, secondColour;
};

class PointNames : public DerivativeWindows, public ::testing::WithParamInterface<PointNamesCase> {};

TEST_P(PointNames, OnlyTwoDifferentPointsInUseGiveARate) {
    const PointNamesCase& c = GetParam();
    addPoint(PointKind::Free, 2, 4);
    addPoint(PointKind::Free, 2, 7);
    Ttauxpt window;
    type(window.p1, c.first);
    type(window.p2, c.second);
    window.goClick();
    EXPECT_EQ(window.result->text(), c.result);
    EXPECT_EQ(window.p1->fontColour(), c.firstColour);
    EXPECT_EQ(window.p2->fontColour(), c.secondColour);
}

INSTANTIATE_TEST_SUITE_P(, PointNames,
                         ::testing::Values(PointNamesCase{"FromTheOrigin", "O", "A", "=2", clBlack, clBlack},
                                           PointNamesCase{"SameVertical", "A", "B", "=", clBlack, clBlack},
                                           PointNamesCase{"PointNotBuilt", "A", "C", "=", clBlue, clRed},
                                           PointNamesCase{"NoName", "", "A", "=", clRed, clBlue}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Extremums ---------------------------------------------------------------------

TEST_F(DerivativeWindows, ExtremumsAreListedPerFunctionAndMarkedByDoubleArrows) {
    CurveSlot[2].formula = "x^2-2*x";
    CurveSlot[3].formula = "abs(x)";
    showFunction("x^3-3*x");
    Textremzone window;
    window.show();
    click(window.BitBtn1);
    EXPECT_EQ(cell(window.result, 0, 2), "-2 est atteint en 1");
    EXPECT_EQ(cell(window.result, 1, 0), "g");
    EXPECT_EQ(cell(window.result, 1, 1), "-1 est atteint en 1");
    EXPECT_EQ(cell(window.result, 2, 1), "");

    // Shafts 0.8 either side; nothing beyond them.
    for (const PlotPoint extremum : {PlotPoint{-1, 2}, PlotPoint{1, -2}, PlotPoint{1, -1}}) {
        const int row = PlotFrame.row(extremum.y);
        EXPECT_TRUE(isRed(backBuffer(), PlotFrame.column(extremum.x - 0.6L), row));
        EXPECT_TRUE(isRed(backBuffer(), PlotFrame.column(extremum.x + 0.6L), row));
        EXPECT_FALSE(isRed(backBuffer(), PlotFrame.column(extremum.x + 1.2L), row));
    }

    CurveSlot[1].formula = "x^2";
    window.BitBtn1Click();
    EXPECT_EQ(cell(window.result, 0, 1), "0 est atteint en 0");
    EXPECT_EQ(cell(window.result, 0, 2), "");
}

// --- Through the whole program ---------------------------------------------------------

TEST(DerivativeLesson, TangentAndExtremumsOfACubicAt1280) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1280, 1024);
    ASSERT_NE(main, nullptr);
    enter(foncZone->Editf, "x^3-3x");
    ASSERT_EQ(CurveSlot[1].formula, "x^3-3*x");

    main->menuItem("Drivation2")->trigger();
    ASSERT_TRUE(derivzone->isVisible());
    EXPECT_EQ(derivzone->fprime->text(), "3*x^2-3");
    // Chosen again while still open: the derivative of g, typed meanwhile.
    EXPECT_EQ(derivzone->gprime->text(), "?");
    enter(foncZone->Editg, "x^2");
    main->menuItem("Drivation2")->trigger();
    EXPECT_EQ(derivzone->gprime->text(), "2*x");
    derivzone->hide();

    main->menuItem("Drivation1")->trigger();
    ASSERT_TRUE(tanzone->isVisible());
    enter(tanzone->Edita, "1");
    EXPECT_EQ(tanzone->result->text(), "y=0x+-2");

    main->menuItem("Extremum1")->trigger();
    ASSERT_TRUE(extremzone->isVisible());
    click(extremzone->BitBtn1);
    EXPECT_EQ(cell(extremzone->result, 0, 1), "2 est atteint en -1");
    EXPECT_EQ(cell(extremzone->result, 0, 2), "-2 est atteint en 1");
    EXPECT_TRUE(isRed(grafzone->WindowPicture, PlotFrame.column(-0.6L), PlotFrame.row(2)));

    // Both windows in the column under the frame window, the extremums over the tangent.
    EXPECT_EQ(extremzone->pos(), tanzone->pos());
    extremzone->move(extremzone->x(), tanzone->geometry().bottom() + 5);
    const QImage picture = main->grab().toImage();
    EXPECT_TRUE(picture.save(screenshotPath("tangente_extremums_1280x1024.png")));
}

}  // namespace

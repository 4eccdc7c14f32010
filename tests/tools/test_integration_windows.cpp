// The integration and length windows driven through their widgets over a real
// graph window, their rectangles and hatching checked pixel by pixel, and the
// main use through the whole program.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "app/tformparent.h"
#include "model/plot_state.h"
#include "plane/tfonczone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "tests/support/graph_window_fixture.h"
#include "tests/support/points.h"
#include "tests/support/program_fixture.h"
#include "tests/support/screenshots.h"
#include "tools/integration.h"
#include "tools/tairezone.h"
#include "tools/tintzone.h"
#include "tools/tlongarc.h"
#include "tools/tlongseg.h"
#include "tools/ttauxpt.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

bool hasColour(const QImage& picture, int x, int y, Qt::GlobalColor colour) {
    return picture.valid(x, y) && picture.pixelColor(x, y) == QColor(colour);
}

void enter(ColourEdit* edit, const char* text) {
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

using IntegrationWindows = GraphWindowFixture;

// --- Integral ---------------------------------------------------------------------

TEST_F(IntegrationWindows, IntegralOutlinesItsRectanglesJustUnderTheCurve) {
    showFunction("x^2");
    Tintzone window;
    window.show();
    window.pa->setText("0.1");
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "S(a,b)=0.285");

    // The rectangle of [0.9, 1]: its left side up from the axis, its top 2.3
    // pixels under f(0.9), where the blue curve stays whole.
    const int left = PlotFrame.column(0.9L), middle = PlotFrame.column(0.95L);
    const int top = PlotFrame.row(0.81L - 2.3L * PlotFrame.pixely);
    for (const QImage* picture : {&backBuffer(), &shownPicture()}) {
        EXPECT_TRUE(hasColour(*picture, left, PlotFrame.row(0.4L), Qt::lightGray));
        EXPECT_TRUE(hasColour(*picture, middle, top, Qt::lightGray));
        EXPECT_TRUE(hasColour(*picture, left + 1, PlotFrame.row(0.81L), Qt::blue));
    }
    // Nothing right of b.
    EXPECT_FALSE(hasColour(backBuffer(), PlotFrame.column(1.05L), PlotFrame.row(0.4L), Qt::lightGray));
}

struct StepFieldCase {
    const char* name;
    const char* typed;
    const char* shown;
    const char* result;
};

class IntegralStepField : public IntegrationWindows, public ::testing::WithParamInterface<StepFieldCase> {};

TEST_P(IntegralStepField, UnusableStepsBecomeATenthInTheField) {
    const StepFieldCase& c = GetParam();
    showFunction("1");
    Tintzone window;
    enter(window.pa, c.typed);
    EXPECT_EQ(window.pa->text(), c.shown);
    EXPECT_EQ(window.pa->fontColour(), clBlack);
    EXPECT_EQ(window.result->text(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    , IntegralStepField,
    ::testing::Values(StepFieldCase{"HalfSumsTwoTerms", "0.5", "0.5", "S(a,b)=1"},
                      StepFieldCase{"Unreadable", "pas", "0.1", "S(a,b)=1"},
                      StepFieldCase{"Zero", "0", "0.1", "S(a,b)=1"},
                      StepFieldCase{"Negative", "-1", "0.1", "S(a,b)=1"},
                      StepFieldCase{"OverTenMillionTerms", "1e-9", "0.1", "S(a,b)=1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IntegrationWindows, IntegralOfAnEmptyFunctionDoesNothing) {
    Tintzone window;
    click(window.RadioButton3);
    window.edita->setText("x");
    window.BitBtn1Click();
    EXPECT_EQ(window.result->text(), "S(a,b)=");
    EXPECT_EQ(window.edita->text(), "x");
}

// --- What the three interval windows share ----------------------------------------------

struct IntervalCase {
    const char* name;
    std::function<IntervalWindow*()> make;
    const char* result;
};

class IntervalWindows : public IntegrationWindows, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(IntervalWindows, ReversedBoundsAreExchangedWithTheirFields) {
    CurveSlot[1].formula = "x";
    CurveSlot[2].formula = "2*x";
    graph_->repaintGraph();
    std::unique_ptr<IntervalWindow> window(GetParam().make());
    // A step whose sums fall on exact binary fractions.
    if (auto* integral = dynamic_cast<Tintzone*>(window.get())) integral->pa->setText("0.25");
    window->edita->setText("2");
    enter(window->Editb, "1");
    EXPECT_EQ(window->edita->text(), "1");
    EXPECT_EQ(window->Editb->text(), "2");
    EXPECT_EQ(window->edita->fontColour(), clBlack);
    EXPECT_EQ(window->Editb->fontColour(), clBlack);
    EXPECT_EQ(window->result->text(), GetParam().result);

    window->edita->setText("?");
    window->BitBtn1Click();
    EXPECT_EQ(window->edita->text(), "0");
}

INSTANTIATE_TEST_SUITE_P(
    , IntervalWindows,
    ::testing::Values(IntervalCase{"Integral", [] { return new Tintzone; }, "S(a,b)=1.375"},
                      IntervalCase{"Area", [] { return new Tairezone; }, "A(a,b)=1.4994"},
                      IntervalCase{"Arc", [] { return new Tlongarc; }, "L(a,b)=1.4142"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Area ---------------------------------------------------------------------------

TEST_F(IntegrationWindows, AreaIsHatchedOverThePictureOnlyBetweenItsBounds) {
    CurveSlot[2].formula = "x";
    showFunction("x^2");
    Tairezone window;
    window.show();
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "A(a,b)=0.1667");

    const int column = PlotFrame.column(0.5L), between = PlotFrame.row(0.375L);
    EXPECT_TRUE(hasColour(shownPicture(), column, between, Qt::lightGray));
    EXPECT_FALSE(hasColour(backBuffer(), column, between, Qt::lightGray));
    EXPECT_FALSE(hasColour(shownPicture(), PlotFrame.column(1.5L), PlotFrame.row(1.875L), Qt::lightGray));
    // The hatches stop short of both curves, which stay whole.
    EXPECT_TRUE(hasColour(shownPicture(), column, PlotFrame.row(0.25L), Qt::blue));
    EXPECT_TRUE(hasColour(shownPicture(), column, PlotFrame.row(0.5L), Qt::green));

    graph_->construit();
    EXPECT_FALSE(hasColour(shownPicture(), column, between, Qt::lightGray));
}

// Up to 10^9 the sum steps over many columns at a time; what shows of the area
// is hatched all the same.
TEST_F(IntegrationWindows, AreaOfALongIntervalIsHatchedOnEveryColumnShown) {
    CurveSlot[2].formula = "0";
    showFunction("1");
    Tairezone window;
    window.show();
    window.edita->setText("0");
    window.Editb->setText("10^9");
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "A(a,b)=1000000000");
    for (const long double x : {0.3L, 2.7L, 9.5L})
        EXPECT_TRUE(hasColour(shownPicture(), PlotFrame.column(x), PlotFrame.row(0.5L), Qt::lightGray)) << double(x);
}

TEST_F(IntegrationWindows, AreaNeedsBothFunctions) {
    showFunction("x^2");
    Tairezone window;
    click(window.BitBtn1);
    EXPECT_EQ(window.result->text(), "A(a,b)=");
}

// --- Arc ------------------------------------------------------------------------------

TEST_F(IntegrationWindows, ArcOfAnEmptyOrUnderivableFunctionIsAnError) {
    CurveSlot[2].formula = "abs(x)";
    Tlongarc window;
    window.BitBtn1Click();
    EXPECT_EQ(window.result->text(), "L(a,b)=erreur");
    window.result->setText("");
    click(window.RadioButton2);
    window.BitBtn1Click();
    EXPECT_EQ(window.result->text(), "L(a,b)=erreur");
}

// --- Segment --------------------------------------------------------------------------

struct SegmentCase {
    const char* name;
    const char* typed;
    const char* shown;
    TColor field;
};

class SegmentNames : public IntegrationWindows, public ::testing::WithParamInterface<SegmentCase> {};

TEST_P(SegmentNames, OnlyTwoDifferentPointsGiveALength) {
    const SegmentCase& c = GetParam();
    addPoint(PointKind::Free, 1, 1);
    addPoint(PointKind::Fixed, 4, 5);
    Tlongseg window;
    window.Editnom->clear();
    QTest::keyClicks(window.Editnom, c.typed);
    QTest::keyClick(window.Editnom, Qt::Key_Return);
    EXPECT_EQ(window.afflong->text(), c.shown);
    EXPECT_EQ(window.Editnom->fontColour(), c.field);
}

INSTANTIATE_TEST_SUITE_P(, SegmentNames,
                         ::testing::Values(SegmentCase{"TwoPoints", "ab", "l=5", clBlack},
                                           SegmentCase{"ToTheOrigin", "AO", "l=1.41", clBlack},
                                           SegmentCase{"SamePoint", "AA", "=", clBlue},
                                           SegmentCase{"PointNotBuilt", "AC", "=", clBlue},
                                           SegmentCase{"OneLetter", "B", "=", clBlue}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Through the whole program ---------------------------------------------------------

TEST(IntegrationLesson, IntegralAreaAndArcOfTheParabolaAt1280) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1280, 1024);
    ASSERT_NE(main, nullptr);
    enter(foncZone->Editf, "x²");
    enter(foncZone->Editg, "x");
    ASSERT_EQ(CurveSlot[1].formula, "x^2");
    // Closer to [0, 1], where everything happens.
    enter(reperezone->Editxmin, "-0.5");
    enter(reperezone->Editxmax, "1.5");
    enter(reperezone->Editymin, "-0.3");
    enter(reperezone->Editymax, "1.5");

    main->menuItem("Longeurdelacourbe1")->trigger();
    ASSERT_TRUE(longarc->isVisible());
    click(longarc->BitBtn1);
    EXPECT_EQ(longarc->result->text(), "L(a,b)=1.4789");

    main->menuItem("Intgrationnumrique1")->trigger();
    ASSERT_TRUE(intzone->isVisible());
    EXPECT_EQ(main->focusWidget(), intzone->edita);
    enter(intzone->pa, "0.1");
    EXPECT_EQ(intzone->result->text(), "S(a,b)=0.285");
    const QImage& picture = grafzone->WindowPicture;
    EXPECT_TRUE(hasColour(picture, PlotFrame.column(0.5L), PlotFrame.row(0.1L), Qt::lightGray));

    // The windows share their place in the column: set them one under the other.
    longarc->move(longarc->x(), intzone->geometry().bottom() + 5);
    EXPECT_TRUE(main->grab().toImage().save(screenshotPath("integrale_1280x1024.png")));

    main->menuItem("Aireenrtedeuxcourbes1")->trigger();
    ASSERT_TRUE(airezone->isVisible());
    EXPECT_EQ(main->focusWidget(), airezone->edita);
    click(airezone->BitBtn1);
    EXPECT_EQ(airezone->result->text(), "A(a,b)=0.1667");
    EXPECT_TRUE(hasColour(picture, PlotFrame.column(0.5L), PlotFrame.row(0.375L), Qt::lightGray));
    EXPECT_FALSE(hasColour(picture, PlotFrame.column(0.5L), PlotFrame.row(0.1L), Qt::lightGray));
    intzone->hide();
    longarc->hide();
    EXPECT_TRUE(main->grab().toImage().save(screenshotPath("aire_1280x1024.png")));

    // The length of [AB] and the rate between A and B follow B as it is dragged.
    addPoint(PointKind::Free, 0, 0.5L);
    const int b = addPoint(PointKind::Free, 1, 0.5L);
    grafzone->construit();
    main->menuItem("Entredeuxpoints1")->trigger();
    click(tauxpt->go);
    EXPECT_EQ(tauxpt->result->text(), "=0");
    main->menuItem("Longueurdunsegment1")->trigger();
    ASSERT_TRUE(longseg->isVisible());
    enter(longseg->Editnom, "AB");
    EXPECT_EQ(longseg->afflong->text(), "l=1");
    longseg->Editnom->paintRed();
    drag(grafzone->surface(), {PlotFrame.column(1), PlotFrame.row(0.5L)},
         {PlotFrame.column(1), PlotFrame.row(1.25L)});
    ASSERT_GT(PointTable[b].y, 1.2L);
    EXPECT_EQ(longseg->afflong->text().toStdString(),
              segmentLengthText({0, 0.5L}, {PointTable[b].x, PointTable[b].y}));
    EXPECT_EQ(longseg->Editnom->fontColour(), clBlack);
    EXPECT_NE(tauxpt->result->text(), "=0");
}

}  // namespace

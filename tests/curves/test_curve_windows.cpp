// The windows of the other plane curves inside the whole program: reached from
// the menus, used as in a lesson, and their pictures saved for the 1280 layout.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <cmath>

#include "app/tformparent.h"
#include "constructions/tsupprimer.h"
#include "expression/matutil.h"
#include "curves/tanimzone.h"
#include "curves/tcartzone.h"
#include "curves/tarcpara.h"
#include "curves/tarcpolaire.h"
#include "curves/tderivepolaire.h"
#include "curves/tderivpara.h"
#include "curves/tfoncpara.h"
#include "curves/tpointpolaire.h"
#include "curves/tpolairerepere.h"
#include "curves/tpolairetan.h"
#include "curves/tpolairezone.h"
#include "curves/tsuitezone.h"
#include "curves/ttanpara.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/tkval.h"
#include "plane/toptionzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "tests/support/program_fixture.h"
#include "tests/support/screenshots.h"

namespace {

// A frame that shows the curves of the lesson large: [-2.5, 2.5] wide, as high
// as the 1280 layout's graph keeps it orthonormal.
void zoomOnTheOrigin() {
    PlotFrame.xmin = -2.5L;
    PlotFrame.xmax = 2.5L;
    PlotFrame.ymin = -2.35L;
    PlotFrame.ymax = 2.35L;
    reperezone->showBounds();
    grafzone->repaintGraph();
}

// The number after "L(a,b)=", or NaN.
double lengthShown(const QLabel& result) {
    const QString text = result.text();
    return text.startsWith("L(a,b)=") ? text.mid(7).toDouble() : std::nan("");
}

void typeText(QWidget& edit, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void typeAndEnter(ColourEdit& edit, const char* text) {
    edit.clear();
    typeText(edit, QString::fromUtf8(text));
    QTest::keyClick(&edit, Qt::Key_Return);
}

// Near the left edge: a radio button only reacts on its box and caption.
void clickRadio(QRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Whether the picture holds that colour within `reach` pixels of the point.
bool colourNear(TColor colour, long double x, long double y, int reach) {
    const int column = PlotFrame.column(x), row = PlotFrame.row(y);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (fromQColor(grafzone->WindowPicture.pixelColor(column + dx, row + dy)) == colour) return true;
    return false;
}

bool redAt(long double x, long double y) {
    return grafzone->WindowPicture.pixelColor(PlotFrame.column(x), PlotFrame.row(y)) == QColor(Qt::red);
}

class CurveWindows : public testing::Test {
protected:
    void SetUp() override {
        main = program.startFunctionOfX(1280, 1024);
        ASSERT_NE(main, nullptr);
    }
    void saveScreen(const char* name) {
        const QImage picture = main->grab().toImage();
        EXPECT_TRUE(picture.save(screenshotPath(name)));
    }
    ProgramFixture program;
    TFormparent* main = nullptr;
};

TEST_F(CurveWindows, TheStaircaseOfARecurrentSequenceLastsUntilItIsDeleted) {
    typeAndEnter(*foncZone->Editf, "0.5x+1");
    main->menuItem("Construireunesuite1")->trigger();
    ASSERT_TRUE(suitezone->isVisible());
    EXPECT_FALSE(suitezone->uo->isVisible());

    clickRadio(suitezone->RadioButton7);
    ASSERT_TRUE(suitezone->uo->isVisible());
    typeAndEnter(*suitezone->uo, "0");
    QTest::mouseClick(suitezone->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(SequenceState, 2);
    EXPECT_EQ(suitezone->uo->fontColour(), clBlack);
    EXPECT_TRUE(redAt(0, 0.5));
    EXPECT_TRUE(redAt(1.5, 0.75));
    saveScreen("suite_escalier_1280.png");

    grafzone->repaintGraph();
    EXPECT_TRUE(redAt(1.5, 0.75)) << "construit draws the sequence again";

    typeAndEnter(*suitezone->terme, "-2");
    QTest::mouseClick(suitezone->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(suitezone->terme->fontColour(), clRed);
    EXPECT_FALSE(redAt(1.5, 0.75));
    EXPECT_TRUE(redAt(3, 3)) << "the line y = x stays";

    typeAndEnter(*suitezone->terme, "4");
    clickRadio(suitezone->RadioButton6);
    EXPECT_EQ(SequenceState, 1);
    EXPECT_TRUE(redAt(0.5, 1.5)) << "U1 = 1.5 joined to the y axis";
    EXPECT_FALSE(redAt(3, 3)) << "the staircase was erased";

    main->menuItem("Dtruire1")->trigger();
    QTest::mouseClick(supprimer->bsuite, Qt::LeftButton);
    EXPECT_EQ(SequenceState, 0);
    EXPECT_FALSE(redAt(0.5, 1.5));
}

struct RangeCase {
    const char* name;
    const char* first;
    const char* last;
    const char* step;
    const char* stepShown;   // the step field after the run
    const char* lastLabel;   // the window "k" after the run
};

class AnimationRange : public CurveWindows, public testing::WithParamInterface<RangeCase> {};

TEST_P(AnimationRange, RunsFromTheFirstToTheLastValueOfK) {
    const RangeCase& c = GetParam();
    main->menuItem("Animation1")->trigger();
    typeAndEnter(*animzone->Editf, "kx²");
    for (const auto& [edit, text] : {std::pair{animzone->editymin, c.first}, std::pair{animzone->editymax, c.last},
                                     std::pair{animzone->Editpas, c.step}})
        edit->setText(text);
    QTest::mouseClick(animzone->Go, Qt::LeftButton);
    EXPECT_EQ(animzone->Editpas->text(), c.stepShown);
    EXPECT_EQ(kval->valk->text(), c.lastLabel);
    EXPECT_EQ(animzone->Go->text(), "");
    bool blue = false;
    for (int y = 0; y < grafzone->WindowPicture.height() && !blue; ++y)
        for (int x = 0; x < grafzone->WindowPicture.width() && !blue; ++x)
            blue = fromQColor(grafzone->WindowPicture.pixelColor(x, y)) == clBlue;
    EXPECT_FALSE(blue) << "the last frame gives way to the static picture";
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, AnimationRange,
    testing::Values(RangeCase{"QuarterSteps", "-2", "2", "0.5", "0.5", "k=2.5"},
                    RangeCase{"DownwardsTheStepGetsItsSign", "5", "-5", "0.1", "-0.1", "k=-5.1"},
                    RangeCase{"AZeroStepIsATenth", "0", "0.25", "0", "0.1", "k=0.3"},
                    RangeCase{"WrongFieldsGetTheirDefaults", "a+", "b+", "c+", "0.1", "k=5.1"}),
    [](const testing::TestParamInfo<RangeCase>& info) { return info.param.name; });

TEST_F(CurveWindows, AnAnimationFrameShowsTheCurveOfItsK) {
    main->menuItem("Animation1")->trigger();
    ASSERT_TRUE(animzone->isVisible());
    ASSERT_TRUE(kval->isVisible());
    EXPECT_EQ(main->focusWidget(), animzone->Editf);
    typeAndEnter(*animzone->Editf, "kx²");
    EXPECT_EQ(animzone->Editf->fontColour(), clBlue);
    animzone->editymin->setText("-2");
    animzone->editymax->setText("2");
    animzone->Editpas->setText("0.5");
    // While a frame is on screen, the window "k" already shows the next value,
    // and the button's caption "!" has not pushed the help button aside.
    const int helpButtonX = animzone->IAeverButton1->x();
    long double frameK = 99;
    bool curveShown = false;
    int helpButtonXWhileRunning = -1;
    QTimer::singleShot(150, [&] {
        frameK = kval->valk->text().mid(2).toDouble() - 0.5L;
        curveShown = colourNear(clBlue, 1.5L, frameK * 2.25L, 2);
        helpButtonXWhileRunning = animzone->IAeverButton1->x();
        saveScreen("animation_image_1280.png");
    });
    animzone->GoClick();
    EXPECT_EQ(animzone->Editf->fontColour(), clBlack);
    EXPECT_EQ(kval->valk->text(), "k=2.5");
    EXPECT_LE(frameK, 2);
    EXPECT_TRUE(curveShown) << "k = " << double(frameK);
    EXPECT_EQ(helpButtonXWhileRunning, helpButtonX);
}

TEST_F(CurveWindows, EscapeEndsTheAnimationBetweenTwoFrames) {
    main->menuItem("Animation1")->trigger();
    typeAndEnter(*animzone->Editg, "x+k");
    // Where the keyboard is after typing g: in the animation window.
    QTimer::singleShot(200, [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
    animzone->GoClick();
    EXPECT_LT(kval->valk->text().mid(2).toDouble(), 0) << "stopped long before k=5.1";
    EXPECT_FALSE(AnimationRunning);
}

TEST_F(CurveWindows, WithNoFormulaTheButtonOnlyRepaints) {
    main->menuItem("Animation1")->trigger();
    animzone->GoClick();
    EXPECT_EQ(kval->valk->text(), "");
}

TEST_F(CurveWindows, ACircleFromItsEquation) {
    main->menuItem("Equationcartsienne1")->trigger();
    ASSERT_TRUE(CARTZONE->isVisible());
    EXPECT_EQ(main->focusWidget(), CARTZONE->Editf);
    optionzone->precis->setValue(3);
    typeAndEnter(*CARTZONE->Editf, "x²+y²=4");
    EXPECT_EQ(CARTZONE->Editf->fontColour(), clBlack);
    EXPECT_EQ(CurveSlot[1].formula, "x^2+y^2-(4)");
    for (const auto& [x, y] : {std::pair{2.0L, 0.0L}, {-2.0L, 0.0L}, {0.0L, 2.0L}, {0.0L, -2.0L}, {1.4142L, 1.4142L}})
        EXPECT_TRUE(colourNear(clBlue, x, y, 3)) << double(x) << "," << double(y);
    EXPECT_FALSE(colourNear(clBlue, 1, 1, 3));
    saveScreen("equation_cercle_1280.png");

    typeAndEnter(*CARTZONE->Editf, "x²+y²");
    EXPECT_EQ(CARTZONE->Editf->fontColour(), clRed);
    typeAndEnter(*CARTZONE->Editf, "x=y=1");
    EXPECT_EQ(CARTZONE->Editf->fontColour(), clRed);
    EXPECT_EQ(CurveSlot[1].formula, "x^2+y^2-(4)") << "a wrong equation keeps the curve";
}

TEST(EquationSides, OnlyTheFirstEqualsSignIsRewritten) {
    EXPECT_EQ(equationAsDifference("x^2+y^2=4"), "x^2+y^2-(4)");
    EXPECT_EQ(equationAsDifference("x=y=1"), "x-(y=1)");
    EXPECT_EQ(equationAsDifference("x+y"), std::nullopt);
}

TEST_F(CurveWindows, ALissajousCurveBrowsedWithTheSliderAndMeasured) {
    main->menuItem("paramtre1")->trigger();
    ASSERT_TRUE(foncpara->isVisible());
    EXPECT_EQ(GraphKind, GraphType::Parametric);
    EXPECT_EQ(main->focusWidget(), foncpara->Editf);
    optionzone->precis->setValue(3);
    zoomOnTheOrigin();
    typeAndEnter(*foncpara->Editf, "cos(3x)");
    typeAndEnter(*foncpara->Editg, "sin(2x)");
    EXPECT_EQ(foncpara->Editg->fontColour(), clBlack);
    EXPECT_EQ(CurveSlot[3].formula, "(-(sin(3*x)*3))") << "X' waits in slot h";
    for (const long double t : {0.3L, 1.2L, 2.5L, 5.0L})
        EXPECT_TRUE(colourNear(clBlue, cosl(3 * t), sinl(2 * t), 0)) << double(t);

    main->menuItem("Parcourir2")->trigger();
    ASSERT_TRUE(grafzone->t()->isVisible());
    grafzone->t()->setValue(25);
    const long double t = 2 * std::acos(-1.0L) * 25 / 100;
    EXPECT_EQ(grafzone->statusText(),
              QString::fromUtf8("Déplacer le curseur pour faire varier le paramétre.x=1.571"));
    EXPECT_TRUE(colourNear(clRed, cosl(3 * t) + 5 * PlotFrame.pixelx, sinl(2 * t), 1)) << "the circle round M";
    saveScreen("lissajous_curseur_1280.png");

    main->menuItem("angente2")->trigger();
    grafzone->t()->setValue(25);
    EXPECT_EQ(grafzone->statusText(), QString::fromUtf8("Déplacer le curseur pour faire varier le paramétre."
                                                        "Un vecteur directeur de la tangente est u(3;-2)"));

    main->menuItem("Longueurdelacourbe1")->trigger();
    ASSERT_TRUE(arcpara->isVisible());
    arcpara->edita->setText("2pi");
    arcpara->Editb->setText("0");
    QTest::mouseClick(arcpara->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(arcpara->edita->text(), "0") << "a reversed range is put in order";
    EXPECT_EQ(arcpara->Editb->text(), "2pi");
    // 15.2894 to within the last step, which may pass b.
    EXPECT_NEAR(lengthShown(*arcpara->result), 15.2894, 4 * PlotFrame.pixelx / 20);

    main->menuItem("Drivation3")->trigger();
    QTest::mouseClick(derivpara->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(derivpara->gprime->text(), "cos(2*x)*2");

    // A long derivative stays on one line inside the window, whole in its tooltip.
    const int width = derivpara->width();
    CurveSlot[1].formula = NormaliseFormula("sin(x)cos(x)/(1+sin(x)^2)");
    QTest::mouseClick(derivpara->BitBtn1, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_GT(derivpara->fprime->fontMetrics().horizontalAdvance(derivpara->fprime->text()), width);
    EXPECT_EQ(derivpara->fprime->toolTip(), derivpara->fprime->text());
    EXPECT_EQ(derivpara->width(), width);
}

struct ParametricTangentCase {
    const char* name;
    const char* x;
    const char* y;
    const char* t;
    TColor colour;
    int lines;
};

class ParametricTangent : public CurveWindows, public testing::WithParamInterface<ParametricTangentCase> {};

TEST_P(ParametricTangent, IsStoredOnlyWhereTheCurveHasADirection) {
    const ParametricTangentCase& c = GetParam();
    main->menuItem("paramtre1")->trigger();
    typeAndEnter(*foncpara->Editf, c.x);
    typeAndEnter(*foncpara->Editg, c.y);
    main->menuItem("racerunetangente2")->trigger();
    ASSERT_TRUE(tanpara->isVisible());
    typeAndEnter(*tanpara->Edita, c.t);
    EXPECT_EQ(tanpara->Edita->fontColour(), c.colour);
    EXPECT_EQ(LineCount, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    , ParametricTangent,
    testing::Values(ParametricTangentCase{"CircleAtZero", "cos(x)", "sin(x)", "0", clBlack, 1},
                    ParametricTangentCase{"CuspRefused", "x²", "x^3", "0", clRed, 0},
                    ParametricTangentCase{"WrongParameter", "cos(x)", "sin(x)", "a+", clRed, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CurveWindows, ACardioidOnItsPolarGridWithATangentAndAPoint) {
    main->menuItem("Polaire1")->trigger();
    ASSERT_TRUE(polairezone->isVisible());
    ASSERT_TRUE(polairerepere->isVisible());
    EXPECT_FALSE(reperezone->isVisible());
    EXPECT_EQ(main->focusWidget(), polairezone->R);
    EXPECT_EQ(polairerepere->ray->fontColour(), clBlack);
    zoomOnTheOrigin();
    polairerepere->cerc->setText("0.5");
    typeAndEnter(*polairezone->R, "1+cos(x)");
    EXPECT_EQ(CurveSlot[2].formula, "((-sin(x)))");
    for (const long double angle : {0.5L, 1.5L, 2.5L, 4.0L}) {
        const long double r = 1 + cosl(angle);
        EXPECT_TRUE(colourNear(clBlue, r * cosl(angle), r * sinl(angle), 0)) << double(angle);
    }
    EXPECT_TRUE(colourNear(clSilver, 1.5L * cosl(0.4L), 1.5L * sinl(0.4L), 1)) << "the circle of radius 1.5";

    main->menuItem("racerunetangente1")->trigger();
    typeAndEnter(*polairetan->angle, "pi/2");
    ASSERT_EQ(LineCount, 1);
    EXPECT_NEAR(double(LineTable[0].a), 1, 1e-12);
    EXPECT_NEAR(double(LineTable[0].d), 1, 1e-12);
    EXPECT_TRUE(colourNear(clRed, 0, 1, 1)) << "the cross at the point of contact";
    typeAndEnter(*polairetan->angle, "pi");
    EXPECT_EQ(polairetan->result->text(), "pas de tangente");
    EXPECT_EQ(LineCount, 1);

    main->menuItem("Placerunpoint2")->trigger();
    EXPECT_EQ(pointpolaire->lnom->text(), "A");
    QTest::mouseClick(pointpolaire->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(PointCount, 1);
    EXPECT_NEAR(double(PointTable[1].x), 0, 1e-15);
    EXPECT_NEAR(double(PointTable[1].y), 1, 1e-15);
    EXPECT_EQ(pointpolaire->lnom->text(), "B");

    main->menuItem("Visualiserlestangentes1")->trigger();
    grafzone->t()->setValue(25);
    EXPECT_EQ(grafzone->statusText(),
              QString::fromUtf8("Déplacer le curseur pour faire varier l'angle.x=1.571 coefficient directeur :1"));
    saveScreen("cardioide_polaire_1280.png");

    main->menuItem("Longueurdunarc1")->trigger();
    arcpolaire->Editb->setText("2pi");
    QTest::mouseClick(arcpolaire->BitBtn1, Qt::LeftButton);
    EXPECT_NEAR(lengthShown(*arcpolaire->result), 8, 2 * PlotFrame.pixelx / 30);
    main->menuItem("DrivedeXxetYx1")->trigger();
    EXPECT_EQ(derivepolaire->result->text(), "??") << "shown as it was when the window was made";
    QTest::mouseClick(derivepolaire->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(derivepolaire->result->text(), "(-sin(x))");
}

TEST_F(CurveWindows, ARayOfZeroFallsBackToAQuarterTurn) {
    main->menuItem("Polaire1")->trigger();
    typeAndEnter(*polairerepere->ray, "0");
    EXPECT_EQ(polairerepere->ray->text(), "pi/4");
    EXPECT_EQ(polairerepere->ray->fontColour(), clBlack);
    EXPECT_NEAR(double(PlotFrame.graduey), 0.7853975, 1e-12);
    // Corrected at once: the picture, the unit's label included, is that of a step of 1.
    typeAndEnter(*polairerepere->cerc, "0");
    EXPECT_EQ(polairerepere->cerc->text(), "1");
    const QImage corrected = grafzone->OffscreenBitmap.copy();
    typeAndEnter(*polairerepere->cerc, "1");
    EXPECT_EQ(grafzone->OffscreenBitmap, corrected);
    typeAndEnter(*polairerepere->cerc, "a+");
    EXPECT_EQ(polairerepere->cerc->fontColour(), clRed);
    main->menuItem("Xminxmax1")->trigger();
    EXPECT_TRUE(polairerepere->isVisible());
    EXPECT_FALSE(reperezone->isVisible());
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QDir>

#include "app/tformparent.h"
#include "app/tintro.h"
#include "constructions/construction_tables.h"
#include "plane/forms.h"
#include "plane/plot_state.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"
#include "tests/support/program_fixture.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        main = program.start().mainWindow;
        ASSERT_NE(main, nullptr);
        main->setLayoutScreenWidth(1024);
        main->resize(1024, 768);
        main->show();
    }
    // Fills the state a graph-kind switch must clear.
    void dirtyTheSharedState() {
        for (TCurveSlot& slot : CurveSlot) {
            slot.formula = "x";
            slot.domain.restricted = true;
            slot.colour = clBlack;
        }
        foncZone->Editg->setText("x+1");
        takePointSlot();
        LineCount = 2;
        PlotMode = 3;
        reperezone->Editgraduex->setText("2");
        PlotFrame.graduex = 2;
        grafzone->setStatusText("ancien");
    }
    ProgramFixture program;
    TFormparent* main = nullptr;
};

struct KindCase {
    const char* name;
    void (TFormparent::*choose)();
    int graphKind;
    long double ymax;
    bool functionMenus, parametricMenu, polarMenu;
};

class GraphKindSwitch : public MainWindowTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(GraphKindSwitch, ResetsTheStateAndSetsMenusAndFrame) {
    const KindCase& c = GetParam();
    dirtyTheSharedState();
    (main->*c.choose)();

    EXPECT_EQ(GraphKind, c.graphKind);
    EXPECT_EQ(PlotMode, 0);
    EXPECT_EQ(PlotFrame.xmin, -10);
    EXPECT_EQ(PlotFrame.xmax, 10);
    EXPECT_EQ(PlotFrame.ymin, -c.ymax);
    EXPECT_EQ(PlotFrame.ymax, c.ymax);
    EXPECT_EQ(PlotFrame.graduex, 1);
    EXPECT_EQ(reperezone->Editgraduex->text(), "1");
    for (const TCurveSlot& slot : CurveSlot) {
        EXPECT_TRUE(slot.formula.empty());
        EXPECT_FALSE(slot.domain.restricted);
    }
    EXPECT_EQ(CurveSlot[0].colour, clAqua);
    EXPECT_EQ(CurveSlot[1].colour, clBlue);
    EXPECT_EQ(CurveSlot[4].colour, clMaroon);
    EXPECT_TRUE(foncZone->Editg->text().isEmpty());
    EXPECT_EQ(PointCount, 0);
    EXPECT_EQ(LineCount, 0);
    EXPECT_FALSE(IntroRunning);
    EXPECT_TRUE(grafzone->statusText().isEmpty());
    EXPECT_EQ(ModeCursor, crDefault);

    EXPECT_TRUE(main->Repre1->menuAction()->isVisible());
    EXPECT_EQ(main->Lecture1->menuAction()->isVisible(), c.functionMenus);
    EXPECT_EQ(main->Intgration1->menuAction()->isVisible(), c.functionMenus);
    EXPECT_EQ(main->Courbeparamtre1->menuAction()->isVisible(), c.parametricMenu);
    EXPECT_EQ(main->CourbePolaire1->menuAction()->isVisible(), c.polarMenu);
    EXPECT_FALSE(main->Repredelespace2->menuAction()->isVisible());
    EXPECT_TRUE(grafzone->isVisible());
    EXPECT_FALSE(grafzone->t()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, GraphKindSwitch,
    ::testing::Values(KindCase{"fonction_de_x", &TFormparent::Fonctiondex1Click, 1, 7.94L, true, false, false},
                      KindCase{"animation", &TFormparent::Animation1Click, 2, 7.7L, false, false, false},
                      KindCase{"parametree", &TFormparent::paramtre1Click, 3, 7.94L, false, true, false},
                      KindCase{"cartesienne", &TFormparent::Equationcartsienne1Click, 5, 7.94L, false, false, false},
                      KindCase{"polaire", &TFormparent::Polaire1Click, 4, 7.94L, false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, FunctionOfXShowsItsWindowsWithTheFrameInTheEditsAndFocusesEditf) {
    reperezone->Editymax->setText("3");
    main->Fonctiondex1->trigger();
    EXPECT_TRUE(foncZone->isVisible());
    EXPECT_TRUE(reperezone->isVisible());
    EXPECT_EQ(reperezone->Editymax->text(), "7.94");
    EXPECT_EQ(reperezone->Editymin->text(), "-7.94");
    EXPECT_EQ(reperezone->Editxmin->text(), "-10");
    EXPECT_EQ(reperezone->Editymax->fontColour(), clBlack);
    EXPECT_EQ(main->focusWidget(), foncZone->Editf);
}

TEST_F(MainWindowTest, ChoosingFunctionOfXTwiceClearsTheFunctionsEachTime) {
    main->Fonctiondex1Click();
    for (int round = 0; round < 2; ++round) {
        dirtyTheSharedState();
        main->Fonctiondex1Click();
        EXPECT_TRUE(CurveSlot[1].formula.empty());
        EXPECT_EQ(PointCount, 0);
        EXPECT_TRUE(foncZone->Editg->text().isEmpty());
    }
}

TEST_F(MainWindowTest, PolarKindHidesTheFrameWindowAndChecksOrtho) {
    main->Fonctiondex1Click();  // the graph gets its size: the switch below does not resize it
    reperezone->ortho->setChecked(false);
    reperezone->Editymax->setText("3");
    main->Polaire1Click();
    EXPECT_FALSE(reperezone->isVisible());
    EXPECT_TRUE(reperezone->ortho->isChecked());
    EXPECT_EQ(reperezone->Editymax->text(), "3");
}

TEST_F(MainWindowTest, SwitchHidesTheToolWindowsOfTheFormerKind) {
    main->Fonctiondex1Click();
    main->Zros1Click();
    ASSERT_TRUE(findForm("Tzerozone")->isVisible());
    main->Animation1Click();
    EXPECT_FALSE(findForm("Tzerozone")->isVisible());
    EXPECT_FALSE(foncZone->isVisible());
}

TEST_F(MainWindowTest, SwitchEndsTheIntro) {
    ASSERT_TRUE(intro->isVisible());
    ASSERT_TRUE(intro->Timer1->isActive());
    main->Fonctiondex1Click();
    EXPECT_FALSE(intro->isVisible());
    EXPECT_FALSE(intro->Timer1->isActive());
}

TEST_F(MainWindowTest, SpaceViewBeforeItIsBuiltDoesNothing) {
    main->Fonctiondex1Click();
    main->fxyz1->trigger();
    EXPECT_EQ(GraphKind, 1);
    EXPECT_TRUE(main->Lecture1->menuAction()->isVisible());
    EXPECT_TRUE(grafzone->isVisible());
}

TEST_F(MainWindowTest, ClosingTheGraphHidesTheRepereMenu) {
    main->Fonctiondex1Click();
    grafzone->close();
    EXPECT_FALSE(main->Repre1->menuAction()->isVisible());
    EXPECT_FALSE(grafzone->isVisible());
}

TEST_F(MainWindowTest, FrameItemShowsTheFrameWindowOutsideThePolarKind) {
    main->Fonctiondex1Click();
    reperezone->hide();
    main->Xminxmax1->trigger();
    EXPECT_TRUE(reperezone->isVisible());
}

TEST_F(MainWindowTest, CtrlCCopiesTheGraphPicture) {
    main->Fonctiondex1Click();
    QGuiApplication::clipboard()->clear();
    QApplication::setActiveWindow(main);
    grafzone->widget()->setFocus();
    QTest::keyClick(grafzone->widget(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(grafzone->graphWidth() - 5, grafzone->graphHeight() - 5));
}

TEST_F(MainWindowTest, EscapeReturnsToTheNeutralMode) {
    main->Fonctiondex1Click();
    PlotMode = 2;
    AnimationRunning = true;
    grafzone->setStatusText("zoom");
    QTest::keyClick(main, Qt::Key_Escape);
    EXPECT_EQ(PlotMode, 0);
    EXPECT_FALSE(AnimationRunning);
    EXPECT_TRUE(grafzone->statusText().isEmpty());
}

TEST_F(MainWindowTest, VariationsSetsItsModeTextAndCursor) {
    main->Fonctiondex1Click();
    main->Variaion1->trigger();
    EXPECT_EQ(PlotMode, 4);
    EXPECT_EQ(grafzone->statusText(), "Cliquez gauche  et déplacez la souris de gauche à droite");
    EXPECT_EQ(ModeCursor, crSizeWE);
    EXPECT_TRUE(findForm("Tchoixf")->isVisible());
}

struct SliderCase {
    const char* name;
    void (TFormparent::*command)();
    int mode;
    const char* status;
};

class SliderCommands : public MainWindowTest, public ::testing::WithParamInterface<SliderCase> {};

TEST_P(SliderCommands, ShowTheSliderAtZeroWithTheirText) {
    main->paramtre1Click();
    grafzone->t()->setValue(40);
    (main->*GetParam().command)();
    EXPECT_EQ(PlotMode, GetParam().mode);
    EXPECT_TRUE(grafzone->t()->isVisible());
    EXPECT_EQ(grafzone->t()->value(), 0);
    EXPECT_EQ(grafzone->t()->x(), 0);
    EXPECT_EQ(grafzone->statusText(), QString::fromUtf8(GetParam().status));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SliderCommands,
    ::testing::Values(SliderCase{"browse_parametric", &TFormparent::Parcourir2Click, 13,
                                 "Déplacer le curseur pour faire varier le paramétre."},
                      SliderCase{"tangents_parametric", &TFormparent::angente2Click, 14,
                                 "Déplacer le curseur pour faire varier le paramétre."},
                      SliderCase{"browse_polar", &TFormparent::Parcourirlacourbe1Click, 15,
                                 "Déplacer le curseur pour faire varier l'angle."},
                      SliderCase{"tangents_polar", &TFormparent::Visualiserlestangentes1Click, 16,
                                 "Déplacer le curseur pour faire varier l'angle."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ExerciseSheetChoiceEndsTheIntro) {
    main->loadtdCanClose(QString());
    EXPECT_TRUE(IntroRunning);
    main->loadtdCanClose(QDir(program.appFolder()).filePath("td/absent.txt"));
    EXPECT_FALSE(IntroRunning);
}

struct MenuItemCase {
    const char* name;
    QAction* TFormparent::*item;
    const char* caption;
    QKeySequence shortcut;
};

class MenuItems : public MainWindowTest, public ::testing::WithParamInterface<MenuItemCase> {};

TEST_P(MenuItems, HaveTheirCaptionAndShortcut) {
    const QAction* action = main->*GetParam().item;
    EXPECT_EQ(action->text(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(action->shortcut(), GetParam().shortcut);
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuItems,
    ::testing::Values(
        MenuItemCase{"fonction", &TFormparent::Fonctiondex1, "Fonction de x", QKeySequence(Qt::Key_F1)},
        MenuItemCase{"parametree", &TFormparent::paramtre1, "Equations paramétrées", QKeySequence(Qt::Key_F2)},
        MenuItemCase{"cartesienne", &TFormparent::Equationcartsienne1, "Equation cartésienne", QKeySequence(Qt::Key_F3)},
        MenuItemCase{"polaire", &TFormparent::Polaire1, "Equation polaire", QKeySequence(Qt::Key_F4)},
        MenuItemCase{"espace", &TFormparent::fxyz1, "Repère de l'espace", QKeySequence(Qt::Key_F5)},
        MenuItemCase{"copier", &TFormparent::Copier1, "Copier", QKeySequence(Qt::CTRL | Qt::Key_C)},
        MenuItemCase{"raffraichir", &TFormparent::Raffraichir1, "Raffraichir", QKeySequence(Qt::Key_F6)},
        MenuItemCase{"reglages", &TFormparent::Options1, "Réglages divers", QKeySequence(Qt::CTRL | Qt::Key_R)},
        MenuItemCase{"quitter", &TFormparent::Quitter2, "Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        MenuItemCase{"eclairage", &TFormparent::Eclairageonoff1, "Eclairage ", QKeySequence()},
        MenuItemCase{"zeros", &TFormparent::Zros1, "Zéro(s) d'une fonction", QKeySequence()},
        MenuItemCase{"aire", &TFormparent::Aireenrtedeuxcourbes1, "Aire entre deux courbes", QKeySequence()},
        MenuItemCase{"equation_cartesienne_droite", &TFormparent::Donnerlquationcartsienne1,
                     "à partir de l'équation cartésienne", QKeySequence()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, HiddenAboutItemStillAnswersItsShortcut) {
    EXPECT_FALSE(main->N1->isVisible());
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(findForm("TAboutBox")->isVisible());
}

struct LayoutCase {
    const char* name;
    int screenWidth;
    int graphWidth, graphHeight, gap;
};

class WindowPlacement : public MainWindowTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(WindowPlacement, PutsTheToolsRightOfAndUnderTheGraph) {
    const LayoutCase& c = GetParam();
    main->placerfenetres(c.screenWidth);
    EXPECT_EQ(grafzone->geometry(), QRect(0, 20, c.graphWidth, c.graphHeight));
    const int X = c.graphWidth + c.gap;
    EXPECT_EQ(reperezone->pos(), QPoint(X, 20));
    EXPECT_EQ(findForm("Tzerozone")->pos(), QPoint(X, 20 + reperezone->height() + 5));
    EXPECT_EQ(findForm("Toptionzone")->pos(), QPoint(X, 20 + reperezone->height() + 5));
    EXPECT_EQ(foncZone->pos(), QPoint(0, 20 + c.graphHeight + 5));
    EXPECT_EQ(findForm("Tchangedomaine")->pos(), QPoint(foncZone->width() + 5, foncZone->y()));
    EXPECT_EQ(findForm("Tcalczone")->geometry().bottom(), foncZone->geometry().bottom());
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowPlacement,
                         ::testing::Values(LayoutCase{"w800", 800, 490, 375, 1},
                                           LayoutCase{"w1024", 1024, 680, 540, 5},
                                           LayoutCase{"w1280", 1280, 850, 800, 5},
                                           LayoutCase{"w1366_uses_1280", 1366, 850, 800, 5},
                                           LayoutCase{"w1920_uses_1280", 1920, 850, 800, 5},
                                           LayoutCase{"w1100_uses_1024", 1100, 680, 540, 5},
                                           LayoutCase{"w640_uses_800", 640, 490, 375, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

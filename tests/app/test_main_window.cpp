#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/taboutbox.h"
#include "app/tformparent.h"
#include "app/tintro.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/graph_interaction.h"
#include "plane/tchangedomaine.h"
#include "plane/tchoixf.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/toptionzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"
#include "platform/messages.h"
#include "space/tfonc3d.h"
#include "tests/support/program_fixture.h"
#include "tests/support/typing.h"
#include "tools/property_modes.h"
#include "tools/tcalczone.h"
#include "tools/tderivzone.h"
#include "tools/tparite.h"
#include "tools/tperizone.h"
#include "tools/ttabval.h"
#include "tools/tvarzone.h"
#include "tools/tzerozone.h"

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
    QAction* item(const char* name) {
        QAction* action = main->menuItem(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    // Fills the state a graph-kind switch must clear.
    void dirtyTheSharedState() {
        for (TCurveSlot& slot : CurveSlot) {
            slot.formula = "x";
            slot.domain.restricted = true;
            slot.colour = clBlack;
        }
        foncZone->Editg->setText("x+1");
        fonc3d->Editf->setText("x*y");
        takePointSlot();
        LineCount = 2;
        PlotMode = InteractionMode::Browse;
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
    GraphType graphKind;
    long double ymax;
    bool functionMenus, parametricMenu, polarMenu;
};

class GraphKindSwitch : public MainWindowTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(GraphKindSwitch, ResetsTheStateAndSetsMenusAndFrame) {
    const KindCase& c = GetParam();
    dirtyTheSharedState();
    (main->*c.choose)();

    EXPECT_EQ(GraphKind, c.graphKind);
    EXPECT_EQ(PlotMode, InteractionMode::Neutral);
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
    EXPECT_TRUE(fonc3d->Editf->text().isEmpty());
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
    ::testing::Values(KindCase{"fonction_de_x", &TFormparent::Fonctiondex1Click, GraphType::FunctionOfX, 7.94L, true, false, false},
                      KindCase{"animation", &TFormparent::Animation1Click, GraphType::Animation, 7.7L, false, false, false},
                      KindCase{"parametree", &TFormparent::paramtre1Click, GraphType::Parametric, 7.94L, false, true, false},
                      KindCase{"cartesienne", &TFormparent::Equationcartsienne1Click, GraphType::Cartesian, 7.94L, false, false, false},
                      KindCase{"polaire", &TFormparent::Polaire1Click, GraphType::Polar, 7.94L, false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, FunctionOfXShowsItsWindowsWithTheFrameInTheEditsAndFocusesEditf) {
    reperezone->Editymax->setText("3");
    item("Fonctiondex1")->trigger();
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
    item("Zros1")->trigger();
    ASSERT_TRUE(zerozone->isVisible());
    main->Animation1Click();
    EXPECT_FALSE(zerozone->isVisible());
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
    SpaceViewBuilt = false;
    item("fxyz1")->trigger();
    main->fxyz1Click();
    EXPECT_EQ(GraphKind, GraphType::FunctionOfX);
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
    item("Xminxmax1")->trigger();
    EXPECT_TRUE(reperezone->isVisible());
}

TEST_F(MainWindowTest, CtrlCCopiesTheGraphPicture) {
    main->Fonctiondex1Click();
    QGuiApplication::clipboard()->clear();
    QApplication::setActiveWindow(main);
    grafzone->surface()->setFocus();
    QTest::keyClick(grafzone->surface(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(grafzone->graphWidth() - 5, grafzone->graphHeight() - 5));
}

// After typing a formula the focus stays in its field: the key copies the
// graph, unless text is selected there.
TEST_F(MainWindowTest, CtrlCInAFormulaFieldCopiesTheGraphOrTheSelectedText) {
    main->Fonctiondex1Click();
    QApplication::setActiveWindow(main);
    foncZone->Editf->setFocus();
    typeAndEnter(*foncZone->Editf, "x^2-2");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(foncZone->Editf, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    QGuiApplication::clipboard()->clear();
    foncZone->Editf->selectAll();
    QTest::keyClick(foncZone->Editf, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "x^2-2");
}

// A name with a dot of its own still gets the extension the open dialog lists.
TEST_F(MainWindowTest, SavedSessionNamesEndInTheSessionExtension) {
    QTemporaryDir folder;
    const QString typed = folder.filePath("cours.v2");
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        answer.stop();
        dialog->selectFile(typed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    answer.start(10);
    main->Enregistrerlasance1Click();
    EXPECT_TRUE(QFileInfo::exists(typed + ".lumova"));
    EXPECT_FALSE(QFileInfo::exists(typed));
}

TEST_F(MainWindowTest, EscapeReturnsToTheNeutralMode) {
    main->Fonctiondex1Click();
    PlotMode = InteractionMode::Zoom;
    AnimationRunning = true;
    grafzone->setStatusText("zoom");
    QTest::keyClick(main, Qt::Key_Escape);
    EXPECT_EQ(PlotMode, InteractionMode::Neutral);
    EXPECT_FALSE(AnimationRunning);
    EXPECT_TRUE(grafzone->statusText().isEmpty());
}

TEST_F(MainWindowTest, VariationsSetsItsModeTextAndCursor) {
    main->Fonctiondex1Click();
    main->Variaion1Click();
    EXPECT_EQ(PlotMode, InteractionMode::Variations);
    EXPECT_EQ(grafzone->statusText(), "Cliquez gauche  et déplacez la souris de gauche à droite");
    EXPECT_EQ(ModeCursor, crSizeWE);
    EXPECT_TRUE(choixf->isVisible());
}

struct SliderCase {
    const char* name;
    void (TFormparent::*command)();
    InteractionMode mode;
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
    ::testing::Values(SliderCase{"browse_parametric", &TFormparent::Parcourir2Click, InteractionMode::ParametricBrowse,
                                 "Déplacer le curseur pour faire varier le paramétre."},
                      SliderCase{"tangents_parametric", &TFormparent::angente2Click, InteractionMode::ParametricTangents,
                                 "Déplacer le curseur pour faire varier le paramétre."},
                      SliderCase{"browse_polar", &TFormparent::Parcourirlacourbe1Click, InteractionMode::PolarBrowse,
                                 "Déplacer le curseur pour faire varier l'angle."},
                      SliderCase{"tangents_polar", &TFormparent::Visualiserlestangentes1Click, InteractionMode::PolarTangents,
                                 "Déplacer le curseur pour faire varier l'angle."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ExerciseSheetChoiceEndsTheIntro) {
    main->loadtdCanClose(QString());
    EXPECT_TRUE(IntroRunning);
    main->loadtdCanClose(QDir(program.appFolder()).filePath("td/absent.txt"));
    EXPECT_FALSE(IntroRunning);
}

TEST_F(MainWindowTest, AMissingHelpPageOrSheetIsSaid) {
    ASSERT_TRUE(QFile::remove(QDir(program.appFolder()).filePath("aide/lumova.htm")));
    MessageCapture messages;
    main->Aide1Click();
    main->loadtdCanClose(QDir(program.appFolder()).filePath("td/absent.htm"));
    ASSERT_EQ(messages.messages().size(), 2);
    EXPECT_TRUE(messages.messages()[0].contains("lumova.htm"));
    EXPECT_TRUE(messages.messages()[1].startsWith(QString::fromUtf8("Impossible d'ouvrir « ")));
}

// A window chosen again from the menu, while another window lies over it, must
// stay in front when the user goes on in a third window.
struct ReopenCase {
    const char* name;
    const char* chosen;  // menu items, the first chosen again at the end
    const char* other;
    QMdiSubWindow* (*window)();
    QMdiSubWindow* (*covering)();
};

class ReopenedWindow : public MainWindowTest, public ::testing::WithParamInterface<ReopenCase> {};

TEST_P(ReopenedWindow, StaysInFrontWhenAnotherWindowIsUsed) {
    item("Fonctiondex1")->trigger();
    item(GetParam().chosen)->trigger();
    item(GetParam().other)->trigger();
    item(GetParam().chosen)->trigger();
    main->mdiArea->setActiveSubWindow(foncZone);
    const QList<QMdiSubWindow*> order = main->mdiArea->subWindowList(QMdiArea::StackingOrder);
    EXPECT_GT(order.indexOf(GetParam().window()), order.indexOf(GetParam().covering()));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ReopenedWindow,
    ::testing::Values(ReopenCase{"zeros", "Zros1", "ableaudevaleur1",
                                 []() -> QMdiSubWindow* { return zerozone; },
                                 []() -> QMdiSubWindow* { return tabval; }},
                      ReopenCase{"parity", "Parit1", "Priode1",
                                 []() -> QMdiSubWindow* { return parite; },
                                 []() -> QMdiSubWindow* { return perizone; }}),
    [](const auto& info) { return std::string(info.param.name); });

// The drag of the variations hides and shows their window as it changes direction.
TEST_F(MainWindowTest, VariationsWindowComingBackLeavesTheChoiceInFront) {
    QApplication::setActiveWindow(main);
    item("Fonctiondex1")->trigger();
    typeAndEnter(*foncZone->Editf, "x^3-3x");
    item("Drivation2")->trigger();
    item("Variaion1")->trigger();
    main->mdiArea->setActiveSubWindow(grafzone);
    varzone->hide();
    MouseButton = 1;
    DragStartX = 90;
    variationsMouseMove(*grafzone, 100, 0);
    MouseButton = 0;
    ASSERT_TRUE(varzone->isVisible());
    main->mdiArea->setActiveSubWindow(grafzone);
    QCoreApplication::processEvents();
    const QList<QMdiSubWindow*> order = main->mdiArea->subWindowList(QMdiArea::StackingOrder);
    EXPECT_GT(order.indexOf(choixf), order.indexOf(derivzone));
}

struct MenuItemCase {
    const char* name;
    const char* item;
    const char* caption;
    QKeySequence shortcut;
};

class MenuItems : public MainWindowTest, public ::testing::WithParamInterface<MenuItemCase> {};

TEST_P(MenuItems, HaveTheirCaptionAndShortcut) {
    const QAction* action = item(GetParam().item);
    EXPECT_EQ(action->text(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(action->shortcut(), GetParam().shortcut);
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuItems,
    ::testing::Values(
        MenuItemCase{"fonction", "Fonctiondex1", "Fonction de x", QKeySequence(Qt::Key_F1)},
        MenuItemCase{"parametree", "paramtre1", "Equations paramétrées", QKeySequence(Qt::Key_F2)},
        MenuItemCase{"cartesienne", "Equationcartsienne1", "Equation cartésienne", QKeySequence(Qt::Key_F3)},
        MenuItemCase{"polaire", "Polaire1", "Equation polaire", QKeySequence(Qt::Key_F4)},
        MenuItemCase{"espace", "fxyz1", "Repère de l'espace", QKeySequence(Qt::Key_F5)},
        MenuItemCase{"copier", "Copier1", "Copier", QKeySequence(Qt::CTRL | Qt::Key_C)},
        MenuItemCase{"raffraichir", "Raffraichir1", "Raffraichir", QKeySequence(Qt::Key_F6)},
        MenuItemCase{"reglages", "Options1", "Réglages divers", QKeySequence(Qt::CTRL | Qt::Key_R)},
        MenuItemCase{"quitter", "Quitter2", "Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        MenuItemCase{"eclairage", "Eclairageonoff1", "Eclairage ", QKeySequence()},
        MenuItemCase{"zeros", "Zros1", "Zéro(s) d'une fonction", QKeySequence()},
        MenuItemCase{"aire", "Aireenrtedeuxcourbes1", "Aire entre deux courbes", QKeySequence()},
        MenuItemCase{"equation_cartesienne_droite", "Donnerlquationcartsienne1",
                     "à partir de l'équation cartésienne", QKeySequence()}),
    [](const auto& info) { return std::string(info.param.name); });

// The corner of a captioned window (the section of the space view) shows the
// program's icon, not the toolkit's.
TEST_F(MainWindowTest, WindowsCarryTheProgramIcon) {
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

// Qt's own windows and menus, which the program does not word itself.
TEST_F(MainWindowTest, QtOwnDialogsAndMenusSpeakFrench) {
    std::unique_ptr<QMenu> menu(foncZone->Editf->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text().section('\t', 0, 0);
    EXPECT_TRUE(entries.contains("Cop&ier")) << entries.join(", ").toStdString();
    EXPECT_TRUE(entries.contains("Tout sélectionner")) << entries.join(", ").toStdString();
    QFileDialog chooser(main, QString::fromUtf8("Ouvrir une séance"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    QStringList buttons;
    for (const QPushButton* button : chooser.findChildren<QPushButton*>()) buttons << button->text();
    EXPECT_TRUE(buttons.contains("&Ouvrir")) << buttons.join(", ").toStdString();
    EXPECT_TRUE(buttons.contains("Annuler")) << buttons.join(", ").toStdString();
    // The "Type" column of a folder.
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "Dossier");
}

TEST_F(MainWindowTest, HiddenAboutItemStillAnswersItsShortcut) {
    EXPECT_FALSE(item("N1")->isVisible());
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(AboutBox->isVisible());
}

// The commands whose window is not part of the program yet are greyed out,
// never silent. Each window that arrives takes its commands off this list.
TEST_F(MainWindowTest, OnlyCommandsWithoutTheirWindowAreGreyedOut) {
    std::vector<std::string> greyed;
    for (const QAction* action : main->menuBar()->findChildren<QAction*>())
        if (!action->menu() && action->isVisible() && !action->isEnabled())
            greyed.push_back(action->objectName().toStdString());
    std::sort(greyed.begin(), greyed.end());
    std::vector<std::string> expected = {
        "Symtriecentrale1"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(greyed, expected);
}

struct LayoutCase {
    const char* name;
    int screenWidth;
    int graphWidth, graphHeight, gap;
};

class WindowPlacement : public MainWindowTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(WindowPlacement, PutsTheToolsRightOfAndUnderTheGraph) {
    const LayoutCase& c = GetParam();
    // Tall enough for the tools under the largest graph.
    main->resize(1920, 1200);
    QCoreApplication::processEvents();
    main->placerfenetres(c.screenWidth);
    EXPECT_EQ(grafzone->geometry(), QRect(0, 20, c.graphWidth, c.graphHeight));
    const int X = c.graphWidth + c.gap;
    EXPECT_EQ(reperezone->pos(), QPoint(X, 20));
    EXPECT_EQ(zerozone->pos(), QPoint(X, 20 + reperezone->height() + 5));
    EXPECT_EQ(optionzone->pos(), QPoint(X, 20 + reperezone->height() + 5));
    EXPECT_EQ(foncZone->pos(), QPoint(0, 20 + c.graphHeight + 5));
    EXPECT_EQ(changedomaine->pos(), QPoint(foncZone->width() + 5, foncZone->y()));
    EXPECT_EQ(calczone->geometry().bottom(), foncZone->geometry().bottom());
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

// The space window on a platform without OpenGL (the offscreen platform of the
// widget tests): it shows a message instead of the scene, and the graph-kind
// switch, the reset, the intro, the options and the copy reach it as they do
// in a real session.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <string>

#include "app/tformparent.h"
#include "app/tintro.h"
#include "model/plot_state.h"
#include "model/space_state.h"
#include "plane/tgrafzone.h"
#include "plane/toptionzone.h"
#include "platform/messages.h"
#include "space/tgrafgl.h"
#include "tests/support/program_fixture.h"

namespace {

class SpaceWindowTest : public ::testing::Test {
protected:
    TFormparent* start(const char* settings, int width = 1024, int height = 768) {
        program.writeSettingsLine(settings);
        TFormparent* main = program.start().mainWindow;
        if (!main) return nullptr;
        main->setLayoutScreenWidth(width);
        main->resize(width, height);
        main->show();
        return main;
    }
    ProgramFixture program;
};

TEST_F(SpaceWindowTest, ShowsAFrenchMessageInPlaceOfTheScene) {
    ASSERT_NE(start("21333011"), nullptr);
    EXPECT_TRUE(SpaceViewBuilt);
    EXPECT_EQ(grafgl->glView(), nullptr);
    EXPECT_TRUE(grafgl->placeholderText().contains(QString::fromUtf8("OpenGL ne peut pas être utilisé")));
    EXPECT_FALSE(grafgl->isVisible());
}

struct PlacementCase {
    const char* name;
    int screenWidth, screenHeight;
    QRect space;
};

class SpaceKind : public SpaceWindowTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(SpaceKind, ReplacesTheGraphWithTheSpaceWindowAndItsMenu) {
    const PlacementCase& c = GetParam();
    TFormparent* main = start("31333011", c.screenWidth, c.screenHeight);
    ASSERT_NE(main, nullptr);
    main->Fonctiondex1Click();
    SpaceFrame.xmin = -5;
    SpaceFrame.ymax = 8;
    SpaceWireShown = false;
    CurveSlot[5].formula = "x";
    main->menuItem("fxyz1")->trigger();

    EXPECT_TRUE(grafgl->isVisible());
    EXPECT_EQ(grafgl->geometry(), c.space);
    EXPECT_FALSE(grafzone->isVisible());
    EXPECT_TRUE(main->Repredelespace2->menuAction()->isVisible());
    EXPECT_FALSE(main->Repre1->menuAction()->isVisible());
    EXPECT_FALSE(main->Lecture1->menuAction()->isVisible());
    EXPECT_EQ(GraphKind, GraphType::None);
    EXPECT_TRUE(CurveSlot[5].formula.empty());
    EXPECT_EQ(SpaceFrame.xmin, -3);
    EXPECT_EQ(SpaceFrame.ymax, 3);
    // Precision 3: the wire would cover the surface.
    EXPECT_FALSE(SpaceWireShown);

    main->Fonctiondex1Click();
    EXPECT_FALSE(grafgl->isVisible());
    EXPECT_TRUE(grafzone->isVisible());
    EXPECT_FALSE(grafgl->Timer1->isActive());
}

// Beside the column of tool windows (X = graph width + gap): X + 95 wide, 100 more than the graph.
INSTANTIATE_TEST_SUITE_P(Screens, SpaceKind,
                         ::testing::Values(PlacementCase{"w800", 800, 600, QRect(0, 20, 586, 475)},
                                           PlacementCase{"w1024", 1024, 768, QRect(0, 20, 780, 640)},
                                           PlacementCase{"w1280", 1280, 1024, QRect(0, 20, 950, 900)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpaceWindowTest, WithoutThe3DIntroTheSpaceWindowWaitsHidden) {
    ASSERT_NE(start("21333011"), nullptr);
    EXPECT_FALSE(grafgl->isVisible());
    EXPECT_FALSE(grafgl->Timer1->isActive());
    EXPECT_TRUE(intro->isVisible());
}

TEST_F(SpaceWindowTest, The3DIntroPlaysInTheSpaceWindowUntilItIsCancelled) {
    TFormparent* main = start("21333111");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(grafgl->isVisible());
    EXPECT_TRUE(grafgl->Timer1->isActive());
    EXPECT_EQ(grafgl->widget()->size(), QSize(612, 405));
    EXPECT_FALSE(intro->isVisible());
    // Unticking the 3D intro while it plays stops it.
    optionzone->intro3d1->click();
    EXPECT_FALSE(grafgl->isVisible());
    EXPECT_FALSE(grafgl->Timer1->isActive());
    // The help ends it as well, whether or not the shell opens the page.
    const MessageCapture messages;
    main->Aide1Click();
    EXPECT_FALSE(IntroRunning);
}

TEST_F(SpaceWindowTest, PickingAGraphKindEndsThe3DIntro) {
    TFormparent* main = start("21333111");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(grafgl->Timer1->isActive());
    main->menuItem("Fonctiondex1")->trigger();
    EXPECT_FALSE(IntroRunning);
    EXPECT_FALSE(grafgl->isVisible());
    EXPECT_FALSE(grafgl->Timer1->isActive());
}

// While the intro plays the mouse and the keys leave the camera alone; the wheel does not.
TEST_F(SpaceWindowTest, TheIntroIgnoresTheMouseButNotTheWheel) {
    ASSERT_NE(start("21333111"), nullptr);
    ASSERT_TRUE(IntroRunning);
    grafgl->FormMouseDown(SpaceButton::Left, 10, 10);
    grafgl->FormMouseMove(30, 30);
    grafgl->FormKeyDown(SpaceKey::PageDown);
    EXPECT_FLOAT_EQ(SpaceCamera.spin, 0);
    EXPECT_FLOAT_EQ(SpaceCamera.scale, 0.25f);
    grafgl->FormMouseWheel(120);
    EXPECT_FLOAT_EQ(SpaceCamera.scale, 0.25f * 0.9f);
    grafgl->FormMouseUp();

    IntroRunning = false;
    grafgl->FormMouseDown(SpaceButton::Left, 10, 10);
    grafgl->FormMouseMove(30, 30);
    grafgl->FormMouseUp();
    EXPECT_FLOAT_EQ(SpaceCamera.spin, -10);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SpaceWindowTest, CopierTakesTheSpaceWindowWhileTheGraphIsHidden) {
    TFormparent* main = start("21333011");
    ASSERT_NE(main, nullptr);
    main->fxyz1Click();
    QApplication::clipboard()->clear();
    main->Copier1Click();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), grafgl->widget()->size());
}

TEST_F(SpaceWindowTest, PrecisionRebuildsTheSurfaceWithItsStep) {
    TFormparent* main = start("21333011");
    ASSERT_NE(main, nullptr);
    main->fxyz1Click();
    CurveSlot[5].formula = "x";
    struct Step {
        int precis;
        long double step;
        bool wire;
    };
    for (const Step& s : {Step{3, 0.07L, false}, Step{1, 0.4L, true}}) {
        optionzone->precis->setValue(s.precis);
        EXPECT_EQ(MeshStep, s.step) << s.precis;
        EXPECT_EQ(SpaceWireShown, s.wire) << s.precis;
        // The z range is that of the new mesh: its far corners reach just beyond 3.
        EXPECT_GE(SpaceFrame.zmax, 3 - 1e-9L) << s.precis;
        EXPECT_LE(SpaceFrame.zmax, 3 + s.step) << s.precis;
    }
}

}  // namespace

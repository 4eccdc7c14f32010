// The windows of the space view in the real program (offscreen, so the space
// view shows its message instead of drawing): what each accepts and refuses,
// the colours of its edits, the tables it fills, and the section shown in the
// plane graph from the menu to the curves.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <string>

#include "app/tformparent.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/space_state.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "space/tchoixsection.h"
#include "space/tcone.h"
#include "space/tcylindre.h"
#include "space/tfonc3d.h"
#include "space/tgrafgl.h"
#include "space/tplandecoupe.h"
#include "space/tplaneq.h"
#include "space/tpointtroisd.h"
#include "space/tpossource.h"
#include "space/trepere3d.h"
#include "space/tsphere.h"
#include "tests/support/program_fixture.h"

namespace {

class SpaceDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        program.writeSettingsLine("21333011");
        main = program.start().mainWindow;
        ASSERT_NE(main, nullptr);
        main->setLayoutScreenWidth(1024);
        main->resize(1024, 768);
        main->show();
        main->menuItem("fxyz1")->trigger();
    }
    static void type(ColourEdit* edit, const char* text) {
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    static void enter(ColourEdit* edit, const char* text) {
        type(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    ProgramFixture program;
    TFormparent* main = nullptr;
};

struct EntryCase {
    const char* name;
    std::function<void()> enter;   // types into the edits and presses the button
    std::function<bool()> stored;  // whether the entry reached its table
    bool accepted;
    std::function<TColor()> colour;  // of the edit that tells
    TColor expected;
};

void typeInto(ColourEdit* edit, const char* text) {
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

class SpaceEntries : public SpaceDialogs, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(SpaceEntries, AcceptedOrRefusedWithTheirColours) {
    const EntryCase& c = GetParam();
    c.enter();
    EXPECT_EQ(c.stored(), c.accepted);
    EXPECT_EQ(c.colour(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SpaceEntries,
    ::testing::Values(
        // Choosing slot 2 shows its numbers, all 0 before it was first created.
        EntryCase{"sphere_in_slot_2",
                  [] { sphere->r2->click(); typeInto(sphere->ex, "1"); sphere->BitBtn1->click(); },
                  [] { return SphereTable[2].present && SphereTable[2].a == 1 && SphereTable[2].r == 0; }, true,
                  [] { return sphere->ex->fontColour(); }, clBlack},
        EntryCase{"sphere_not_a_number", [] { typeInto(sphere->ez, "abc"); sphere->BitBtn1->click(); },
                  [] { return SphereTable[1].present; }, false, [] { return sphere->ez->fontColour(); }, clRed},
        EntryCase{"cylinder_radius_10_refused_without_red",
                  [] { typeInto(cylindre->erayon, "10"); cylindre->BitBtn1->click(); },
                  [] { return CylinderTable[1].present; }, false, [] { return cylindre->erayon->fontColour(); },
                  clBlue},
        EntryCase{"cylinder_not_a_number_red", [] { typeInto(cylindre->ey, "u"); cylindre->BitBtn1->click(); },
                  [] { return CylinderTable[1].present; }, false, [] { return cylindre->ey->fontColour(); }, clRed},
        EntryCase{"cylinder_along_x_stores_a_as_0",
                  [] {
                      cylindre->box3->click();
                      typeInto(cylindre->ey1, "-20");
                      cylindre->BitBtn1->click();
                  },
                  [] {
                      const TCylinderRecord& c = CylinderTable[1];
                      return c.present && c.kind == 3 && c.a == 0 && c.b == -20 && c.R == 2;
                  },
                  true, [] { return cylindre->ey1->fontColour(); }, clBlack},
        EntryCase{"cone_beta_0_refused", [] { typeInto(cone->ebeta1, "0"); cone->BitBtn1->click(); },
                  [] { return ConeTable[1].present; }, false, [] { return cone->ebeta1->fontColour(); }, clBlue},
        EntryCase{"cone_along_y", [] { cone->RadioButton2->click(); typeInto(cone->ey2, "pi"); cone->BitBtn1->click(); },
                  [] { return ConeTable[1].present && ConeTable[1].kind == 2 && ConeTable[1].beta == 0.1L; }, true,
                  [] { return cone->ey2->fontColour(); }, clBlack},
        EntryCase{"plane_without_normal_refused",
                  [] {
                      for (ColourEdit* edit : {planeq->edita, planeq->Editb, planeq->Editc}) typeInto(edit, "0");
                      typeInto(planeq->Editd, "5");
                      planeq->creer->click();
                  },
                  [] { return PlaneCount == 1; }, false, [] { return planeq->Editd->fontColour(); }, clBlue},
        EntryCase{"plane_x_equals_2",
                  [] {
                      for (ColourEdit* edit : {planeq->Editb, planeq->Editc}) typeInto(edit, "0");
                      typeInto(planeq->edita, "1");
                      typeInto(planeq->Editd, "-2");
                      planeq->creer->click();
                  },
                  [] { return PlaneCount == 1 && PlaneTable[0].a == 1 && PlaneTable[0].d == -2; }, true,
                  [] { return planeq->Editd->fontColour(); }, clBlack},
        EntryCase{"cutting_plane", [] { plandecoupe->RadioButton3->click(); typeInto(plandecoupe->Edit3, "2"); plandecoupe->BitBtn1->click(); },
                  [] { return CuttingPlane.present && CuttingPlane.kind == 3 && CuttingPlane.k == 2; }, true,
                  [] { return plandecoupe->Edit3->fontColour(); }, clBlack},
        EntryCase{"light_refused_when_one_is_not_a_number",
                  [] { typeInto(possource->Editb, "abc"); possource->BitBtn1->click(); },
                  [] { return LightPosition.x != 4; }, false, [] { return possource->Editb->fontColour(); }, clRed},
        EntryCase{"light_moves", [] { typeInto(possource->Edita, "-1"); possource->BitBtn1->click(); },
                  [] { return LightPosition.x == -1 && LightPosition.y == -4; }, true,
                  [] { return possource->Edita->fontColour(); }, clBlack}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpaceDialogs, FrameBoundsOutOfOrderComeBackInBlack) {
    enter(repere3d->Editxmax, "-5");
    EXPECT_EQ(SpaceFrame.xmax, 3);
    EXPECT_EQ(repere3d->Editxmax->text(), "3");
    EXPECT_EQ(repere3d->Editxmax->fontColour(), clBlack);
    enter(fonc3d->Editf, "x*y");
    enter(repere3d->Editxmax, "10^5000");
    EXPECT_EQ(SpaceFrame.xmax, 3);
    EXPECT_EQ(repere3d->Editxmax->text(), "3");
    enter(repere3d->Editymin, "-1");
    EXPECT_EQ(SpaceFrame.ymin, -1);
    repere3d->fil->click();
    EXPECT_EQ(SpaceWireShown, repere3d->fil->isChecked());
}

TEST_F(SpaceDialogs, TenPlanesAtMost) {
    for (ColourEdit* edit : {planeq->edita, planeq->Editb, planeq->Editd}) typeInto(edit, "0");
    typeInto(planeq->Editc, "1");
    for (int plane = 1; plane <= 11; ++plane) planeq->creer->click();
    EXPECT_EQ(PlaneCount, 10);
    planeq->detruit->click();
    EXPECT_EQ(PlaneCount, 9);
}

// Activating a graph window, as a click in it does, must not bury the dialogs
// placed over it: the space view, and the plane graph of the plane kinds.
TEST_F(SpaceDialogs, DialogsStayAboveTheGraphWindows) {
    const auto expectAbove = [&](QMdiSubWindow* dialog, QMdiSubWindow* graph) {
        ASSERT_TRUE(dialog->isVisible());
        main->mdiArea->setActiveSubWindow(graph);
        const QList<QMdiSubWindow*> order = main->mdiArea->subWindowList(QMdiArea::StackingOrder);
        EXPECT_GT(order.indexOf(dialog), order.indexOf(graph)) << graph->metaObject()->className();
    };
    main->menuItem("Sphre1")->trigger();
    expectAbove(sphere, grafgl);
    main->Fonctiondex1Click();
    expectAbove(reperezone, grafzone);
}

// The 15th slot belongs to the origin: the point after N is P, and taking P
// away again leaves the origin where it was.
TEST_F(SpaceDialogs, PointsSkipTheOriginSlotAndEndAtFin) {
    main->menuItem("Points1")->trigger();
    ASSERT_TRUE(pointtroisd->isVisible());
    EXPECT_EQ(pointtroisd->Lnom->text(), "A");
    typeInto(pointtroisd->Editz, "3");
    for (int point = 1; point <= 14; ++point) pointtroisd->BitBtn1->click();
    EXPECT_EQ(PointCount, 15);
    EXPECT_EQ(pointtroisd->Lnom->text(), "P");
    EXPECT_EQ(PointTable[14].z, 3);
    EXPECT_EQ(PointTable[15].z, 0);
    pointtroisd->BitBtn2->click();
    EXPECT_EQ(pointtroisd->Lnom->text(), "N");
    pointtroisd->BitBtn1->click();
    EXPECT_EQ(PointTable[15].x, 0);
    EXPECT_EQ(pointtroisd->Lnom->text(), "P");
    for (int point = 1; point <= 12; ++point) pointtroisd->BitBtn1->click();
    EXPECT_EQ(PointCount, 26);
    EXPECT_EQ(pointtroisd->Lnom->text(), "Fin.");
}

// F5, z = x²+y², a sphere of centre (0, 0, 2) and radius 1, the plane z = 2 and
// "Montrer la section plane": the plane graph shows the sections beside the
// space window, which stays.
TEST_F(SpaceDialogs, SectionsOfTheSurfaceAndOfASphereInThePlaneGraph) {
    ASSERT_TRUE(fonc3d->isVisible());
    ASSERT_TRUE(repere3d->isVisible());
    enter(fonc3d->Editf, "x²+y²");
    EXPECT_EQ(CurveSlot[5].formula, "x^2+y^2");
    EXPECT_EQ(fonc3d->Editf->fontColour(), clBlack);
    main->menuItem("Sphre1")->trigger();
    typeInto(sphere->ez, "2");
    typeInto(sphere->erayon, "1");
    sphere->BitBtn1->click();
    main->menuItem("racerunplan1")->trigger();
    plandecoupe->RadioButton3->click();
    typeInto(plandecoupe->Edit3, "2");
    plandecoupe->BitBtn1->click();
    main->menuItem("Montrerlasection1")->trigger();
    ASSERT_TRUE(choixsection->isVisible());
    EXPECT_FALSE(reperezone->quadrille->isChecked());

    choixsection->choi->click();
    EXPECT_EQ(CurveSlot[1].formula, "x^2+y^2-(2)");
    EXPECT_EQ(GraphKind, GraphType::Cartesian);
    EXPECT_TRUE(grafzone->isVisible());
    EXPECT_TRUE(grafgl->isVisible());
    const QList<QMdiSubWindow*> order = main->mdiArea->subWindowList(QMdiArea::StackingOrder);
    EXPECT_GT(order.indexOf(grafzone), order.indexOf(grafgl)) << "the section is over the space view";
    EXPECT_TRUE(main->Repre1->menuAction()->isVisible());
    EXPECT_TRUE(reperezone->quadrille->isChecked());
    // Left of the section choice, or further left when it would leave the area.
    EXPECT_LE(grafzone->x(), choixsection->x() - 4);
    EXPECT_LE(grafzone->geometry().right(), grafzone->parentWidget()->width());
    EXPECT_EQ(grafzone->width(), grafgl->width() / 2);
    // The space frame's x range, widened by the orthonormal graph at most.
    EXPECT_LE(PlotFrame.xmin, -3);
    EXPECT_GE(PlotFrame.xmax, 3);
    EXPECT_NEAR(PlotFrame.xmin + PlotFrame.xmax, 0, 1e-9L);

    choixsection->RadioButton2->click();
    choixsection->choi->click();
    EXPECT_EQ(CurveSlot[1].formula, "sqrt((1)^2-(x-(0))^2-((2)-(2))^2)+(0)");
    EXPECT_EQ(CurveSlot[2].formula, "-" + CurveSlot[1].formula);
    EXPECT_EQ(CurveSlot[2].colour, CurveSlot[1].colour);
    EXPECT_EQ(GraphKind, GraphType::FunctionOfX);

    // The section follows the cutting plane while the graph shows it.
    typeInto(plandecoupe->Edit3, "2.5");
    plandecoupe->BitBtn1->click();
    EXPECT_EQ(CurveSlot[1].formula, "sqrt((1)^2-(x-(0))^2-((2.5)-(2))^2)+(0)");

    // A new graph kind takes every object away.
    main->Fonctiondex1Click();
    EXPECT_FALSE(SphereTable[1].present);
    EXPECT_FALSE(CuttingPlane.present);
    EXPECT_FALSE(choixsection->isVisible());
}

}  // namespace

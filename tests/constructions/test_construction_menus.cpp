// The construction dialogs inside the whole program: reached from the menus,
// reset with the graph kind, and the main use of a lesson from the first point
// to the drag of a free point.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <string>

#include "app/tformparent.h"
#include "constructions/tdcartesienne.h"
#include "constructions/tdnormal.h"
#include "constructions/tdpoint.h"
#include "constructions/tdreduite.h"
#include "constructions/tdtan.h"
#include "constructions/tlignebrisee.h"
#include "constructions/tpcourbe.h"
#include "constructions/tpfixe.h"
#include "constructions/tplibre.h"
#include "constructions/tpoly.h"
#include "constructions/tpproj.h"
#include "constructions/tptmilieu.h"
#include "constructions/trotzone.h"
#include "constructions/tspoint.h"
#include "constructions/tsymzone.h"
#include "constructions/ttranszone.h"
#include "model/construction_geometry.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/graph_interaction.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "platform/colour.h"
#include "tests/support/graph_window_fixture.h"
#include "tests/support/program_fixture.h"

namespace {

struct CommandCase {
    const char* item;
    QWidget* (*window)();
    QWidget* (*focus)();  // null when the command gives no control the keyboard
};

template <auto& window>
QWidget* windowOf() {
    return window;
}

template <auto& window, auto control>
QWidget* controlOf() {
    return window.data()->*control;
}

class ConstructionMenus : public testing::TestWithParam<CommandCase> {
protected:
    void SetUp() override {
        main = program.startFunctionOfX(1024, 768);
        ASSERT_NE(main, nullptr);
    }
    ProgramFixture program;
    TFormparent* main = nullptr;
};

TEST_P(ConstructionMenus, ShowTheirDialogWithTheKeyboardInItsField) {
    QAction* action = main->menuItem(GetParam().item);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_TRUE(GetParam().window()->isVisible());
    if (GetParam().focus) {
        EXPECT_EQ(main->focusWidget(), GetParam().focus());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ConstructionMenus,
    testing::Values(CommandCase{"fice1", windowOf<pfixe>, controlOf<pfixe, &Tpfixe::Editx>},
                    CommandCase{"libre1", windowOf<plibre>, nullptr},
                    CommandCase{"libresurunecourbe1", windowOf<pcourbe>, nullptr},
                    CommandCase{"Milieudunsegment1", windowOf<Ptmilieu>, nullptr},
                    CommandCase{"ranslation1", windowOf<transzone>, nullptr},
                    CommandCase{"Symtrieaxiale1", windowOf<symzone>, nullptr},
                    CommandCase{"Rotation1", windowOf<rotzone>, nullptr},
                    CommandCase{"Projection1", windowOf<pproj>, nullptr},
                    CommandCase{"racerunsegment1", windowOf<spoint>, controlOf<spoint, &Tspoint::Editnom>},
                    CommandCase{"Avecdeuxpoints1", windowOf<dpoint>, controlOf<dpoint, &Tdpoint::Editnom>},
                    CommandCase{"Equation1", windowOf<dreduite>, controlOf<dreduite, &Tdreduite::edita>},
                    CommandCase{"Donnerlquationcartsienne1", windowOf<dcartesienne>,
                                controlOf<dcartesienne, &Tdcartesienne::edita>},
                    CommandCase{"tangente1", windowOf<dtan>, controlOf<dtan, &Tdtan::Edita>},
                    CommandCase{"normale1", windowOf<dnormal>, nullptr},
                    CommandCase{"Polygnes1", windowOf<lignebrisee>, nullptr},
                    CommandCase{"PLac1", windowOf<pfixe>, controlOf<pfixe, &Tpfixe::Editx>},
                    CommandCase{"rotation3", windowOf<rotzone>, nullptr},
                    CommandCase{"racerunedroite3", windowOf<dpoint>, controlOf<dpoint, &Tdpoint::Editnom>},
                    CommandCase{"ranslation2", windowOf<transzone>, nullptr},
                    CommandCase{"racerunpolygne2", windowOf<lignebrisee>, nullptr}),
    [](const auto& info) { return std::string(info.param.item); });

TEST(ConstructionWindows, CarryTheirCursorsAndGoBackToAWithTheGraphKind) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1024, 768);
    ASSERT_NE(main, nullptr);
    for (const ConstructionDialog* dialog : std::initializer_list<const ConstructionDialog*>{
             pfixe, plibre, pcourbe, Ptmilieu, transzone, symzone, rotzone, pproj, spoint, dpoint, dreduite,
             dcartesienne, dtan, dnormal, lignebrisee, poly})
        EXPECT_EQ(dialog->BitBtn1->cursor().shape(), Qt::BitmapCursor) << dialog->windowTitle().toStdString();
    EXPECT_EQ(lignebrisee->supp3d->cursor().shape(), Qt::BitmapCursor);

    main->menuItem("libre1")->trigger();
    QTest::mouseClick(plibre->BitBtn1, Qt::LeftButton);
    QTest::mouseClick(plibre->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(pproj->Lnom->text(), "C");
    spoint->supp3d->show();
    main->Fonctiondex1Click();
    for (const PointDialog* dialog : std::initializer_list<const PointDialog*>{
             pfixe, plibre, pcourbe, Ptmilieu, transzone, symzone, rotzone, pproj})
        EXPECT_EQ(dialog->Lnom->text(), "A") << dialog->windowTitle().toStdString();
    EXPECT_FALSE(spoint->supp3d->isVisibleTo(spoint));
    EXPECT_FALSE(plibre->isVisible());
}

void typeText(QWidget& edit, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void typeAndCreate(ConstructionDialog& dialog, std::initializer_list<std::pair<ColourEdit*, const char*>> texts) {
    for (const auto& [edit, text] : texts) {
        edit->clear();
        typeText(*edit, text);
    }
    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
}

QPoint pixelOfSlot(int slot) { return {PlotFrame.column(PointTable[slot].x), PlotFrame.row(PointTable[slot].y)}; }

bool redNear(const QImage& picture, QPoint at) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (fromQColor(picture.pixelColor(at + QPoint(dx, dy))) == clRed) return true;
    return false;
}

// f(x) = x²: a free point A, a point B on the curve, the line (AB), the tangent
// at 1, the midpoint C of [AB] and the image D of A by a quarter turn about O
// with its construction shown; then A is dragged and C, D and the line follow.
TEST(TypicalUse, ConstructionsFollowTheDraggedFreePoint) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1280, 1024);
    ASSERT_NE(main, nullptr);
    typeText(*foncZone->Editf, QString::fromUtf8("x²"));
    QTest::keyClick(foncZone->Editf, Qt::Key_Return);
    ASSERT_EQ(CurveSlot[1].formula, "x^2");

    main->menuItem("libre1")->trigger();
    QTest::mouseClick(plibre->BitBtn1, Qt::LeftButton);
    main->menuItem("libresurunecourbe1")->trigger();
    QTest::mouseClick(pcourbe->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(PointCount, 2);
    EXPECT_EQ(PointTable[1].kind, PointKind::Free);
    EXPECT_EQ(PointTable[2].kind, PointKind::OnCurve);
    EXPECT_EQ(PointTable[2].y, PointTable[2].x * PointTable[2].x);

    main->menuItem("Avecdeuxpoints1")->trigger();
    typeText(*dpoint->Editnom, "ab");
    QTest::keyClick(dpoint->Editnom, Qt::Key_Return);
    main->menuItem("tangente1")->trigger();
    typeText(*dtan->Edita, "1");
    QTest::keyClick(dtan->Edita, Qt::Key_Return);
    ASSERT_EQ(LineCount, 2);

    main->menuItem("Milieudunsegment1")->trigger();
    typeAndCreate(*Ptmilieu, {{Ptmilieu->Editnom, "AB"}});
    main->menuItem("Rotation1")->trigger();
    rotzone->construction->click();
    typeAndCreate(*rotzone, {{rotzone->Dep, "A"}, {rotzone->centre, "O"}, {rotzone->angle, "pi/2"}});
    ASSERT_EQ(PointCount, 4);
    EXPECT_EQ(rotzone->Lnom->text(), "E");

    QWidget* surface = grafzone->surface();
    const QPoint target(PlotFrame.column(-6), PlotFrame.row(-5));
    // A point on the curve within reach of A would be picked first: the user moves it away.
    const QPoint a = pixelOfSlot(1), b = pixelOfSlot(2);
    if ((a - b).manhattanLength() < 40) drag(surface, b, QPoint(PlotFrame.column(2), PlotFrame.row(4)));
    drag(surface, pixelOfSlot(1), target);

    const WorldPoint movedA{PlotFrame.worldX(target.x()), PlotFrame.worldY(target.y())};
    EXPECT_EQ(PointTable[1].x, movedA.x);
    EXPECT_EQ(PointTable[1].y, movedA.y);
    const WorldPoint middle = midpoint(movedA, {PointTable[2].x, PointTable[2].y});
    EXPECT_EQ(PointTable[3].x, middle.x);
    EXPECT_EQ(PointTable[3].y, middle.y);
    EXPECT_NEAR(static_cast<double>(PointTable[4].x), static_cast<double>(-movedA.y), 1e-15);
    EXPECT_NEAR(static_cast<double>(PointTable[4].y), static_cast<double>(movedA.x), 1e-15);

    const QImage& picture = grafzone->WindowPicture;
    EXPECT_TRUE(redNear(picture, pixelOfSlot(1)));
    EXPECT_TRUE(redNear(picture, pixelOfSlot(3)));
    EXPECT_TRUE(redNear(picture, pixelOfSlot(4)));
    // The line (AB) a little beyond A, and the arm from A to the centre of the rotation.
    const WorldPoint beyond{movedA.x + (movedA.x - PointTable[2].x) / 8, movedA.y + (movedA.y - PointTable[2].y) / 8};
    EXPECT_TRUE(redNear(picture, {PlotFrame.column(beyond.x), PlotFrame.row(beyond.y)}));
    EXPECT_TRUE(redNear(picture, {PlotFrame.column(movedA.x / 2), PlotFrame.row(movedA.y / 2)}));

    QString folder = qEnvironmentVariable("LUMOVA_SCREENSHOT_DIR");
    if (folder.isEmpty()) folder = LUMOVA_SCREENSHOT_DEFAULT_DIR;
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath("constructions_apres_deplacement_1280x1024.png");
    EXPECT_TRUE(main->grab().save(path)) << path.toStdString();
}

}  // namespace

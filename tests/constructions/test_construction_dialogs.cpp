#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/tgrafzone.h"
#include "tests/support/graph_scene.h"
#include "tests/support/points.h"

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;  // field name, text typed

// f(x) = x² on a shown 680 x 540 graph window with the default frame, A (3, 3)
// and B (1, 2) fixed.
class DialogScene : public GraphScene {
protected:
    void SetUp() override {
        GraphScene::SetUp();
        CurveSlot[1].formula = "x^2";
        addPoint(PointKind::Fixed, 3, 3);
        addPoint(PointKind::Fixed, 1, 2);
        graph_->show();
        graph_->repaintGraph();
    }
    void TearDown() override {
        dialog_.reset();
        GraphScene::TearDown();
    }

    ColourEdit& field(const char* name) const {
        auto* edit = dialog_->findChild<ColourEdit*>(name);
        if (!edit) throw std::runtime_error(std::string("no field ") + name);
        return *edit;
    }
    void type(const Texts& texts) {
        for (const auto& [name, text] : texts) {
            field(name).clear();
            QTest::keyClicks(&field(name), text);
        }
    }
    void create() { QTest::mouseClick(dialog_->BitBtn1, Qt::LeftButton); }

    std::unique_ptr<ConstructionDialog> dialog_;
};

struct DialogCase {
    const char* name;
    std::function<ConstructionDialog*()> make;
    Texts good;
    int* count;
    Texts bad;
    const char* redField;  // the field the bad texts turn red; null for a silent refusal
};

class EveryDialog : public DialogScene, public testing::WithParamInterface<DialogCase> {};

TEST_P(EveryDialog, CreatesFromGoodFieldsAndShowsWhichFieldIsWrong) {
    const DialogCase& c = GetParam();
    dialog_.reset(c.make());
    EXPECT_EQ(dialog_->BitBtn1->text(), QString::fromUtf8("Créer ?"));
    const int before = *c.count;

    if (!c.bad.empty()) {
        type(c.bad);
        create();
        EXPECT_EQ(*c.count, before);
        for (const auto& [name, text] : c.bad) {
            const bool red = c.redField && std::string(c.redField) == name;
            EXPECT_EQ(field(name).fontColour(), red ? clRed : clBlue) << name;
        }
    }

    type(c.good);
    if (c.good.empty()) create();
    else QTest::keyClick(&field(c.good.back().first), Qt::Key_Return);
    EXPECT_EQ(*c.count, before + 1);
    for (const auto& [name, text] : c.good) EXPECT_EQ(field(name).fontColour(), clBlack) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, EveryDialog,
    testing::Values(
        DialogCase{"Tpfixe", [] { return new Tpfixe; }, {{"Editx", "1"}, {"Edity", "pi"}}, &PointCount,
                   {{"Editx", "1/"}, {"Edity", "2"}}, "Editx"},
        DialogCase{"Tplibre", [] { return new Tplibre; }, {}, &PointCount, {}, nullptr},
        DialogCase{"Tpcourbe", [] { return new Tpcourbe; }, {}, &PointCount, {}, nullptr},
        DialogCase{"TPtmilieu", [] { return new TPtmilieu; }, {{"Editnom", "ab"}}, &PointCount,
                   {{"Editnom", "AA"}}, "Editnom"},
        DialogCase{"Ttranszone", [] { return new Ttranszone; }, {{"Dep", "o"}, {"scalaire", "1"}, {"vec", "i"}},
                   &PointCount, {{"Dep", "A"}, {"scalaire", "1/"}, {"vec", "AB"}}, "scalaire"},
        DialogCase{"Tsymzone", [] { return new Tsymzone; }, {{"Dep", "O"}, {"vec", "AB"}}, &PointCount,
                   {{"Dep", "O"}, {"vec", "AA"}}, nullptr},
        DialogCase{"Trotzone", [] { return new Trotzone; }, {{"Dep", "A"}, {"centre", "O"}, {"angle", "pi/2"}},
                   &PointCount, {{"Dep", "A"}, {"centre", "O"}, {"angle", "pi/"}}, "angle"},
        DialogCase{"Tpproj", [] { return new Tpproj; }, {{"Dep", "A"}}, &PointCount, {{"Dep", "C"}}, "Dep"},
        DialogCase{"Tspoint", [] { return new Tspoint; }, {{"Editnom", "AB"}}, &SegmentCount, {{"Editnom", "A"}},
                   "Editnom"},
        DialogCase{"Tdpoint", [] { return new Tdpoint; }, {{"Editnom", "AB"}}, &LineCount, {{"Editnom", "AZ"}},
                   "Editnom"},
        DialogCase{"Tdreduite", [] { return new Tdreduite; }, {{"edita", "2"}, {"Editb", "1"}}, &LineCount,
                   {{"edita", ""}, {"Editb", "1"}}, "edita"},
        DialogCase{"Tdcartesienne", [] { return new Tdcartesienne; },
                   {{"edita", "0"}, {"Editb", "2"}, {"Editc", "-4"}}, &LineCount,
                   {{"edita", "0"}, {"Editb", "0"}, {"Editc", "1"}}, nullptr},
        DialogCase{"Tdtan", [] { return new Tdtan; }, {{"Edita", "1"}}, &LineCount, {{"Edita", "1/"}}, "Edita"},
        DialogCase{"Tdnormal", [] { return new Tdnormal; }, {{"Edita", "1"}}, &LineCount, {{"Edita", "1/"}},
                   "Edita"},
        DialogCase{"Tlignebrisee", [] { return new Tlignebrisee; }, {{"Editnom", "ABOA"}}, &PolygonCount,
                   {{"Editnom", "A"}}, "Editnom"},
        DialogCase{"Tpoly", [] { return new Tpoly; }, {{"Editnom", "ABO"}}, &FacetCount, {{"Editnom", "ABA"}},
                   "Editnom"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogScene, ARefusalInTheStatusBarGoesWithTheNextAttemptButAModeHintStays) {
    dialog_.reset(new Tpcourbe);
    const QString refusal = QString::fromUtf8("Le point n'est pas créé : la courbe de f ne passe pas dans la fenêtre.");
    CurveSlot[1].formula = "x^2+100";
    create();
    EXPECT_EQ(grafzone->statusText(), refusal);
    CurveSlot[1].formula = "x^2";
    create();
    EXPECT_EQ(grafzone->statusText(), "");

    CurveSlot[1].formula = "x^2+100";
    create();
    grafzone->setStatusText("Cliquer sur le graphique.");
    CurveSlot[1].formula = "x^2";
    create();
    EXPECT_EQ(grafzone->statusText(), "Cliquer sur le graphique.");
}

TEST_F(DialogScene, EveryNextNameLabelFollowsTheCount) {
    Tplibre free;
    Tpfixe fixed;
    Tpproj projection;
    EXPECT_EQ(free.Lnom->text(), "C");
    QTest::mouseClick(free.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(fixed.Lnom->text(), "D");
    EXPECT_EQ(projection.Lnom->text(), "D");
    while (PointCount < MaxUserPoints) addPoint(PointKind::Fixed, 1, 1);
    projection.show();
    EXPECT_EQ(projection.Lnom->text(), "Fin.");
    QTest::mouseClick(free.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(PointCount, MaxUserPoints);
}

TEST_F(DialogScene, TranslationOfTheOriginByIShowsAtOneZero) {
    auto* window = new Ttranszone;
    dialog_.reset(window);
    type({{"Dep", "O"}, {"vec", "i"}});
    create();
    EXPECT_EQ(PointTable[3].x, 1);
    EXPECT_EQ(PointTable[3].y, 0);
    EXPECT_TRUE(redNear(1.1L, 0.1L));  // the cross
}

TEST_F(DialogScene, CartesianEquationsDrawHorizontalAndVerticalLines) {
    dialog_.reset(new Tdcartesienne);
    type({{"edita", "0"}, {"Editb", "2"}, {"Editc", "-4"}});
    create();
    type({{"edita", "3"}, {"Editb", "0"}, {"Editc", "-6"}});
    create();
    EXPECT_TRUE(redNear(-7, 2));
    EXPECT_TRUE(redNear(7, 2));
    EXPECT_FALSE(redNear(7, 1));
    EXPECT_TRUE(redNear(2, -7.5L));
    EXPECT_TRUE(redNear(2, 7.5L));
}

struct GuideCase {
    const char* name;
    std::function<PointDialog*()> make;
    const char* box;
    Texts fields;
    bool* shown;
    long double x, y;  // a point of the guide only
};

class Guides : public DialogScene, public testing::WithParamInterface<GuideCase> {};

TEST_P(Guides, AreDrawnWhileTheirBoxIsTicked) {
    const GuideCase& c = GetParam();
    dialog_.reset(c.make());
    type(c.fields);
    create();
    ASSERT_EQ(PointCount, 3);
    EXPECT_FALSE(redNear(c.x, c.y));
    auto* box = dialog_->findChild<QCheckBox*>(c.box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_TRUE(*c.shown);
    EXPECT_TRUE(redNear(c.x, c.y));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_FALSE(*c.shown);
    EXPECT_FALSE(redNear(c.x, c.y));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Guides,
    testing::Values(
        // From A (3, 3) to its image (4, 3).
        GuideCase{"TranslationVectors", [] { return new Ttranszone; }, "vecteur", {{"Dep", "A"}, {"vec", "i"}},
                  &TranslationVectorsShown, 3.5L, 3},
        // The axis y = 2x beyond O.
        GuideCase{"SymmetryAxis", [] { return new Tsymzone; }, "axe", {{"Dep", "A"}, {"vec", "OB"}},
                  &SymmetryConstructionShown, -2, -4},
        // From A (3, 3) to the centre O.
        GuideCase{"RotationArms", [] { return new Trotzone; }, "construction",
                  {{"Dep", "A"}, {"centre", "O"}, {"angle", "pi/2"}}, &RotationConstructionShown, 1.5L, 1.5L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogScene, PolygonDestroyButtonTakesTheNewestPolygonAway) {
    auto* window = new Tlignebrisee;
    dialog_.reset(window);
    type({{"Editnom", "AB"}});
    create();
    ASSERT_TRUE(redNear(2, 2.5L));
    QTest::mouseClick(window->supp3d, Qt::LeftButton);
    QTest::mouseClick(window->supp3d, Qt::LeftButton);
    EXPECT_EQ(PolygonCount, 0);
    EXPECT_FALSE(redNear(2, 2.5L));
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <numbers>

#include "constructions/next_name_labels.h"
#include "constructions/tsupprimer.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/tgrafzone.h"
#include "tests/support/graph_scene.h"
#include "tests/support/points.h"

namespace {

class DeleteWindow : public GraphScene {
protected:
    void SetUp() override {
        GraphScene::SetUp();
        window_ = std::make_unique<Tsupprimer>();
        supprimer = window_.get();
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<Tsupprimer> window_;
};

TEST_F(DeleteWindow, HasItsSixButtons) {
    EXPECT_EQ(window_->windowTitle(), "Supprimer");
    EXPECT_EQ(window_->b1->text(), "Dernier point");
    EXPECT_EQ(window_->SpeedButton2->text(), "Dernier segment");
    EXPECT_EQ(window_->bdroite->text(), QString::fromUtf8("Dernière droite"));
    EXPECT_EQ(window_->SpeedButton5->text(), QString::fromUtf8("Dernier polygône"));
    EXPECT_EQ(window_->bsuite->text(), "Suite");
    EXPECT_EQ(window_->bfonction->text(), QString::fromUtf8("Fonction modifiée"));
}

TEST_F(DeleteWindow, LastPointDisappearsAndItsLineTurnsToTheOrigin) {
    addPoint(PointKind::Free, 4, 2);
    addPoint(PointKind::Free, 4, -6);
    LineTable[0] = TLineRecord{LineKind::TwoPoints, 1, 2};
    LineCount = 1;
    QLabel nextName("C");
    registerNextNameLabel(&nextName);
    graph_->repaintGraph();
    ASSERT_EQ(shown(4, -6), clRed);

    click(window_->b1);

    EXPECT_EQ(PointCount, 1);
    EXPECT_EQ(nextName.text(), "B");
    EXPECT_EQ(LineTable[0].p2, OriginSlot);
    EXPECT_NE(shown(4, -6), clRed);
    EXPECT_EQ(shown(-6, -3), clRed);  // (AO): y = x / 2
}

TEST_F(DeleteWindow, LastPointRightAfterTheFourteenthLeavesTheOriginAlone) {
    for (int i = 0; i < 14; ++i) addPoint(PointKind::Free, i % 5, 1);
    click(window_->b1);
    EXPECT_EQ(PointCount, 13);
    EXPECT_EQ(PointTable[OriginSlot].kind, PointKind::Fixed);
    EXPECT_EQ(PointTable[OriginSlot].x, 0);
    EXPECT_EQ(NextName(), "N");
}

struct CountCase {
    const char* name;
    int* count;
    QPushButton* Tsupprimer::*button;
};

class DeleteButtons : public DeleteWindow, public testing::WithParamInterface<CountCase> {};

TEST_P(DeleteButtons, TakeTheirCountDownByOneAndNeverBelowZero) {
    int& count = *GetParam().count;
    count = 2;
    click(window_.get()->*GetParam().button);
    EXPECT_EQ(count, 1);
    click(window_.get()->*GetParam().button);
    click(window_.get()->*GetParam().button);
    EXPECT_EQ(count, 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, DeleteButtons,
                         testing::Values(CountCase{"Segments", &SegmentCount, &Tsupprimer::SpeedButton2},
                                         CountCase{"Lines", &LineCount, &Tsupprimer::bdroite},
                                         CountCase{"Polygons", &PolygonCount, &Tsupprimer::SpeedButton5},
                                         CountCase{"Points", &PointCount, &Tsupprimer::b1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeleteWindow, SequenceIsNoLongerShown) {
    SequenceState = 2;
    click(window_->bsuite);
    EXPECT_EQ(SequenceState, 0);
}

TEST_F(DeleteWindow, ModifiedFunctionIsEmptiedAndErased) {
    CurveSlot[0].formula = "x";
    graph_->repaintGraph();
    ASSERT_EQ(shown(5, 5), clAqua);
    click(window_->bfonction);
    EXPECT_TRUE(CurveSlot[0].formula.empty());
    EXPECT_NE(shown(5, 5), clAqua);
}

TEST_F(DeleteWindow, WorksWithoutAGraphWindow) {
    grafzone = nullptr;
    addPoint(PointKind::Free, 1, 1);
    click(window_->b1);
    click(window_->bfonction);
    EXPECT_EQ(PointCount, 0);
}

// f(x) = x², a free point A and B, the image of A by a quarter turn about O,
// the midpoint of [AB], the line (AB), the tangent to f at 1 and a smoothed
// polygon, as the graph window shows them together. With LUMOVA_SCREENSHOT_DIR
// set, the picture is saved there.
TEST_F(GraphScene, EveryKindOfConstructionShowsOverTheCurves) {
    CurveSlot[1].formula = "x^2";
    const int a = addPoint(PointKind::Free, 3, 2), b = addPoint(PointKind::Free, -5, 1);
    const int turned = addPoint(PointKind::Rotation);
    PointTable[turned].source = a;
    PointTable[turned].first = OriginSlot;
    PointTable[turned].angle = std::numbers::pi_v<long double> / 2;
    const int middle = addPoint(PointKind::Midpoint);
    PointTable[middle].ref1 = a;
    PointTable[middle].ref2 = b;
    LineTable[0] = TLineRecord{LineKind::TwoPoints, a, b};
    TLineRecord tangent{LineKind::Tangent};
    tangent.slot = 1;
    tangent.a = 1;
    LineTable[1] = tangent;
    LineCount = 2;
    addPoint(PointKind::Fixed, 4, -2);
    addPoint(PointKind::Fixed, 8, -3);
    addPoint(PointKind::Fixed, 7, -6);
    addPoint(PointKind::Fixed, 3, -5);
    ASSERT_TRUE(appendPolygon("EFGHE", true));

    graph_->repaintGraph();

    EXPECT_EQ(shown(3, 2), clRed);
    EXPECT_EQ(shown(-2, 3), clRed);
    EXPECT_EQ(shown(-1, 1.5L), clRed);
    EXPECT_EQ(shown(1, 1), clRed);
    EXPECT_EQ(shown(7, -6), clRed);
    EXPECT_EQ(shown(2, 4), clBlue);
    if (const QByteArray folder = qgetenv("LUMOVA_SCREENSHOT_DIR"); !folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        EXPECT_TRUE(graph_->WindowPicture.save(QString::fromLocal8Bit(folder) + "/constructions.png"));
    }
}

}  // namespace

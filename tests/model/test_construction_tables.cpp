#include <gtest/gtest.h>

#include <QLabel>
#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "constructions/next_name_labels.h"
#include "model/construction_tables.h"
#include "model/state_reset.h"

namespace {

class ConstructionTables : public testing::Test {
protected:
    void SetUp() override {
        PointTable = {};
        initialisePlotState();
    }
    static void createPoints(int count) {
        for (int i = 0; i < count; ++i) {
            const int slot = takePointSlot();
            ASSERT_NE(slot, 0);
            PointTable[slot].kind = PointKind::Free;
            PointTable[slot].x = slot;
        }
    }
};

TEST_F(ConstructionTables, FourteenPointsAreNamedAToNThenTheFifteenthIsP) {
    std::string names;
    for (int i = 0; i < 15; ++i) {
        names += NextName();
        takePointSlot();
    }
    EXPECT_EQ(names, "ABCDEFGHIJKLMNP");
    EXPECT_EQ(PointCount, 16);
}

TEST_F(ConstructionTables, CountJumpsOverTheOriginAfterTheFourteenthPoint) {
    createPoints(13);
    EXPECT_EQ(takePointSlot(), 14);
    EXPECT_EQ(PointCount, OriginSlot);
    EXPECT_EQ(takePointSlot(), 16);
}

TEST_F(ConstructionTables, TwentyFifthPointTakesSlotZThenNoMore) {
    createPoints(24);
    EXPECT_EQ(NextName(), "Z");
    createPoints(1);
    EXPECT_EQ(PointCount, MaxUserPoints);
    EXPECT_EQ(NextName(), "Fin.");
    EXPECT_EQ(takePointSlot(), 0);
    EXPECT_EQ(PointCount, MaxUserPoints);
}

TEST_F(ConstructionTables, PointCreationNeverOverwritesThePresetSlots) {
    createPoints(25);
    EXPECT_EQ(PointTable[OriginSlot].kind, PointKind::Fixed);
    EXPECT_EQ(PointTable[OriginSlot].x, 0);
    EXPECT_EQ(PointTable[UnitXSlot].x, 1);
    EXPECT_EQ(PointTable[UnitYSlot].y, 1);
}

TEST_F(ConstructionTables, NamesFollowTheSlotLetters) {
    EXPECT_EQ(PointName(1), "A");
    EXPECT_EQ(PointName(OriginSlot), "O");
    EXPECT_EQ(PointName(26), "Z");
}

TEST_F(ConstructionTables, OriginIsAlwaysAValidReference) {
    EXPECT_TRUE(isValidPointReference(OriginSlot));
    EXPECT_FALSE(isValidPointReference(1));
    createPoints(2);
    EXPECT_TRUE(isValidPointReference(2));
    EXPECT_FALSE(isValidPointReference(3));
    EXPECT_FALSE(isValidPointReference(0));
}

TEST_F(ConstructionTables, DeletingTheLastPointRepointsEveryFigureThroughItToTheOrigin) {
    createPoints(3);
    LineTable[0] = TLineRecord{LineKind::TwoPoints, 1, 3};
    LineTable[1] = TLineRecord{LineKind::TwoPoints, 3, 2};
    LineTable[2] = TLineRecord{LineKind::ReducedEquation, 3, 3};  // not a line through two points
    LineCount = 3;
    SegmentTable[0] = {3, 1};
    SegmentTable[1] = {1, 2};
    SegmentCount = 2;
    ASSERT_TRUE(appendPolygon("ACBC", false));
    FacetTable[0].points = {1, 3, 2, 0};
    FacetCount = 1;
    EXPECT_EQ(deleteLastPoint(), 3);
    EXPECT_EQ(PointCount, 2);
    EXPECT_EQ(LineTable[0].p2, OriginSlot);
    EXPECT_EQ(LineTable[1].p1, OriginSlot);
    EXPECT_EQ(LineTable[1].p2, 2);
    EXPECT_EQ(LineTable[2].p1, 3);
    EXPECT_EQ(SegmentTable[0].p1, OriginSlot);
    EXPECT_EQ(SegmentTable[1].p2, 2);
    const std::array<int, 4> polygon{1, OriginSlot, 2, OriginSlot};
    EXPECT_TRUE(std::equal(polygon.begin(), polygon.end(), PolygonTable[0].vertices.begin()));
    EXPECT_EQ(FacetTable[0].points, (std::array<int, 4>{1, OriginSlot, 2, 0}));
}

TEST_F(ConstructionTables, DeletingWithNoPointDoesNothing) {
    EXPECT_EQ(deleteLastPoint(), 0);
    EXPECT_EQ(PointCount, 0);
}

TEST_F(ConstructionTables, DeletingTheFourteenthPointGoesBackToThirteenAndKeepsTheOrigin) {
    createPoints(14);
    ASSERT_EQ(PointCount, OriginSlot);
    SegmentTable[0] = {14, 1};
    SegmentCount = 1;
    EXPECT_EQ(deleteLastPoint(), 14);
    EXPECT_EQ(PointCount, 13);
    EXPECT_EQ(NextName(), "N");
    EXPECT_EQ(SegmentTable[0].p1, OriginSlot);
    EXPECT_EQ(PointTable[OriginSlot].kind, PointKind::Fixed);
    EXPECT_EQ(takePointSlot(), 14);
    EXPECT_EQ(takePointSlot(), 16);
}

TEST_F(ConstructionTables, ResetEmptiesEveryCountButKeepsThePresets) {
    createPoints(3);
    LineCount = SegmentCount = PolygonCount = FacetCount = ValuePointCount = 2;
    SequenceState = 1;
    clearConstructionCounts();
    EXPECT_EQ(PointCount + LineCount + SegmentCount + PolygonCount + FacetCount + ValuePointCount
                  + SequenceState,
              0);
    EXPECT_EQ(PointTable[UnitXSlot].kind, PointKind::Fixed);
}

struct PolygonCase {
    const char* name;
    int points;
    std::string vertices;
    bool accepted;
};

class PolygonCreation : public testing::TestWithParam<PolygonCase> {};

TEST_P(PolygonCreation, AcceptsOnlyTwoToAHundredValidNames) {
    PointTable = {};
    initialisePlotState();
    for (int i = 0; i < GetParam().points; ++i) takePointSlot();
    EXPECT_EQ(appendPolygon(GetParam().vertices, true), GetParam().accepted);
    EXPECT_EQ(PolygonCount, GetParam().accepted ? 1 : 0);
    if (GetParam().accepted) {
        EXPECT_EQ(PolygonTable[0].vertexCount, static_cast<int>(GetParam().vertices.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, PolygonCreation,
    testing::Values(PolygonCase{"ClosedOutline", 3, "ABCA", true},
                    PolygonCase{"ThroughTheOrigin", 2, "AOB", true},
                    PolygonCase{"SingleLetter", 3, "A", false},
                    PolygonCase{"UnknownPoint", 2, "ABC", false},
                    PolygonCase{"HundredVertices", 2, std::string(100, 'A'), true},
                    PolygonCase{"HundredAndOneVertices", 2, std::string(101, 'A'), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConstructionTables, PolygonTableRefusesAnEleventhPolygon) {
    createPoints(2);
    for (int i = 0; i < PolygonCapacity; ++i) ASSERT_TRUE(appendPolygon("AB", false));
    EXPECT_FALSE(appendPolygon("AB", false));
    EXPECT_EQ(PolygonCount, PolygonCapacity);
}

TEST_F(ConstructionTables, NextNameLabelsAreRewrittenAndDeletedOnesForgotten) {
    auto kept = std::make_unique<QLabel>("A");
    auto dropped = std::make_unique<QLabel>("A");
    registerNextNameLabel(kept.get());
    registerNextNameLabel(dropped.get());
    registerNextNameLabel(nullptr);
    dropped.reset();
    createPoints(2);
    rewriteNextNameLabels();
    EXPECT_EQ(kept->text(), "C");
    createPoints(23);
    rewriteNextNameLabels();
    EXPECT_EQ(kept->text(), "Fin.");
}

}  // namespace

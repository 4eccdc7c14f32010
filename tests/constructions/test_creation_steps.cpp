#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "constructions/creation_steps.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "tests/support/graph_scene.h"
#include "tests/support/points.h"

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// A draw that always gives the same number.
RandomBelow always(long long value) {
    return [value](long long n) { return n > 0 ? std::min(value, n - 1) : 0; };
}

// f(x) = x² on the default frame of "Fonction de x" in a 680 x 540 graph, with
// A (1, 2) free and B (3, 4) fixed.
class Creations : public testing::Test {
protected:
    void SetUp() override {
        startFunctionOfXState();
        PlotFrame.deriveFrom(680, 540);
        CurveSlot[1].formula = "x^2";
        addPoint(PointKind::Free, 1, 2);
        addPoint(PointKind::Fixed, 3, 4);
    }
    void TearDown() override { initialisePlotState(); }
    const TPointRecord& newest() const { return PointTable[PointCount]; }
};

TEST(FieldReading, NamesNumbersAndVectors) {
    EXPECT_EQ(slotOfFirstLetter("AB"), 1);
    EXPECT_EQ(slotOfLastLetter("AB"), 2);
    EXPECT_EQ(slotOfFirstLetter("O"), OriginSlot);
    EXPECT_FALSE(isValidPointReference(slotOfFirstLetter("")));
    EXPECT_FALSE(isValidPointReference(slotOfLastLetter("")));
    EXPECT_EQ(*readNumber("pi/2"), Pi / 2);
    EXPECT_EQ(*readNumber("1/2"), 0.5L);
    EXPECT_FALSE(readNumber("1/0"));
    EXPECT_FALSE(readNumber(""));
    EXPECT_EQ(readVector("i").first, OriginSlot);
    EXPECT_EQ(readVector("i").second, UnitXSlot);
    EXPECT_EQ(readVector("j").second, UnitYSlot);
    EXPECT_EQ(readVector("I").first, 9);
    EXPECT_EQ(readVector("AB").second, 2);
}

struct CreationCase {
    const char* name;
    std::function<Creation()> create;
    bool created;
    unsigned wrongFields;
};

class PointCreation : public Creations, public testing::WithParamInterface<CreationCase> {};

TEST_P(PointCreation, CreatesOrRefusesAsItsFieldsSay) {
    const Creation creation = GetParam().create();
    EXPECT_EQ(creation.created, GetParam().created);
    EXPECT_EQ(creation.wrongFields, GetParam().wrongFields);
    EXPECT_EQ(PointCount, GetParam().created ? 3 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PointCreation,
    testing::Values(
        CreationCase{"FixedPoint", [] { return createFixedPoint("pi/2", "-1"); }, true, 0},
        CreationCase{"FixedPointWithAWrongOrdinate", [] { return createFixedPoint("1", "z?"); }, false, 0b10},
        CreationCase{"FixedPointWithNothingTyped", [] { return createFixedPoint("", ""); }, false, 0b11},
        CreationCase{"Midpoint", [] { return createMidpoint("AB", false); }, true, 0},
        CreationCase{"MidpointWithTheOrigin", [] { return createMidpoint("OA", false); }, true, 0},
        CreationCase{"MidpointOfOneLetterTwice", [] { return createMidpoint("AA", false); }, false, 0b1},
        CreationCase{"MidpointOfAPointNotYetMade", [] { return createMidpoint("AC", false); }, false, 0b1},
        CreationCase{"MidpointInLowerCase", [] { return createMidpoint("ab", false); }, false, 0b1},
        CreationCase{"TranslationOfTheOriginByI", [] { return createTranslationImage("O", "1", "i", false); },
                     true, 0},
        CreationCase{"TranslationByAB", [] { return createTranslationImage("A", "1/2", "AB", false); }, true, 0},
        CreationCase{"TranslationByARepeatedLetter", [] { return createTranslationImage("A", "1", "AA", false); },
                     false, 0},
        CreationCase{"TranslationWithAWrongFactor", [] { return createTranslationImage("A", "1/", "AB", false); },
                     false, 0b10},
        CreationCase{"TranslationOfAPointNotYetMade", [] { return createTranslationImage("C", "1", "AB", false); },
                     false, 0},
        CreationCase{"TranslationByALowerCaseVector", [] { return createTranslationImage("A", "1", "ab", false); },
                     false, 0},
        CreationCase{"Symmetry", [] { return createSymmetryImage("O", "AB", false); }, true, 0},
        CreationCase{"SymmetryInARepeatedLetter", [] { return createSymmetryImage("O", "BB", false); }, false, 0},
        CreationCase{"Rotation", [] { return createRotationImage("A", "O", "pi/2", false); }, true, 0},
        CreationCase{"RotationWithAWrongAngle", [] { return createRotationImage("A", "O", "pi/", false); }, false,
                     0b100},
        CreationCase{"RotationAboutAPointNotYetMade", [] { return createRotationImage("A", "C", "1", false); },
                     false, 0},
        CreationCase{"ProjectionOnTheYAxis", [] { return createProjection("B", false); }, true, 0},
        CreationCase{"ProjectionOfAPointNotYetMade", [] { return createProjection("C", true); }, false, 0b1},
        CreationCase{"PointOnAnEmptyCurve", [] { return createPointOnCurve(2, always(0)); }, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Creations, RecordsKeepTheirReferencesAndFlags) {
    ASSERT_TRUE(createTranslationImage("O", "-1", "AB", true).created);
    EXPECT_EQ(newest().kind, PointKind::Translation);
    EXPECT_EQ(newest().source, OriginSlot);
    EXPECT_EQ(newest().factor, -1);
    EXPECT_TRUE(newest().trace);
    // k = -1 takes the origin by the vector BA.
    const WorldPoint image = translationImage({0, 0}, {1, 2}, {3, 4}, newest().factor);
    EXPECT_EQ(image.x, -2);
    EXPECT_EQ(image.y, -2);

    ASSERT_TRUE(createRotationImage("A", "XB", "pi/2", false).created);
    EXPECT_EQ(newest().first, 2);  // the centre is the last letter
    EXPECT_EQ(newest().angle, Pi / 2);
    EXPECT_FALSE(newest().trace);

    ASSERT_TRUE(createProjection("B", true).created);
    EXPECT_EQ(newest().kind, PointKind::ProjectionOnX);
    EXPECT_EQ(newest().ref1, 2);
}

using Creator = std::function<Creation()>;

struct CreatorCase {
    const char* name;
    Creator create;
    PointKind kind;
};

const CreatorCase EveryPointCreator[] = {
    {"Fixed", [] { return createFixedPoint("1", "1"); }, PointKind::Fixed},
    {"Free", [] { return createFreePoint(always(5)); }, PointKind::Free},
    {"OnCurve", [] { return createPointOnCurve(1, always(9)); }, PointKind::OnCurve},
    {"Midpoint", [] { return createMidpoint("AB", false); }, PointKind::Midpoint},
    {"Translation", [] { return createTranslationImage("A", "1", "j", false); }, PointKind::Translation},
    {"Symmetry", [] { return createSymmetryImage("O", "AB", false); }, PointKind::AxialSymmetry},
    {"Rotation", [] { return createRotationImage("A", "B", "pi", false); }, PointKind::Rotation},
    {"Projection", [] { return createProjection("B", false); }, PointKind::ProjectionOnY},
};

class EveryPointDialog : public Creations, public testing::WithParamInterface<CreatorCase> {};

TEST_P(EveryPointDialog, NamesTheFourteenthPointNAndTheNextP) {
    while (PointCount < 13) ASSERT_TRUE(createFixedPoint("0", "0").created);
    ASSERT_EQ(NextName(), "N");
    ASSERT_TRUE(GetParam().create().created);
    EXPECT_EQ(PointTable[14].kind, GetParam().kind);
    EXPECT_EQ(NextName(), "P");
    ASSERT_TRUE(GetParam().create().created);
    EXPECT_EQ(PointCount, 16);
    EXPECT_EQ(PointTable[16].kind, GetParam().kind);
    EXPECT_EQ(PointTable[OriginSlot].kind, PointKind::Fixed);
    EXPECT_EQ(PointTable[OriginSlot].x, 0);
}

TEST_P(EveryPointDialog, CreatesNothingOnceTwentySixPointsExist) {
    while (PointCount < MaxUserPoints) ASSERT_TRUE(createFixedPoint("0", "0").created);
    const TPointRecord last = PointTable[MaxUserPoints];
    EXPECT_FALSE(GetParam().create().created);
    EXPECT_EQ(PointCount, MaxUserPoints);
    EXPECT_EQ(PointTable[UnitXSlot].x, 1);
    EXPECT_EQ(PointTable[MaxUserPoints].kind, last.kind);
    EXPECT_EQ(NextName(), "Fin.");
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EveryPointDialog, testing::ValuesIn(EveryPointCreator),
                         [](const auto& info) { return std::string(info.param.name); });

struct ObjectCase {
    const char* name;
    std::function<Creation()> create;
    int* count;
    bool created;
    unsigned wrongFields;
};

class ObjectCreation : public Creations, public testing::WithParamInterface<ObjectCase> {};

TEST_P(ObjectCreation, AppendsOrRefusesAsItsFieldsSay) {
    const Creation creation = GetParam().create();
    EXPECT_EQ(creation.created, GetParam().created);
    EXPECT_EQ(creation.wrongFields, GetParam().wrongFields);
    EXPECT_EQ(*GetParam().count, GetParam().created ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ObjectCreation,
    testing::Values(
        ObjectCase{"Segment", [] { return createSegment("AB"); }, &SegmentCount, true, 0},
        ObjectCase{"SegmentToTheOrigin", [] { return createSegment("OB"); }, &SegmentCount, true, 0},
        ObjectCase{"SegmentOfOneLetter", [] { return createSegment("A"); }, &SegmentCount, false, 0b1},
        ObjectCase{"SegmentToAPointNotYetMade", [] { return createSegment("AD"); }, &SegmentCount, false, 0b1},
        ObjectCase{"LineThroughTwoPoints", [] { return createLineThroughPoints("BA"); }, &LineCount, true, 0},
        ObjectCase{"LineThroughOnePointTwice", [] { return createLineThroughPoints("AA"); }, &LineCount, false,
                   0b1},
        ObjectCase{"ReducedEquation", [] { return createReducedLine("2", "-1"); }, &LineCount, true, 0},
        ObjectCase{"ReducedEquationWithoutSlope", [] { return createReducedLine("", "1"); }, &LineCount, false,
                   0b1},
        ObjectCase{"CartesianEquation", [] { return createCartesianLine("0", "2", "-4"); }, &LineCount, true, 0},
        ObjectCase{"CartesianEquationWithoutXOrY", [] { return createCartesianLine("0", "0", "1"); }, &LineCount,
                   false, 0},
        ObjectCase{"CartesianEquationWithWrongCoefficients",
                   [] { return createCartesianLine("1/", "1", "?"); }, &LineCount, false, 0b101},
        ObjectCase{"Tangent", [] { return createContactLine(LineKind::Tangent, 1, "1"); }, &LineCount, true, 0},
        ObjectCase{"TangentToAnEmptyFunction", [] { return createContactLine(LineKind::Tangent, 3, "1"); },
                   &LineCount, false, 0},
        ObjectCase{"NormalAtAWrongAbscissa", [] { return createContactLine(LineKind::Normal, 1, "1/"); },
                   &LineCount, false, 0b1},
        ObjectCase{"ClosedPolygon", [] { return createPolygon("ABOA", true); }, &PolygonCount, true, 0},
        ObjectCase{"PolygonOfOneLetter", [] { return createPolygon("A", true); }, &PolygonCount, false, 0b1},
        ObjectCase{"Facet", [] { return createFacet("ABO"); }, &FacetCount, true, 0},
        ObjectCase{"FacetOfFourPoints", [] { return createFacet("ABOA"); }, &FacetCount, true, 0},
        ObjectCase{"FacetWithTheFirstPointAgain", [] { return createFacet("ABA"); }, &FacetCount, false, 0b1},
        ObjectCase{"FacetWithTheSecondPointAgain", [] { return createFacet("ABB"); }, &FacetCount, false, 0b1},
        ObjectCase{"FacetOfTwoPoints", [] { return createFacet("AB"); }, &FacetCount, false, 0b1},
        ObjectCase{"FacetOfFivePoints", [] { return createFacet("ABOAB"); }, &FacetCount, false, 0b1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Creations, TriangleIsStoredWithItsFirstVertexAgain) {
    ASSERT_TRUE(createFacet("ABO").created);
    EXPECT_EQ(FacetTable[0].points, (std::array<int, 4>{1, 2, OriginSlot, 1}));
}

TEST_F(Creations, FullTablesRefuse) {
    LineCount = LineCapacity;
    EXPECT_EQ(createLineThroughPoints("AB").wrongFields, 0b1u);
    EXPECT_FALSE(createReducedLine("1", "1").created);
    EXPECT_EQ(createContactLine(LineKind::Tangent, 1, "1").wrongFields, 0u);
    SegmentCount = SegmentCapacity;
    EXPECT_EQ(createSegment("AB").wrongFields, 0b1u);
    FacetCount = FacetCapacity;
    EXPECT_FALSE(createFacet("ABO").created);
    EXPECT_EQ(LineCount, LineCapacity);
    EXPECT_EQ(SegmentCount, SegmentCapacity);
    EXPECT_EQ(FacetCount, FacetCapacity);
}

// ---- Random placement ----------------------------------------------------------------

TEST_F(Creations, FreePointIsDrawnAgainUntilItLiesThirtyPixelsInside) {
    std::vector<long long> draws = {0, 0, 5, 8};
    std::size_t next = 0;
    const RandomBelow sequence = [&](long long) { return draws.at(next++); };
    const WorldPoint p = freePointPosition(sequence);
    EXPECT_EQ(next, 4u);  // (-10, -7.94) lies on the edge
    EXPECT_EQ(p.x, -5);
    EXPECT_EQ(p.y, -7.94L + 8);
}

TEST_F(Creations, FreePointGoesToTheCentreWhenNoDrawFits) {
    PlotFrame.xmin = 0.25L;  // narrower than one unit: every draw gives xmin
    PlotFrame.xmax = 0.75L;
    PlotFrame.deriveFrom(680, 540);
    int draws = 0;
    const WorldPoint p = freePointPosition([&](long long n) {
        ++draws;
        return n > 0 ? n / 2 : 0;
    });
    EXPECT_EQ(draws, 2 * PlacementDraws);
    EXPECT_EQ(p.x, 0.5L);
    EXPECT_EQ(p.y, 0);
    ASSERT_TRUE(createFreePoint(always(0)).created);
    EXPECT_EQ(newest().x, 0.5L);
}

TEST_F(Creations, PointOnACurveFallsBackOnTheFirstColumnWhereTheCurveShows) {
    // Every draw gives x = -10, where x² is far above the window.
    const auto x = curvePointAbscissa(1, always(0));
    ASSERT_TRUE(x);
    EXPECT_LT(*x * *x, PlotFrame.ymax);
    EXPECT_GT((*x - PlotFrame.pixelx) * (*x - PlotFrame.pixelx), PlotFrame.ymax);
}

TEST_F(Creations, PointOnACurveIsDrawnInItsDomainOfStudy) {
    CurveSlot[1].formula = "x";
    CurveSlot[1].domain = TDomain{2, 5, true};
    ASSERT_TRUE(createPointOnCurve(1, always(1)).created);
    EXPECT_EQ(newest().kind, PointKind::OnCurve);
    EXPECT_EQ(newest().slot, 1);
    EXPECT_EQ(newest().x, 3);
    EXPECT_EQ(newest().y, 3);
}

TEST_F(Creations, PointOnACurveOutsideTheWindowIsNotCreatedAndSaysWhy) {
    CurveSlot[2].formula = "x^2+100";
    const Creation creation = createPointOnCurve(2, always(3));
    EXPECT_FALSE(creation.created);
    EXPECT_EQ(creation.message, "Le point n'est pas créé : la courbe de g ne passe pas dans la fenêtre.");
    EXPECT_EQ(PointCount, 2);
}

}  // namespace

// Where the marks of the analysis windows fall, in pixels.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/plot_state.h"
#include "tools/graph_marks.h"

namespace {

// [-10, 10] on both axes over 320 x 320 pixels: 1/16 per pixel, origin at (160, 160).
TPlotFrame squareFrame() {
    TPlotFrame frame;
    frame.deriveFrom(320, 320);
    return frame;
}

bool contains(const Marks& marks, QPoint from, QPoint to) {
    return std::any_of(marks.begin(), marks.end(), [&](const MarkStroke& stroke) {
        return (stroke.from == from && stroke.to == to) || (stroke.from == to && stroke.to == from);
    });
}

TEST(MarkShapes, CrossIsTwoDiagonalsOfTheGivenReach) {
    Marks marks;
    addCross(marks, QPoint(50, 60), 10);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_TRUE(contains(marks, QPoint(40, 50), QPoint(60, 70)));
    EXPECT_TRUE(contains(marks, QPoint(40, 70), QPoint(60, 50)));
}

struct ChevronCase {
    const char* name;
    QPoint towards;
    QPoint wing1, wing2;
};

class ChevronShape : public ::testing::TestWithParam<ChevronCase> {};

TEST_P(ChevronShape, WingsGoFivePixelsBackAndFiveAside) {
    const ChevronCase& c = GetParam();
    Marks marks;
    const QPoint tip(100, 100);
    addChevron(marks, tip, c.towards);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_TRUE(contains(marks, tip, c.wing1));
    EXPECT_TRUE(contains(marks, tip, c.wing2));
}

INSTANTIATE_TEST_SUITE_P(
    , ChevronShape,
    ::testing::Values(ChevronCase{"Up", QPoint(0, -1), QPoint(95, 105), QPoint(105, 105)},
                      ChevronCase{"Down", QPoint(0, 1), QPoint(95, 95), QPoint(105, 95)},
                      ChevronCase{"Left", QPoint(-1, 0), QPoint(105, 95), QPoint(105, 105)},
                      ChevronCase{"Right", QPoint(1, 0), QPoint(95, 95), QPoint(95, 105)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageMarks, ReadFromTheAxisUpToTheCurveThenAcrossToTheYAxis) {
    const Marks marks = imageMarks(squareFrame(), 2, 3);
    EXPECT_TRUE(contains(marks, QPoint(192, 160), QPoint(192, 112)));
    EXPECT_TRUE(contains(marks, QPoint(192, 112), QPoint(160, 112)));
    // Half way up, pointing at the curve.
    EXPECT_TRUE(contains(marks, QPoint(192, 136), QPoint(187, 141)));
    EXPECT_TRUE(contains(marks, QPoint(192, 136), QPoint(197, 141)));
    // At x = a/2, pointing at the y axis.
    EXPECT_TRUE(contains(marks, QPoint(176, 112), QPoint(181, 107)));
    EXPECT_TRUE(contains(marks, QPoint(176, 112), QPoint(181, 117)));
    EXPECT_EQ(marks.size(), 6u);
}

TEST(ImageMarks, NegativeImageOfNegativeNumberPointsDownThenRight) {
    const Marks marks = imageMarks(squareFrame(), -2, -3);
    EXPECT_TRUE(contains(marks, QPoint(128, 160), QPoint(128, 208)));
    EXPECT_TRUE(contains(marks, QPoint(128, 184), QPoint(123, 179)));
    EXPECT_TRUE(contains(marks, QPoint(128, 184), QPoint(133, 179)));
    EXPECT_TRUE(contains(marks, QPoint(144, 208), QPoint(139, 203)));
    EXPECT_TRUE(contains(marks, QPoint(144, 208), QPoint(139, 213)));
}

TEST(ImageMarks, ZeroImageOnTheYAxisDrawsNoChevron) {
    const Marks marks = imageMarks(squareFrame(), 0, 0);
    EXPECT_EQ(marks.size(), 2u);
}

TEST(AntecedentMarks, LineAcrossThePictureWithChevronsPointingAwayFromTheYAxis) {
    const Marks marks = antecedentMarks(squareFrame(), 320, 2, {});
    EXPECT_TRUE(contains(marks, QPoint(0, 128), QPoint(320, 128)));
    EXPECT_TRUE(contains(marks, QPoint(175, 128), QPoint(170, 123)));
    EXPECT_TRUE(contains(marks, QPoint(175, 128), QPoint(170, 133)));
    EXPECT_TRUE(contains(marks, QPoint(145, 128), QPoint(150, 123)));
    EXPECT_TRUE(contains(marks, QPoint(145, 128), QPoint(150, 133)));
}

TEST(AntecedentMarks, EachSolutionIsReadDownToTheAxisAndUndefinedOnesAreSkipped) {
    const Marks marks = antecedentMarks(squareFrame(), 320, -2, {{1, -2}, {3, ErrorValue}});
    EXPECT_TRUE(contains(marks, QPoint(176, 160), QPoint(176, 192)));
    // Below the axis the chevron points up, its wings below the tip.
    EXPECT_TRUE(contains(marks, QPoint(176, 176), QPoint(171, 181)));
    EXPECT_TRUE(contains(marks, QPoint(176, 176), QPoint(181, 181)));
    EXPECT_EQ(marks.size(), 1u + 4u + 3u);
}

TEST(ZeroMarks, CrossesSitOnTheXAxis) {
    ZeroList zeros;
    zeros.count = 2;
    zeros.values[0] = -1;
    zeros.values[1] = 4;
    const Marks marks = zeroMarks(squareFrame(), zeros);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_TRUE(contains(marks, QPoint(134, 150), QPoint(154, 170)));
    EXPECT_TRUE(contains(marks, QPoint(214, 170), QPoint(234, 150)));
}

TEST(IntersectionMarks, CrossAtThePointAndASegmentDownToTheAxis) {
    const Marks marks = intersectionMarks(squareFrame(), {{1, 1}, {2, ErrorValue}});
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_TRUE(contains(marks, QPoint(166, 134), QPoint(186, 154)));
    EXPECT_TRUE(contains(marks, QPoint(176, 144), QPoint(176, 160)));
}

TEST(ExtremumMarks, DoubleArrowMeasuredInFrameUnits) {
    const Marks marks = extremumMarks(squareFrame(), {{2, 3}});
    ASSERT_EQ(marks.size(), 5u);
    // 0.8 either side is 12.8 pixels, truncated; the heads go back 0.5 (8 pixels), 0.1 aside.
    EXPECT_TRUE(contains(marks, QPoint(179, 112), QPoint(204, 112)));
    EXPECT_TRUE(contains(marks, QPoint(179, 112), QPoint(187, 111)));
    EXPECT_TRUE(contains(marks, QPoint(179, 112), QPoint(187, 114)));
    EXPECT_TRUE(contains(marks, QPoint(204, 112), QPoint(196, 111)));
    EXPECT_TRUE(contains(marks, QPoint(204, 112), QPoint(196, 114)));
}

TEST(RateMarks, RightAngleFromTheFirstPointWithBothDifferences) {
    const RateMarks marks = rateMarks(squareFrame(), {1, 1}, {3, 9});
    EXPECT_EQ(marks.path, (Marks{{QPoint(176, 144), QPoint(208, 144)}, {QPoint(208, 144), QPoint(208, 16)}}));
    EXPECT_EQ(marks.texts, (std::vector<MarkText>{{QPoint(192, 149), "2"}, {QPoint(213, 80), "8"}}));
}

}  // namespace

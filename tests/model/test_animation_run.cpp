// The values of k an animation run draws, and where it ends.

#include <gtest/gtest.h>

#include <vector>

#include "expression/matutil.h"
#include "model/animation_run.h"

namespace {

struct RunCase {
    const char* name;
    long double first, last, step;
    int frames;
    long double after;  // k after the last frame, rounded to 3 decimals
};

class AnimationFrames : public testing::TestWithParam<RunCase> {};

TEST_P(AnimationFrames, OnePerValueOfKThenOneStepFurther) {
    const RunCase& c = GetParam();
    std::vector<long double> drawn;
    const long double after = playAnimation(
        {true, c.first, c.last, c.step}, [&](long double k) { drawn.push_back(k); }, [] { return true; });
    ASSERT_EQ(static_cast<int>(drawn.size()), c.frames);
    EXPECT_EQ(RoundTo(drawn.front(), 3), RoundTo(c.first, 3));
    EXPECT_EQ(RoundTo(after, 3), RoundTo(c.after, 3));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, AnimationFrames,
    testing::Values(RunCase{"NineQuarterSteps", -2, 2, 0.5L, 9, 2.5L},
                    RunCase{"DownFromFiveByATenth", 5, -5, -0.1L, 101, -5.1L},
                    RunCase{"UpByATenth", -5, 5, 0.1L, 101, 5.1L},
                    RunCase{"AStepAwayFromTheLastDrawsOneFrame", 1, 3, -1, 1, 0},
                    RunCase{"ALastValueMissedByTheStep", 0, 1, 0.3L, 4, 1.2L}),
    [](const testing::TestParamInfo<RunCase>& info) { return info.param.name; });

TEST(AnimationSteps, TooSmallToMoveKStillReachTheLastValue) {
    // Added up, 1e20 + 1 stays 1e20 and the run would never end.
    int frames = 0;
    playAnimation({true, 1e20L, 1e20L + 64, 1}, [&](long double) { ++frames; }, [&] { return frames < 1000; });
    EXPECT_GE(frames, 60);
    EXPECT_LE(frames, 70);
}

TEST(AnimationStop, EndsTheRunAfterTheFrameBeingShown) {
    int frames = 0;
    const long double after =
        playAnimation({true, 0, 10, 1}, [&](long double) { ++frames; }, [&] { return frames < 3; });
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(after, 3);
}

}  // namespace

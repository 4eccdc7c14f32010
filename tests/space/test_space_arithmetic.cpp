// The plain arithmetic of the space view: the surface mesh, the axes, the
// camera, the intro's counters and the bound on rebuilding after errors.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/space_state.h"
#include "space/axes_geometry.h"
#include "space/gl_error_recovery.h"
#include "space/intro_animation.h"
#include "space/space_camera.h"
#include "space/surface_mesh.h"

namespace {

constexpr long double Close = 1e-12L;

// The left edges of the cells of the first row that has cells, in order.
std::vector<long double> leftEdgesOfFirstRow(const SurfaceMesh& mesh) {
    std::vector<long double> edges;
    for (const SurfaceCell& cell : mesh.cells)
        if (cell.corners[0].y == mesh.cells.front().corners[0].y) edges.push_back(cell.corners[0].x);
    return edges;
}

TEST(SurfaceMesh, CellsStartAtXminAndTheLastOneStartsAtOrBelowXmax) {
    const SurfaceMesh mesh = buildSurfaceMesh("0", TSpaceFrame{}, 0.4L);
    ASSERT_TRUE(mesh.compiled);
    const std::vector<long double> edges = leftEdgesOfFirstRow(mesh);
    ASSERT_GE(edges.size(), 15u);
    EXPECT_EQ(edges.front(), -3);
    EXPECT_NEAR(edges[1], -2.6L, Close);
    for (std::size_t i = 1; i < edges.size(); ++i) EXPECT_NEAR(edges[i] - edges[i - 1], 0.4L, Close);
    EXPECT_LE(edges.back(), 3);
    EXPECT_GT(edges.back() + 0.4L, 3);
    // As many rows as columns on the square frame, each cell drawn.
    EXPECT_EQ(mesh.cells.size(), edges.size() * edges.size());
    long double right = -10;
    for (const SurfaceCell& cell : mesh.cells) right = std::max(right, cell.corners[2].x);
    EXPECT_NEAR(right, edges.back() + 0.4L, Close);
}

struct MeshCase {
    const char* name;
    const char* formula;
    long double xmin, h;
    bool compiled;
    std::size_t cells;  // in the whole mesh
    long double zmin, zmax;
};

class SurfaceMeshCases : public ::testing::TestWithParam<MeshCase> {};

TEST_P(SurfaceMeshCases, CellsAndZRange) {
    const MeshCase& c = GetParam();
    TSpaceFrame frame;
    frame.xmin = c.xmin;
    const SurfaceMesh mesh = buildSurfaceMesh(c.formula, frame, c.h);
    EXPECT_EQ(mesh.compiled, c.compiled);
    EXPECT_EQ(mesh.cells.size(), c.cells);
    EXPECT_NEAR(mesh.zmin, c.zmin, Close);
    EXPECT_NEAR(mesh.zmax, c.zmax, Close);
    for (const SurfaceCell& cell : mesh.cells)
        for (const SpaceVector& corner : cell.corners) EXPECT_LT(std::fabs(corner.z), 100);
}

// On [-3, 3] the grids of step 0.4 and 0.2 have 15 and 30 columns (and rows):
// the additions land just above 3.
INSTANTIATE_TEST_SUITE_P(
    Formulas, SurfaceMeshCases,
    ::testing::Values(
        MeshCase{"zero_keeps_the_range_at_least_minus_one_one", "0", -3, 0.4L, true, 15 * 15, -1, 1},
        // Only the (x + h, y + h) corners count: x + y reaches -6 at (-3, -3), but its range starts at -5.2.
        MeshCase{"range_from_the_far_corners_only", "x+y", -3, 0.4L, true, 15 * 15, -5.2L, 6},
        // The column at x = 0 (reached by additions of 0.2) touches two cells of each row.
        MeshCase{"inverse_leaves_out_the_cells_at_the_pole", "1/x", -3, 0.2L, true, 30 * 28, -5, 2.5L},
        // Each row from its first cell whose corners are all at x >= 0 (left edge 0.2).
        MeshCase{"square_root_drawn_where_it_is_defined", "sqrt(x)", -3, 0.4L, true, 7 * 15, -1, std::sqrt(3.0L)},
        // The hemisphere of radius 2 stands inside the frame [-3, 3] x [-3, 3].
        MeshCase{"hemisphere_inside_the_frame", "sqrt(4-x^2-y^2)", -3, 0.4L, true, 61, -1, std::sqrt(4 - 2 * 0.04L)},
        MeshCase{"square_root_from_zero_draws_everything", "sqrt(x)", 0, 0.4L, true, 8 * 15, -1, std::sqrt(3.2L)},
        // 40x reaches 100 below x = -2.5 and beyond x = 2.5: four columns are left out.
        MeshCase{"values_of_100_or_more_left_out", "40*x", -3, 0.4L, true, 11 * 15, -72, 88},
        // e(x) as its slot holds it.
        MeshCase{"exponential", "exp(x)", -3, 0.4L, true, 15 * 15, -1, std::exp(3.0L)},
        MeshCase{"formula_that_does_not_compile", "2*x+", -3, 0.4L, false, 0, -1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SurfaceMesh, NormalOfAPlaneIsItsUnitNormal) {
    const SurfaceMesh mesh = buildSurfaceMesh("x", TSpaceFrame{}, 0.2L);
    ASSERT_FALSE(mesh.cells.empty());
    for (const SurfaceCell& cell : mesh.cells) {
        EXPECT_NEAR(cell.normal.x, -1 / std::sqrt(2.0L), Close);
        EXPECT_NEAR(cell.normal.y, 0, Close);
        EXPECT_NEAR(cell.normal.z, 1 / std::sqrt(2.0L), Close);
    }
}

// f = 0 leaves the z range at [-1, 1]: the z axis runs from -3 to 3, its ticks from -3 to 2.
TEST(AxesGeometry, ZAxisOfAFlatSurface) {
    TSpaceFrame frame;
    frame.zmin = -1;
    frame.zmax = 1;
    const AxesGeometry axes = axesGeometry(frame);
    EXPECT_EQ(axes.axes[2].from.z, -3);
    EXPECT_EQ(axes.axes[2].to.z, 3);
    std::vector<long double> zTicks;
    for (const SpaceSegment& tick : axes.ticks)
        if (tick.from.x != tick.to.x) zTicks.push_back(tick.from.z);
    EXPECT_EQ(zTicks, (std::vector<long double>{-3, -2, -1, 0, 1, 2}));
    EXPECT_EQ(axes.labels[2].text, "z");
    EXPECT_EQ(axes.labels[2].distance, 3.5);
    // Sizes between the scroll bar's steps of 3 fall between theirs.
    EXPECT_EQ(labelSizeFor(13), 0.5);
    EXPECT_GT(labelSizeFor(14), labelSizeFor(13));
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetCamera();
        endDrag();
    }
};

TEST_F(CameraTest, LeftDragTurnsHalfADegreePerPixel) {
    beginDrag(SpaceButton::Left, 100, 100);
    EXPECT_TRUE(dragTo(110, 104));
    EXPECT_FLOAT_EQ(SpaceCamera.spin, -5);
    EXPECT_FLOAT_EQ(SpaceCamera.tilt, 2);
    EXPECT_TRUE(dragTo(107, 104));
    EXPECT_FLOAT_EQ(SpaceCamera.spin, -3.5f);
    endDrag();
    EXPECT_FALSE(dragTo(200, 200));
    EXPECT_FLOAT_EQ(SpaceCamera.spin, -3.5f);
}

TEST_F(CameraTest, RightDragMovesByATenthPerEventHoweverFar) {
    beginDrag(SpaceButton::Right, 100, 100);
    dragTo(101, 100);  // right: +y
    dragTo(300, 100);  // right again, far
    dragTo(250, 130);  // left and down: -y, -z
    dragTo(250, 129);  // up: +z
    EXPECT_NEAR(SpaceCamera.panY, 0.1f, 1e-6f);
    EXPECT_NEAR(SpaceCamera.panZ, 0, 1e-6f);
    EXPECT_FLOAT_EQ(SpaceCamera.tilt, 0);
}

TEST_F(CameraTest, MiddleButtonAndEscapePutTheCameraBack) {
    for (const bool byKey : {false, true}) {
        SpaceCamera = {10, 20, 2, 1, 1};
        if (byKey) cameraKey(SpaceKey::Escape);
        else beginDrag(SpaceButton::Middle, 5, 5);
        EXPECT_FLOAT_EQ(SpaceCamera.tilt, 0);
        EXPECT_FLOAT_EQ(SpaceCamera.spin, 0);
        EXPECT_FLOAT_EQ(SpaceCamera.scale, 0.25f);
        EXPECT_FLOAT_EQ(SpaceCamera.panY, 0);
        EXPECT_FLOAT_EQ(SpaceCamera.panZ, 0);
        EXPECT_EQ(DragMode, DragKind::None);
    }
}

TEST_F(CameraTest, WheelAndPageKeysZoom) {
    zoomByWheel(120);
    EXPECT_FLOAT_EQ(SpaceCamera.scale, 0.25f * 0.9f);
    zoomByWheel(0);
    EXPECT_FLOAT_EQ(SpaceCamera.scale, 0.25f * 0.9f * 1.1f);
    resetCamera();
    cameraKey(SpaceKey::PageDown);
    EXPECT_FLOAT_EQ(SpaceCamera.scale, 0.25f * 1.1f);
    cameraKey(SpaceKey::PageUp);
    cameraKey(SpaceKey::Other);
    EXPECT_FLOAT_EQ(SpaceCamera.scale, 0.25f * 1.1f * 0.9f);
}

TEST(IntroAnimation, TextStartsAgainAfterAbout1150Ticks) {
    resetIntro();
    int ticks = 0;
    while (!advanceIntro() && ticks < 2000) ++ticks;
    ++ticks;
    EXPECT_GE(ticks, 1150);
    EXPECT_LE(ticks, 1152);
    EXPECT_FLOAT_EQ(IntroTextPos, 6);
    EXPECT_NEAR(IntroAngle, 0.6f * float(ticks), 0.5f);
    EXPECT_EQ(introTickInterval(1), 70);
    EXPECT_EQ(introTickInterval(2), 30);
    EXPECT_EQ(introTickInterval(3), 10);
    EXPECT_EQ(introLines().size(), 13u);
}

struct RecoveryStep {
    int atMilliseconds;
    bool frameFailed;
    GLErrorRecovery::Action action;  // for a failed frame
    int delay;
};

struct RecoveryCase {
    const char* name;
    std::vector<RecoveryStep> steps;
};

class GLErrorRecoveryCases : public ::testing::TestWithParam<RecoveryCase> {};

TEST_P(GLErrorRecoveryCases, RebuildsAtMostOnceASecondAndThreeTimesInARow) {
    using Action = GLErrorRecovery::Action;
    GLErrorRecovery recovery;
    const auto start = GLErrorRecovery::Clock::now();
    for (const RecoveryStep& step : GetParam().steps) {
        const auto now = start + std::chrono::milliseconds(step.atMilliseconds);
        if (!step.frameFailed) {
            recovery.afterGoodFrame();
            continue;
        }
        const auto decision = recovery.afterFailedFrame(now);
        EXPECT_EQ(decision.action, step.action) << step.atMilliseconds;
        if (step.action == Action::Rebuild) {
            EXPECT_EQ(decision.delay.count(), step.delay) << step.atMilliseconds;
        }
    }
}

using A = GLErrorRecovery::Action;
INSTANTIATE_TEST_SUITE_P(
    Sequences, GLErrorRecoveryCases,
    ::testing::Values(
        RecoveryCase{"first_error_rebuilds_at_once", {{0, true, A::Rebuild, 0}}},
        RecoveryCase{"second_error_waits_for_the_second", {{0, true, A::Rebuild, 0}, {300, true, A::Rebuild, 700}}},
        RecoveryCase{"fourth_in_a_row_gives_up",
                     {{0, true, A::Rebuild, 0},
                      {2000, true, A::Rebuild, 0},
                      {4000, true, A::Rebuild, 0},
                      {6000, true, A::GiveUp, 0},
                      {9000, true, A::GiveUp, 0}}},
        RecoveryCase{"a_good_frame_starts_the_count_again",
                     {{0, true, A::Rebuild, 0},
                      {2000, true, A::Rebuild, 0},
                      {4000, true, A::Rebuild, 0},
                      {4100, false, A::Rebuild, 0},
                      {6000, true, A::Rebuild, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// The plain arithmetic of the space objects: the section formulas the plane
// graph is given, where planes and names are drawn, the density of the solids,
// and the bounds that keep very wide frames from running away.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/space_state.h"
#include "space/axes_geometry.h"
#include "space/scene_objects.h"
#include "space/section_formula.h"
#include "space/surface_mesh.h"

namespace {

std::string name(const auto& info) { return std::string(info.param.name); }

struct SectionCase {
    const char* name;
    int sectionKind;
    TCuttingPlane plane;
    SectionObjects objects;
    bool written;
    const char* first;
    const char* second;
    GraphType kind;
};

SectionObjects withSphere(TSphereRecord sphere) { return {"", sphere, {}, {}}; }
SectionObjects withCylinder(TCylinderRecord cylinder) { return {"", {}, cylinder, {}}; }
SectionObjects withCone(TConeRecord cone) { return {"", {}, {}, cone}; }
SectionObjects withSurface(const char* formula) { return {formula, {}, {}, {}}; }

class SectionFormula : public ::testing::TestWithParam<SectionCase> {};

TEST_P(SectionFormula, TextsAndGraphKind) {
    const SectionCase& c = GetParam();
    const SectionFormulas section = sectionFormulas(c.sectionKind, c.plane, c.objects);
    EXPECT_EQ(section.written, c.written);
    EXPECT_EQ(section.first, c.first);
    EXPECT_EQ(section.second, c.second);
    EXPECT_EQ(section.kind, c.kind);
}

constexpr TCuttingPlane X0{true, 1, 0}, Y2{true, 2, 2}, Zm1{true, 3, -1.5L};

INSTANTIATE_TEST_SUITE_P(
    Objects, SectionFormula,
    ::testing::Values(
        SectionCase{"sphere_cut_by_x", 2, X0, withSphere({true, 1, 0, 0, 2}), true,
                    "sqrt((2)^2-(x-(0))^2-((0)-(1))^2)+(0)", "-sqrt((2)^2-(x-(0))^2-((0)-(1))^2)+(0)",
                    GraphType::FunctionOfX},
        SectionCase{"sphere_cut_by_z", 2, Zm1, withSphere({true, 1, -2, 3, 0.5L}), true,
                    "sqrt((0.5)^2-(x-(1))^2-((-1.5)-(3))^2)+(-2)", "-sqrt((0.5)^2-(x-(1))^2-((-1.5)-(3))^2)+(-2)",
                    GraphType::FunctionOfX},
        SectionCase{"cylinder_along_z_cut_by_x_is_an_equation", 3, X0, withCylinder({true, 1, 1, 2, 0, 3}), true,
                    "((0)-(1))^2+(x-(2))^2-(3)^2", "", GraphType::Cartesian},
        SectionCase{"cylinder_along_y_cut_by_z_is_an_equation", 3, Zm1, withCylinder({true, 2, 1, 0, 2, 3}), true,
                    "(x-(1))^2+((-1.5)-(2))^2-(3)^2", "", GraphType::Cartesian},
        SectionCase{"cylinder_along_x_cut_by_y", 3, Y2, withCylinder({true, 3, 0, 1, 2, 3}), true,
                    "sqrt((3)^2-((2)-(1))^2)+(2)", "-sqrt((3)^2-((2)-(1))^2)+(2)", GraphType::FunctionOfX},
        SectionCase{"cone_along_z_cut_by_x_keeps_its_spaces", 4, X0, withCone({true, 1, 1, 2, 3, 0.25L}), true,
                    "sqrt( ( ((0)-(1))^2+(x-(2))^2)/(0.25))+(3)", "-sqrt( ( ((0)-(1))^2+(x-(2))^2)/(0.25))+(3)",
                    GraphType::FunctionOfX},
        SectionCase{"cone_along_x_cut_by_z", 4, Zm1, withCone({true, 3, 1, 2, 3, 4}), true,
                    "sqrt(-((-1.5)-(3))^2+(4)*(x-(1))^2)+(2)", "-sqrt(-((-1.5)-(3))^2+(4)*(x-(1))^2)+(2)",
                    GraphType::FunctionOfX},
        SectionCase{"surface_cut_by_x_names_y_x", 1, {true, 1, 2}, withSurface("x^2+y^2"), true, "(2)^2+(x)^2", "",
                    GraphType::FunctionOfX},
        SectionCase{"surface_cut_by_y", 1, Y2, withSurface("x*y"), true, "x*(2)", "", GraphType::FunctionOfX},
        SectionCase{"surface_cut_by_z_is_a_level_curve", 1, Zm1, withSurface("x^2+y^2"), true, "x^2+y^2-(-1.5)", "",
                    GraphType::Cartesian},
        SectionCase{"function_names_keep_their_letters", 1, {true, 1, 2}, withSurface("exp(-x^2)+max(x,y)"), true,
                    "exp(-(2)^2)+max((2),(x))", "", GraphType::FunctionOfX},
        SectionCase{"surface_needs_no_cutting_plane_flag", 1, {false, 2, 1}, withSurface("y"), true, "(1)", "",
                    GraphType::FunctionOfX},
        SectionCase{"no_surface", 1, X0, withSurface(""), false, "", "", GraphType::None},
        SectionCase{"deleted_sphere", 2, X0, withSphere({false, 1, 0, 0, 2}), false, "", "", GraphType::None},
        SectionCase{"no_cutting_plane", 2, {false, 1, 0}, withSphere({true, 1, 0, 0, 2}), false, "", "",
                    GraphType::None},
        SectionCase{"never_created_cone", 4, X0, withCone({true, 0, 0, 0, 0, 1}), false, "", "", GraphType::None},
        SectionCase{"kind_not_chosen", 0, X0, withSphere({true, 1, 0, 0, 2}), false, "", "", GraphType::None}),
    [](const auto& info) { return name(info); });

TEST(SectionBounds, TheGraphShowsTheTwoRemainingVariables) {
    TSpaceFrame frame{-1, 2, -3, 4, -5, 6};
    struct Case {
        int planeKind;
        long double xmin, xmax, ymin, ymax;
    };
    for (const Case& c : {Case{1, -3, 4, -5, 6}, Case{2, -1, 2, -5, 6}, Case{3, -1, 2, -3, 4}}) {
        const SectionBounds b = sectionBounds(c.planeKind, frame);
        EXPECT_EQ(b.xmin, c.xmin) << c.planeKind;
        EXPECT_EQ(b.xmax, c.xmax) << c.planeKind;
        EXPECT_EQ(b.ymin, c.ymin) << c.planeKind;
        EXPECT_EQ(b.ymax, c.ymax) << c.planeKind;
    }
}

struct PlaneCase {
    const char* name;
    TPlaneRecord plane;
    bool drawn;
    SpaceVector first, third;  // two opposite corners
};

class PlaneCorners : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(PlaneCorners, SolvedForZThenYThenX) {
    const PlaneCase& c = GetParam();
    TSpaceFrame frame{-3, 3, -2, 2, -7, 7};
    const std::optional<Quad> quad = planeCorners(c.plane, frame);
    ASSERT_EQ(quad.has_value(), c.drawn);
    if (!quad) return;
    for (const auto& [got, want] : {std::pair{(*quad)[0], c.first}, std::pair{(*quad)[2], c.third}}) {
        EXPECT_NEAR(got.x, want.x, 1e-15L);
        EXPECT_NEAR(got.y, want.y, 1e-15L);
        EXPECT_NEAR(got.z, want.z, 1e-15L);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Equations, PlaneCorners,
    ::testing::Values(PlaneCase{"x_equals_2_stands_across_y_and_z", {1, 0, 0, -2}, true, {2, -2, -7}, {2, 2, 7}},
                      PlaneCase{"y_plane", {1, 2, 0, 0}, true, {-3, 1.5L, -7}, {3, -1.5L, 7}},
                      PlaneCase{"slanted_z_plane", {1, 1, 2, -2}, true, {-3, -2, 3.5L}, {3, 2, -1.5L}},
                      PlaneCase{"no_plane_without_a_normal", {0, 0, 0, 5}, false, {}, {}}),
    [](const auto& info) { return name(info); });

TEST(PlaneColour, RedderFirstPalerAfter) {
    const std::array<std::array<float, 3>, 3> expected{{{0.9f, 0.2f, 0.2f}, {0.8f, 0.4f, 0.4f}, {0.7f, 0.6f, 0.6f}}};
    for (int k = 1; k <= 3; ++k)
        for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(planeColour(k)[i], expected[k - 1][i]) << k;
}

TEST(CuttingPlane, SpansTheFrameAcrossTheOtherTwoAxes) {
    TSpaceFrame frame{-3, 3, -2, 2, -7, 7};
    const Quad quad = cuttingPlaneCorners({true, 2, 1.5L}, frame);
    for (const SpaceVector& corner : quad) EXPECT_EQ(corner.y, 1.5L);
    EXPECT_EQ(quad[0].x, -3);
    EXPECT_EQ(quad[2].x, 3);
    EXPECT_EQ(quad[0].z, -7);
    EXPECT_EQ(quad[2].z, 7);
}

TEST(SolidDivisions, FollowTheMeshStepRoundingHalvesToEven) {
    struct Case {
        long double step;
        int sphere, wire, cylinder;
    };
    for (const Case& c : {Case{0.4L, 12, 22, 25}, Case{0.2L, 25, 45, 50}, Case{0.07L, 71, 129, 143}}) {
        EXPECT_EQ(solidDivisions(5, c.step), c.sphere) << double(c.step);
        EXPECT_EQ(solidDivisions(9, c.step), c.wire) << double(c.step);
        EXPECT_EQ(solidDivisions(10, c.step), c.cylinder) << double(c.step);
    }
}

TEST(LineAndName, LinesReachFarBeyondTheirPointsAndNamesStandOutward) {
    const std::array<SpaceVector, 2> ends = lineEnds({0, 0, 0}, {1, 0, 2});
    EXPECT_EQ(ends[0].x, 30);
    EXPECT_EQ(ends[0].z, 60);
    EXPECT_EQ(ends[1].x, -29);
    EXPECT_EQ(ends[1].z, -58);
    const SpaceVector at = nameOffset({-1, 0, 2});
    EXPECT_NEAR(at.x, -1.6L, 1e-18L);
    EXPECT_EQ(at.y, 0);
    EXPECT_NEAR(at.z, 2.6L, 1e-18L);
}

// A frame typed millions of units wide must neither hang nor fill the memory.
TEST(WideFrames, AxesAndSurfaceStayBounded) {
    TSpaceFrame wide{-1e9L, 1e9L, -1e30L, 1e30L, -7, 7};
    const AxesGeometry axes = axesGeometry(wide);
    EXPECT_LT(axes.ticks.size(), 5000u);
    EXPECT_GT(axes.ticks.size(), 100u);
    const SurfaceMesh mesh = buildSurfaceMesh("0", wide, 0.2L);
    ASSERT_TRUE(mesh.compiled);
    EXPECT_LE(mesh.cells.size(), 1002u * 1002u);
    EXPECT_GT(mesh.cells.size(), 0u);
    // Far from the origin the step no longer moves a coordinate.
    const SurfaceMesh far = buildSurfaceMesh("0", TSpaceFrame{1e25L, 1e25L + 1, 0, 1, -7, 7}, 0.2L);
    EXPECT_LE(far.cells.size(), 1002u * 1002u);
    // A session may bring an infinite bound: nothing to draw, and no failure.
    const long double infinity = std::numeric_limits<long double>::infinity();
    EXPECT_TRUE(buildSurfaceMesh("x*y", TSpaceFrame{-3, infinity, -3, 3, -7, 7}, 0.2L).cells.empty());
}

}  // namespace

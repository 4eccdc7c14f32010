// The scene code drawn into an OpenGL context without a display (Mesa's
// surfaceless EGL): the 3D text, frames of the scene and of the intro,
// checked by the colours of pixels where points of the scene land.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <array>
#include <string>

#include "model/space_state.h"
#include "space/axes_geometry.h"
#include "space/glyph_outlines.h"
#include "space/headless_gl.h"
#include "space/space_camera.h"
#include "model/construction_tables.h"
#include "space/space_scene.h"
#include "space/surface_mesh.h"

namespace {

constexpr int Width = 400, Height = 300;

const std::vector<GlyphOutline>& glyphs() {
    static const std::vector<GlyphOutline> outlines = glyphOutlines(GlyphFontName);
    return outlines;
}

struct GlyphCase {
    const char* name;
    int code;
    std::size_t contours;  // 0 for none
    bool advances;
};

class GlyphOutlines : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(GlyphOutlines, PrintableCodesHaveTheirShapeAndAdvance) {
    ASSERT_EQ(glyphs().size(), 256u);
    const GlyphCase& c = GetParam();
    const GlyphOutline& glyph = glyphs()[c.code];
    EXPECT_EQ(glyph.contours.size(), c.contours);
    EXPECT_EQ(glyph.advance > 0.2 && glyph.advance < 1.5, c.advances) << glyph.advance;
}

INSTANTIATE_TEST_SUITE_P(Codes, GlyphOutlines,
                         ::testing::Values(GlyphCase{"capital_i", 'I', 1, true}, GlyphCase{"capital_o", 'O', 2, true},
                                           GlyphCase{"e_acute", 0xE9, 3, true}, GlyphCase{"space", ' ', 0, true},
                                           GlyphCase{"nul", 0, 0, false}, GlyphCase{"line_feed", 10, 0, false},
                                           GlyphCase{"delete", 127, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Tone { White, Black, Blue, Dark, Green, Red };

bool hasTone(QColor colour, Tone tone) {
    const int r = colour.red(), g = colour.green(), b = colour.blue();
    switch (tone) {
        case Tone::White: return r > 240 && g > 240 && b > 240;
        case Tone::Black: return r < 40 && g < 40 && b < 40;
        case Tone::Blue: return b > 150 && r < 60 && g < 60;
        case Tone::Dark: return r < 80 && g < 80 && b < 110;
        case Tone::Green: return g > 120 && g > r + 50 && b < 100;
        case Tone::Red: return r > 120 && r > 2 * g && r > 2 * b;
    }
    return false;
}

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl.ready()) << gl.error();
        SpaceFrame = TSpaceFrame{};
        scene.create(glyphs());
        SpaceScene::setViewport(Width, Height);
    }
    void TearDown() override {
        scene.destroy();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    // Where a point of the scene lands in the picture (top row 0).
    static QPoint pixelOf(const TSpaceCamera& camera, const SpaceVector& point) {
        SpaceScene::loadSceneModelView(camera);
        std::array<GLdouble, 16> modelView{}, projection{};
        std::array<GLint, 4> viewport{};
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
        glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        GLdouble x = 0, y = 0, z = 0;
        gluProject(double(point.x), double(point.y), double(point.z), modelView.data(), projection.data(),
                   viewport.data(), &x, &y, &z);
        return {int(x), Height - 1 - int(y)};
    }
    // Whether that tone shows at the pixel or next to it (lines are one pixel wide).
    static bool toneNear(const QImage& picture, QPoint at, Tone tone) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (hasTone(picture.pixelColor(at + QPoint(dx, dy)), tone)) return true;
        return false;
    }
    HeadlessGL gl{Width, Height};
    SpaceScene scene;
};

// Each glyph list moves the pen by the glyph's advance, and its letter is 0.15 deep.
TEST_F(SceneTest, GlyphListsAdvanceAndAreExtruded) {
    for (const int code : {int('W'), 0xE9, int(' ')}) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glCallList(scene.glyphBase() + GLuint(code));
        std::array<GLdouble, 16> after{};
        glGetDoublev(GL_MODELVIEW_MATRIX, after.data());
        EXPECT_NEAR(after[12], glyphs()[code].advance, 1e-6) << code;
        EXPECT_EQ(after[13], 0) << code;
    }
    // Feedback gives the depth of every vertex; with identity matrices window z is (z + 1) / 2.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> feedback(200000);
    glFeedbackBuffer(GLsizei(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    glCallList(scene.glyphBase() + 'H');
    const GLint used = glRenderMode(GL_RENDER);
    ASSERT_GT(used, 0);
    float nearest = 1, farthest = 0;
    for (GLint i = 0; i < used;) {
        const auto token = GLint(feedback[i++]);
        if (token != GL_POLYGON_TOKEN) break;
        const auto corners = GLint(feedback[i++]);
        for (GLint k = 0; k < corners; ++k, i += 3) {
            nearest = std::min(nearest, feedback[i + 2]);
            farthest = std::max(farthest, feedback[i + 2]);
        }
    }
    EXPECT_NEAR(farthest, 0.5f, 1e-4f);
    EXPECT_NEAR(nearest, (1 - 0.15f) / 2, 1e-4f);
}

struct FrameCase {
    const char* name;
    bool axes, wire;
    SpaceVector point;
    Tone tone;
};

class SceneFrame : public SceneTest, public ::testing::WithParamInterface<FrameCase> {};

// The plane z = 1 seen from above, at precision 1 (its grid lines at -3, -2.6, ...).
TEST_P(SceneFrame, SurfaceIsBlueItsWireAndTheAxesBlackOnWhite) {
    const FrameCase& c = GetParam();
    const SurfaceMesh mesh = buildSurfaceMesh("1", SpaceFrame, 0.4L);
    SpaceFrame.zmin = mesh.zmin;
    SpaceFrame.zmax = mesh.zmax;
    scene.compileAxes(axesGeometry(SpaceFrame), 0.5);
    scene.compileSurface(mesh);
    TSpaceCamera camera;
    camera.tilt = 40;
    SceneSwitches switches;
    switches.surface = true;
    switches.axes = c.axes;
    switches.wire = c.wire;
    scene.drawScene(camera, switches, {4, -4, 2});
    const QImage picture = gl.picture();
    const QPoint at = pixelOf(camera, c.point);
    ASSERT_TRUE(picture.rect().adjusted(1, 1, -1, -1).contains(at));
    // Inside a cell the very pixel counts; a line may fall on its neighbour.
    const bool found = c.tone == Tone::Blue ? hasTone(picture.pixelColor(at), Tone::Blue) : toneNear(picture, at, c.tone);
    EXPECT_TRUE(found) << picture.pixelColor(at).name().toStdString();
    EXPECT_TRUE(hasTone(picture.pixelColor(2, 2), Tone::White));
    EXPECT_TRUE(hasTone(picture.pixelColor(Width - 3, Height - 3), Tone::White));
}

INSTANTIATE_TEST_SUITE_P(
    Points, SceneFrame,
    ::testing::Values(FrameCase{"inside_a_cell_blue", true, true, {1.2L, 1.2L, 1}, Tone::Blue},
                      FrameCase{"wire_black", true, true, {1.0L, 0.8L, 1}, Tone::Dark},
                      FrameCase{"no_wire_blue", true, false, {1.0L, 0.8L, 1}, Tone::Blue},
                      FrameCase{"axis_beyond_the_surface_black", true, true, {4.5L, 0, 0}, Tone::Black},
                      FrameCase{"hidden_axis_white", false, true, {4.5L, 0, 0}, Tone::White}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SceneTest, IntroShowsThePlanetAndYellowTextOnBlack) {
    scene.drawIntro(-5, 30);
    const QImage picture = gl.picture();
    int blue = 0, yellow = 0;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const QColor colour = picture.pixelColor(x, y);
            if (colour.blue() > 150 && colour.red() < 80) ++blue;
            if (colour.red() > 120 && colour.green() > 120 && colour.blue() < 60) ++yellow;
        }
    }
    EXPECT_GT(blue, 500);
    EXPECT_GT(yellow, 500);
    EXPECT_TRUE(hasTone(picture.pixelColor(Width - 1, Height - 1), Tone::Black)
                || hasTone(picture.pixelColor(Width - 1, 0), Tone::Black));
}

}  // namespace

namespace {

struct ObjectCase {
    const char* name;
    SpaceVector point;
    Tone tone;
    long double radius = 1;  // of the sphere; its equation holds the square
};

class SceneObjects : public SceneTest, public ::testing::WithParamInterface<ObjectCase> {};

// A sphere in front of the plane x = -2, seen from the side without wire or axes.
TEST_P(SceneObjects, SphereGreenBeforeTheRedPlane) {
    const ObjectCase& c = GetParam();
    removeSpaceObjects();
    SphereTable[1] = {true, 0, 0, 0, c.radius};
    PlaneTable[0] = {1, 0, 0, 2};
    PlaneCount = 1;
    SceneSwitches switches;
    switches.axes = false;
    switches.wire = false;
    const TSpaceCamera camera;
    scene.drawScene(camera, switches, {4, -4, 2});
    PlaneCount = 0;
    SphereTable[1].present = false;
    const QImage picture = gl.picture();
    const QPoint at = pixelOf(camera, c.point);
    ASSERT_TRUE(picture.rect().contains(at));
    EXPECT_TRUE(hasTone(picture.pixelColor(at), c.tone)) << picture.pixelColor(at).name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Points, SceneObjects,
    ::testing::Values(ObjectCase{"sphere_centre", {0.5L, 0.5L, 0}, Tone::Green},
                      ObjectCase{"plane_beside_the_sphere", {-2, -2.5L, 3}, Tone::Red},
                      ObjectCase{"plane_behind_the_sphere_hidden", {-2, -2, 0.1L}, Tone::Green},
                      ObjectCase{"outside_the_plane", {-2, 6, 0}, Tone::White},
                      ObjectCase{"sphere_of_a_negative_radius", {0.5L, 0.5L, 0}, Tone::Green, -1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

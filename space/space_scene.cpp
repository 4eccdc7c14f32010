#include "space/space_scene.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cmath>
#include <deque>
#include <random>
#include <span>

#include "space/axes_geometry.h"
#include "space/glyph_outlines.h"
#include "space/intro_animation.h"
#include "space/space_camera.h"
#include "space/surface_mesh.h"

namespace {

struct Material {
    std::array<GLfloat, 4> ambient, diffuse, specular;
};

constexpr Material BlueMaterial{{0, 0, 0.5f, 1}, {0, 0, 0.7f, 1}, {0, 0, 0, 1}};
constexpr Material BlackMaterial{{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}};
constexpr Material YellowMaterial{{0.6f, 0.6f, 0, 1}, {0.5f, 0.5f, 0, 1}, {1, 1, 0, 1}};
constexpr Material StarMaterial{{0.6f, 0.6f, 0, 0.6f}, {0.5f, 0.5f, 0, 0.5f}, {1, 1, 1, 1}};

constexpr GLfloat LightAmbient[] = {0.6f, 0.6f, 0.6f, 1};
constexpr GLfloat LightDiffuse[] = {0.3f, 0.3f, 0.3f, 1};
constexpr GLfloat LightSpecular[] = {1, 1, 1, 1};
constexpr GLfloat Shininess = 80;
constexpr GLdouble GlyphDepth = 0.15;

void applyMaterial(GLenum faces, const Material& material) {
    glMaterialfv(faces, GL_AMBIENT, material.ambient.data());
    glMaterialfv(faces, GL_DIFFUSE, material.diffuse.data());
    glMaterialfv(faces, GL_SPECULAR, material.specular.data());
}

void vertex(const SpaceVector& v) { glVertex3d(double(v.x), double(v.y), double(v.z)); }

void drawSegments(std::span<const SpaceSegment> segments) {
    glBegin(GL_LINES);
    for (const SpaceSegment& segment : segments) {
        vertex(segment.from);
        vertex(segment.to);
    }
    glEnd();
}

template <std::size_t Corners, std::size_t Count>
void drawShapes(GLenum mode, const std::array<std::array<SpaceVector, Corners>, Count>& shapes) {
    glBegin(mode);
    for (const auto& shape : shapes)
        for (const SpaceVector& corner : shape) vertex(corner);
    glEnd();
}

void normal(const SpaceVector& n) { glNormal3d(double(n.x), double(n.y), double(n.z)); }

bool same(const SpaceVector& a, const SpaceVector& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

// Whether a cell is the right-hand neighbour of another in the same row.
bool followsOn(const SurfaceCell& left, const SurfaceCell& cell) {
    return same(left.corners[1], cell.corners[0]) && same(left.corners[2], cell.corners[3]);
}

void switchOn(GLenum capability, bool on) {
    if (on) glEnable(capability);
    else glDisable(capability);
}

// A text through the glyph lists, one list per Latin-1 byte; each glyph moves
// the pen along local +x.
void drawText(const char* utf8) {
    const QByteArray bytes = QString::fromUtf8(utf8).toLatin1();
    glCallLists(GLsizei(bytes.size()), GL_UNSIGNED_BYTE, bytes.constData());
}

// ---- Glyphs -------------------------------------------------------------------

using TessPoint = std::array<GLdouble, 3>;

// Points made by the tessellator where contours cross; they must outlive the polygon.
void GLAPIENTRY combinePoint(const GLdouble coords[3], void*[4], const GLfloat[4], void** made, void* store) {
    auto& points = *static_cast<std::deque<TessPoint>*>(store);
    points.push_back({coords[0], coords[1], coords[2]});
    *made = points.back().data();
}

// One flat face of a glyph at depth z, facing +z or -z.
void tessellateFace(GLUtesselator* tessellator, const GlyphOutline& glyph, GLdouble z, GLdouble facing) {
    std::deque<TessPoint> points;
    glNormal3d(0, 0, facing);
    gluTessNormal(tessellator, 0, 0, facing);
    gluTessBeginPolygon(tessellator, &points);
    for (const std::vector<QPointF>& contour : glyph.contours) {
        gluTessBeginContour(tessellator);
        for (const QPointF& p : contour) {
            points.push_back({p.x(), p.y(), z});
            gluTessVertex(tessellator, points.back().data(), points.back().data());
        }
        gluTessEndContour(tessellator);
    }
    gluTessEndPolygon(tessellator);
}

double signedArea(const std::vector<QPointF>& contour) {
    double twice = 0;
    for (std::size_t i = 0; i < contour.size(); ++i) {
        const QPointF& p = contour[i];
        const QPointF& q = contour[(i + 1) % contour.size()];
        twice += p.x() * q.y() - q.x() * p.y();
    }
    return twice / 2;
}

// The walls between the two faces, each lit from outside the letter: the
// outer contours and the holes turn opposite ways.
void extrudeSides(const GlyphOutline& glyph) {
    glBegin(GL_QUADS);
    for (const std::vector<QPointF>& contour : glyph.contours) {
        const double outward = signedArea(contour) > 0 ? 1 : -1;
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const QPointF& p = contour[i];
            const QPointF& q = contour[(i + 1) % contour.size()];
            const double dx = q.x() - p.x(), dy = q.y() - p.y();
            const double length = std::hypot(dx, dy);
            if (length == 0) continue;
            glNormal3d(outward * dy / length, -outward * dx / length, 0);
            glVertex3d(p.x(), p.y(), 0);
            glVertex3d(q.x(), q.y(), 0);
            glVertex3d(q.x(), q.y(), -GlyphDepth);
            glVertex3d(p.x(), p.y(), -GlyphDepth);
        }
    }
    glEnd();
}

// ---- Intro ----------------------------------------------------------------------

void drawPlanetAndMoon(GLUquadric* quadric, float angle) {
    glPushMatrix();
    glColor3f(0, 0, 1);
    glTranslatef(4, 0, 3.5f);
    gluQuadricNormals(quadric, GLU_FLAT);
    gluQuadricDrawStyle(quadric, GLU_LINE);
    glPushMatrix();
    glRotatef(angle, 1, 0, 3);
    gluSphere(quadric, 0.8, 30, 30);
    glPopMatrix();
    glColor3f(0, 0.5f, 0.5f);
    glPushMatrix();
    glRotatef(angle, 1, 0, 3);
    glTranslatef(-1.0f / 6, -7.0f / 6, -1.0f / 6);
    gluSphere(quadric, 0.2, 10, 10);
    glPopMatrix();
    glPopMatrix();
}

void drawIntroText(float t) {
    applyMaterial(GL_FRONT_AND_BACK, YellowMaterial);
    glColor3f(0.9f, 0.9f, 0);
    glPushMatrix();
    glTranslatef(t, t, t / 1.5f);
    glRotatef(135, 0, 0, 1);
    glRotatef(20, 1, 0, 0);
    glTranslatef(-1.8f, 0, 0);
    glColor3f(0.8f, 0.8f, 0);
    glRotatef(t / 3 - 15, 1, 0, 0);
    for (const IntroLine& line : introLines()) {
        drawText(line.text);
        for (const IntroStep& step : line.steps) {
            if (step.kind == IntroStep::Translate) glTranslatef(step.x, step.y, step.z);
            else glRotatef(step.x, 1, 0, 0);
        }
    }
    glPopMatrix();
}

void lookAtScene() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(5, 5, 0, 0, 0, 0, 0, 0, 1);
}

void panAndZoom(const TSpaceCamera& camera) {
    glTranslatef(0, camera.panY, camera.panZ);
    glScalef(camera.scale, camera.scale, camera.scale);
}

void turn(const TSpaceCamera& camera) {
    glRotatef(-camera.spin, 0, 0, 1);
    glRotatef(camera.tilt, -1, 1, 0);
}

}  // namespace

// ---- Set-up -------------------------------------------------------------------------

void SpaceScene::create(const std::vector<GlyphOutline>& glyphs) {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_COLOR_MATERIAL);
    // The zoom scales the normals too: unnormalised, they would light the scene
    // too brightly, and the specular power of 80 would overflow into white.
    glEnable(GL_NORMALIZE);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, Shininess);
    glLightfv(GL_LIGHT0, GL_AMBIENT, LightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, LightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, LightSpecular);

    compileGlyphs(glyphs);
    sphereQuadric_ = gluNewQuadric();
    axesList_ = glGenLists(1);
    surfaceList_ = glGenLists(1);
    starList_ = glGenLists(1);
    compileStarfield();
}

void SpaceScene::destroy() {
    if (glyphBase_) glDeleteLists(glyphBase_, GlyphCount);
    for (GLuint list : {axesList_, surfaceList_, starList_})
        if (list) glDeleteLists(list, 1);
    if (sphereQuadric_) gluDeleteQuadric(sphereQuadric_);
    *this = SpaceScene{};
}

void SpaceScene::setViewport(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, double(width) / std::max(height, 1), 0.1, 500);
    glMatrixMode(GL_MODELVIEW);
}

void SpaceScene::compileGlyphs(const std::vector<GlyphOutline>& glyphs) {
    glyphBase_ = glGenLists(GlyphCount);
    GLUtesselator* tessellator = gluNewTess();
    gluTessCallback(tessellator, GLU_TESS_BEGIN, reinterpret_cast<_GLUfuncptr>(glBegin));
    gluTessCallback(tessellator, GLU_TESS_VERTEX, reinterpret_cast<_GLUfuncptr>(glVertex3dv));
    gluTessCallback(tessellator, GLU_TESS_END, reinterpret_cast<_GLUfuncptr>(glEnd));
    gluTessCallback(tessellator, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(combinePoint));
    gluTessProperty(tessellator, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    for (int code = 0; code < GlyphCount && code < int(glyphs.size()); ++code) {
        const GlyphOutline& glyph = glyphs[code];
        glNewList(glyphBase_ + GLuint(code), GL_COMPILE);
        if (!glyph.contours.empty()) {
            tessellateFace(tessellator, glyph, 0, 1);
            tessellateFace(tessellator, glyph, -GlyphDepth, -1);
            extrudeSides(glyph);
        }
        glTranslated(glyph.advance, 0, 0);
        glEndList();
    }
    gluDeleteTess(tessellator);
    glListBase(glyphBase_);
}

void SpaceScene::compileStarfield() {
    struct Group {
        int count;
        GLfloat grey;
        int depth;  // coordinates from -depth to -1
    };
    constexpr Group groups[] = {{800, 1, 80}, {300, 0.8f, 80}, {200, 0.5f, 50}};
    std::mt19937 random{std::random_device{}()};
    glNewList(starList_, GL_COMPILE);
    applyMaterial(GL_FRONT_AND_BACK, StarMaterial);
    for (const Group& group : groups) {
        std::uniform_int_distribution<int> coordinate(-group.depth, -1);
        for (int star = 0; star < group.count; ++star) {
            glColor3f(group.grey, group.grey, group.grey);
            glBegin(GL_POINTS);
            glVertex3i(coordinate(random), coordinate(random), coordinate(random));
            glEnd();
        }
    }
    glEndList();
}

// ---- Lists ---------------------------------------------------------------------------

void SpaceScene::compileAxes(const AxesGeometry& axes, double labelSize) {
    glNewList(axesList_, GL_COMPILE);
    applyMaterial(GL_FRONT_AND_BACK, BlackMaterial);
    glColor3f(0, 0, 0);
    drawSegments(axes.axes);
    drawShapes(GL_QUADS, axes.unitSquares);
    drawSegments(axes.ticks);
    drawShapes(GL_TRIANGLES, axes.arrowHeads);

    glColor3f(0, 1, 1);
    applyMaterial(GL_FRONT_AND_BACK, BlueMaterial);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    for (const AxisLabel& label : axes.labels) {
        glPushMatrix();
        glScaled(labelSize, labelSize, labelSize);
        // Local x now runs along world +y, local y along +z and local z along +x.
        glRotated(90, 1, 0, 0);
        glRotated(90, 0, 1, 0);
        const double along = double(label.distance) / labelSize;
        switch (label.direction) {
            case LabelDirection::AlongY: glTranslated(along, 0, 0); break;
            case LabelDirection::AlongZ: glTranslated(0, along, 0); break;
            case LabelDirection::AlongX: glTranslated(0, 0, along); break;
        }
        drawText(label.text.c_str());
        glPopMatrix();
    }
    glEndList();
}

// Each run of neighbouring cells of a row is one quad strip, so that a vertex
// two cells share is sent once: the list is half as large and much quicker to
// compile. The pairs go top then bottom, which keeps each cell's corners in
// their counter-clockwise order.
void SpaceScene::compileSurface(const SurfaceMesh& mesh) {
    glNewList(surfaceList_, GL_COMPILE);
    const SurfaceCell* left = nullptr;
    for (const SurfaceCell& cell : mesh.cells) {
        if (!left || !followsOn(*left, cell)) {
            if (left) glEnd();
            glBegin(GL_QUAD_STRIP);
            normal(cell.normal);
            vertex(cell.corners[3]);
            vertex(cell.corners[0]);
        }
        normal(cell.normal);
        vertex(cell.corners[2]);
        vertex(cell.corners[1]);
        left = &cell;
    }
    if (left) glEnd();
    glEndList();
}

// ---- Frames -----------------------------------------------------------------------------

void SpaceScene::loadSceneModelView(const TSpaceCamera& camera) {
    lookAtScene();
    panAndZoom(camera);
    turn(camera);
}

void SpaceScene::drawScene(const TSpaceCamera& camera, const SceneSwitches& switches,
                           const SpaceVector& light) const {
    // White from the very first frame, the intro's black clear colour notwithstanding.
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    lookAtScene();
    glLineWidth(switches.lineWidth);
    switchOn(GL_POINT_SMOOTH, switches.smoothing);
    switchOn(GL_LINE_SMOOTH, switches.smoothing);
    switchOn(GL_LIGHTING, switches.lighting);
    switchOn(GL_LIGHT0, switches.lighting);

    // The light follows the pan and the zoom, not the turn.
    glPushMatrix();
    panAndZoom(camera);
    const GLfloat position[] = {GLfloat(light.x), GLfloat(light.y), GLfloat(light.z), 1};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glPopMatrix();

    glPushMatrix();
    panAndZoom(camera);
    turn(camera);
    if (switches.axes) glCallList(axesList_);
    if (switches.surface) {
        applyMaterial(GL_FRONT, BlueMaterial);
        glColor3f(0, 0, 1);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        // The faces step back a little, or they would hide most of the wire drawn at the same depth.
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1, 1);
        // Neighbouring cells share their vertices: each cell takes the colour
        // lit with its own normal at its last vertex.
        glShadeModel(GL_FLAT);
        glCallList(surfaceList_);
        glShadeModel(GL_SMOOTH);
        glDisable(GL_POLYGON_OFFSET_FILL);
        if (switches.wire) {
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            glColor3f(0, 0, 0);
            applyMaterial(GL_FRONT, BlackMaterial);
            glCallList(surfaceList_);
        }
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    glPopMatrix();
}

void SpaceScene::drawIntro(float textPos, float angle) const {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(10, 10, 10, 0, 0, 0, 0, 0, 1);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(2);
    glScalef(1.5f, 1.5f, 1.5f);
    drawPlanetAndMoon(sphereQuadric_, angle);
    drawIntroText(textPos);
    glPushMatrix();
    glCallList(starList_);
    glPopMatrix();
}

#include "space/space_scene.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <random>
#include <span>

#include "space/axes_geometry.h"
#include "space/gl_materials.h"
#include "space/glyph_outlines.h"
#include "model/construction_tables.h"
#include "model/space_state.h"
#include "space/intro_animation.h"
#include "space/scene_objects.h"
#include "space/space_camera.h"
#include "space/surface_mesh.h"

namespace {

constexpr GLfloat LightAmbient[] = {0.6f, 0.6f, 0.6f, 1};
constexpr GLfloat LightDiffuse[] = {0.3f, 0.3f, 0.3f, 1};
constexpr GLfloat LightSpecular[] = {1, 1, 1, 1};
constexpr GLfloat Shininess = 80;
constexpr GLdouble GlyphDepth = 0.15;

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
    objectQuadric_ = gluNewQuadric();
    axesList_ = glGenLists(1);
    surfaceList_ = glGenLists(1);
    starList_ = glGenLists(1);
    compileStarfield();
}

void SpaceScene::destroy() {
    if (glyphBase_) glDeleteLists(glyphBase_, GlyphCount);
    for (GLuint list : {axesList_, surfaceList_, starList_})
        if (list) glDeleteLists(list, 1);
    for (GLUquadric* quadric : {sphereQuadric_, objectQuadric_})
        if (quadric) gluDeleteQuadric(quadric);
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

// ---- Objects --------------------------------------------------------------------------

namespace {

// What a wire pass draws over a solid: black lines of the same geometry.
void beginWire() {
    glColor3f(0, 0, 0);
    applyMaterial(GL_FRONT, BlackMaterial);
}

void drawQuad(const Quad& quad) {
    glBegin(GL_QUADS);
    for (const SpaceVector& corner : quad)
        glVertex3f(float(corner.x), float(corner.y), float(corner.z));
    glEnd();
}

void traceplan(const TCuttingPlane& plane) {
    glColor3f(1, 0, 0);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    drawQuad(cuttingPlaneCorners(plane, SpaceFrame));
}

// Moves the local z axis onto the axis of a solid of that kind (1: z, 2: y, 3: x)
// and its origin onto `at`, given in world coordinates.
void alongAxis(int kind, const SpaceVector& at) {
    switch (kind) {
        case 1: glTranslated(double(at.x), double(at.y), double(at.z)); break;
        case 2:
            glRotated(90, 1, 0, 0);
            glTranslated(double(at.x), double(at.z), double(-at.y));
            break;
        default:
            glRotated(90, 0, 1, 0);
            glTranslated(double(-at.z), double(at.y), double(at.x));
            break;
    }
}

bool validPoint(int slot) { return slot >= 1 && slot <= PointSlots; }

SpaceVector pointAt(int slot) {
    const TPointRecord& p = PointTable[std::size_t(slot)];
    return {p.x, p.y, p.z};
}

void drawPointSegment(int p1, int p2) {
    if (!validPoint(p1) || !validPoint(p2)) return;
    vertex(pointAt(p1));
    vertex(pointAt(p2));
}

void drawFacets() {
    glBegin(GL_QUADS);
    for (int f = 0; f < FacetCount; ++f)
        for (int slot : FacetTable[std::size_t(f)].points)
            if (validPoint(slot)) vertex(pointAt(slot));
            else vertex({});
    glEnd();
}

void drawPlanes(bool wire) {
    for (int k = 1; k <= std::min(PlaneCount, PlaneCapacity); ++k) {
        const std::optional<Quad> quad = planeCorners(PlaneTable[std::size_t(k - 1)], SpaceFrame);
        if (!quad) continue;
        applyMaterial(GL_FRONT, RedMaterial);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        const std::array<float, 3> colour = planeColour(k);
        glColor3f(colour[0], colour[1], colour[2]);
        drawQuad(*quad);
        if (!wire) continue;
        beginWire();
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        drawQuad(*quad);
    }
}

}  // namespace

namespace {

// A solid of the quadric, filled in its colour then, when the wire is shown,
// drawn again in black lines; `draw` is told which of the two passes it makes.
void drawSolid(GLUquadric* quadric, const Material& material, const std::array<GLfloat, 3>& colour, bool wire,
               const std::function<void(bool wirePass)>& draw) {
    applyMaterial(GL_FRONT, material);
    glColor3f(colour[0], colour[1], colour[2]);
    gluQuadricNormals(quadric, GLU_FLAT);
    gluQuadricDrawStyle(quadric, GLU_FILL);
    draw(false);
    if (!wire) return;
    beginWire();
    gluQuadricDrawStyle(quadric, GLU_LINE);
    draw(true);
}

// The three slots of each solid take lighter tints of its colour.
constexpr GLfloat SlotTint[] = {0, 0.5f, 0.8f};

}  // namespace

void SpaceScene::drawSpheres(bool wire) const {
    for (int k = 1; k <= SolidSlots; ++k) {
        const TSphereRecord& s = SphereTable[std::size_t(k)];
        if (!s.present) continue;
        glPushMatrix();
        glTranslated(double(s.a), double(s.b), double(s.c));
        drawSolid(objectQuadric_, GreenMaterial, {0.4f, 1, SlotTint[k - 1]}, wire, [&](bool wirePass) {
            const int divisions = solidDivisions(wirePass ? 9 : 5, MeshStep);
            // The equation holds r²: -2 is the sphere of 2, which GLU would
            // turn inside out and show nothing of.
            gluSphere(objectQuadric_, double(std::fabs(s.r)), divisions, divisions);
        });
        glPopMatrix();
    }
}

void SpaceScene::drawCylinders(bool wire) const {
    const int divisions = solidDivisions(10, MeshStep);
    for (int k = 1; k <= SolidSlots; ++k) {
        const TCylinderRecord& c = CylinderTable[std::size_t(k)];
        if (!c.present) continue;
        // Each cylinder runs from -L to L along its axis; the axis of kind 2
        // points to -y once turned onto it.
        const SpaceVector base = c.kind == 1   ? SpaceVector{c.a, c.b, c.c - SolidLength}
                                 : c.kind == 2 ? SpaceVector{c.a, c.b + SolidLength, c.c}
                                               : SpaceVector{c.a - SolidLength, c.b, c.c};
        drawSolid(objectQuadric_, RedMaterial, {1, SlotTint[k - 1], 0.4f}, wire, [&](bool) {
            glPushMatrix();
            alongAxis(c.kind, base);
            const double radius = double(std::fabs(c.R));  // R² too
            gluCylinder(objectQuadric_, radius, radius, 2 * SolidLength, divisions, divisions);
            glPopMatrix();
        });
    }
}

void SpaceScene::drawCones(bool wire) const {
    const int divisions = solidDivisions(10, MeshStep);
    for (int k = 1; k <= SolidSlots; ++k) {
        const TConeRecord& c = ConeTable[std::size_t(k)];
        if (!c.present) continue;
        const double rim = std::sqrt(double(c.beta) * SolidLength * SolidLength);
        drawSolid(objectQuadric_, BlueMaterial, {SlotTint[k - 1], 0.4f, 1}, wire, [&](bool) {
            glPushMatrix();
            alongAxis(c.kind, {c.x1, c.y1, c.z1});
            gluCylinder(objectQuadric_, 0, rim, SolidLength, divisions, divisions);
            // The second nappe, beyond the apex.
            glPushMatrix();
            glRotated(180, 0, 1, 0);
            gluCylinder(objectQuadric_, 0, rim, SolidLength, divisions, divisions);
            glPopMatrix();
            glPopMatrix();
        });
    }
}

void SpaceScene::drawPoints(const TSpaceCamera& camera, double nameSize) const {
    constexpr long double Arm = 0.25L;
    for (int slot = 1; slot <= std::min(PointCount, PointSlots); ++slot) {
        const SpaceVector p = pointAt(slot);
        glColor3f(0, 0, 0);
        glBegin(GL_LINES);
        for (const SpaceVector& arm : {SpaceVector{Arm, 0, 0}, SpaceVector{0, Arm, 0}, SpaceVector{0, 0, Arm}}) {
            vertex({p.x - arm.x, p.y - arm.y, p.z - arm.z});
            vertex({p.x + arm.x, p.y + arm.y, p.z + arm.z});
        }
        glEnd();
        if (!PointTable[std::size_t(slot)].showName) continue;
        glPushMatrix();
        glColor3f(0, 0, 1);
        applyMaterial(GL_FRONT_AND_BACK, BlueMaterial);
        const SpaceVector at = nameOffset(p);
        glTranslated(double(at.x), double(at.y), double(at.z));
        glScaled(nameSize, nameSize, nameSize);
        // The name faces the viewer whatever the turn of the scene.
        glRotatef(-camera.tilt, -1, 1, 0);
        glRotatef(camera.spin + 120, 0, 0, 1);
        glRotatef(90, 1, 0, 0);
        const char name[] = {char(64 + slot), 0};
        drawText(name);
        glPopMatrix();
        applyMaterial(GL_FRONT, BlackMaterial);
    }
}

void SpaceScene::drawObjects(const TSpaceCamera& camera, const SceneSwitches& switches) const {
    drawSpheres(switches.wire);
    if (CuttingPlane.present) {
        applyMaterial(GL_FRONT, RedMaterial);
        traceplan(CuttingPlane);
    }
    drawCylinders(switches.wire);
    drawCones(switches.wire);
    applyMaterial(GL_FRONT, BlackMaterial);
    drawPoints(camera, switches.nameSize);
    applyMaterial(GL_FRONT, BlackMaterial);
    glColor3f(0, 0, 0);
    glBegin(GL_LINES);
    for (int l = 0; l < std::min(LineCount, LineCapacity); ++l) {
        const TLineRecord& line = LineTable[std::size_t(l)];
        if (!validPoint(line.p1) || !validPoint(line.p2)) continue;
        for (const SpaceVector& end : lineEnds(pointAt(line.p1), pointAt(line.p2))) vertex(end);
    }
    for (int s = 0; s < std::min(SegmentCount, SegmentCapacity); ++s)
        drawPointSegment(SegmentTable[std::size_t(s)].p1, SegmentTable[std::size_t(s)].p2);
    glEnd();
    if (FacetCount > 0) {
        glColor3f(0, 0, 1);
        applyMaterial(GL_FRONT_AND_BACK, BlueMaterial);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        drawFacets();
        if (switches.wire) {
            beginWire();
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            drawFacets();
        }
    }
    drawPlanes(switches.wire);
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
    drawObjects(camera, switches);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
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

#pragma once
// The space view's drawing in OpenGL 1.1 and GLU: the display lists of the 3D
// text, the axes, the surface and the stars, and the two frames (the scene
// and the start-up intro). It needs only a current context, so it draws the
// same in the window and in an off-screen context.

#include <GL/gl.h>
#include <GL/glu.h>
#include <vector>

#include "expression/matutil.h"

struct AxesGeometry;
struct GlyphOutline;
struct SurfaceMesh;
struct TSpaceCamera;

// What the menu and the space frame window switch on or off.
struct SceneSwitches {
    bool smoothing = true;  // "Lissage"
    bool lighting = true;   // "Eclairage "
    bool axes = true;       // "Repere visible"
    bool wire = true;       // "Trame visible"
    bool surface = false;   // a surface formula is entered
    float lineWidth = 1;
    double nameSize = 0.25;  // the height of the points' names
};

class SpaceScene {
public:
    // Sets up the context (depth, colour material, blending, light 0) and
    // makes every display list: the glyphs and the stars are drawn now, the
    // axes and the surface stay empty until compiled.
    void create(const std::vector<GlyphOutline>& glyphs);
    // Deletes the lists and the quadric of the current context.
    void destroy();
    // Viewport and a 45° perspective for a drawing area of that size.
    static void setViewport(int width, int height);
    void compileAxes(const AxesGeometry& axes, double labelSize);
    void compileSurface(const SurfaceMesh& mesh);

    void drawScene(const TSpaceCamera& camera, const SceneSwitches& switches, const SpaceVector& light) const;
    void drawIntro(float textPos, float angle) const;
    // The model-view matrix the scene's objects are drawn with, for finding
    // where a point of the scene lands on the screen.
    static void loadSceneModelView(const TSpaceCamera& camera);

    GLuint glyphBase() const { return glyphBase_; }

private:
    void compileGlyphs(const std::vector<GlyphOutline>& glyphs);
    void compileStarfield();
    // The solids, the planes and the space constructions of the program-wide tables.
    void drawObjects(const TSpaceCamera& camera, const SceneSwitches& switches) const;
    void drawSpheres(bool wire) const;
    void drawCylinders(bool wire) const;
    void drawCones(bool wire) const;
    void drawPoints(const TSpaceCamera& camera, double nameSize) const;

    GLuint glyphBase_ = 0;
    GLuint axesList_ = 0;
    GLuint surfaceList_ = 0;
    GLuint starList_ = 0;
    GLUquadric* sphereQuadric_ = nullptr;
    GLUquadric* objectQuadric_ = nullptr;
};

// The space view on Mesa's software renderer, in an 850 x 800 framebuffer
// (the graph's size in the 1280 layout): one frame of z = sin(x)*cos(y) at the
// finest mesh with the axes and their 3D labels (without and with the wire),
// against a frame of the axes alone; and the preparation of that surface
// (evaluation, mesh and display list) against only evaluating the formula at
// the same points; and a frame of the axes with the nine solids, which GLU
// tessellates at every frame, at the finest mesh with their wire.

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <utility>

#include "expression/matutil.h"
#include "model/space_state.h"
#include "space/axes_geometry.h"
#include "space/glyph_outlines.h"
#include "space/headless_gl.h"
#include "space/space_camera.h"
#include "space/space_scene.h"
#include "space/surface_mesh.h"
#include "bench/bench_summary.h"

namespace {

constexpr int Width = 850, Height = 800;
constexpr const char* Formula = "sin(x)*cos(y)";
constexpr long double FinestStep = 0.07L;

// One context and one scene for the whole run, as in the window.
struct Bench {
    HeadlessGL gl{Width, Height};
    SpaceScene scene;
    SurfaceMesh mesh;
    Bench() {
        if (!gl.ready()) return;
        scene.create(glyphOutlines(GlyphFontName));
        SpaceScene::setViewport(Width, Height);
        mesh = buildSurfaceMesh(Formula, SpaceFrame, FinestStep);
        SpaceFrame.zmin = mesh.zmin;
        SpaceFrame.zmax = mesh.zmax;
        scene.compileAxes(axesGeometry(SpaceFrame), double(labelSizeFor(13)));
        scene.compileSurface(mesh);
    }
};

// The shared scene, or null when there is no context (the run is then skipped).
Bench* readyBench(benchmark::State& state) {
    static Bench shared;
    if (shared.gl.ready()) return &shared;
    state.SkipWithError(shared.gl.error().c_str());
    return nullptr;
}

// Three spheres, three cylinders and three cones, one of each kind.
void placeEverySolid() {
    for (int k = 1; k <= SolidSlots; ++k) {
        const long double at = k - 2;
        SphereTable[std::size_t(k)] = {true, at, at, 0, 1};
        CylinderTable[std::size_t(k)] = {true, k, at, 0, 0, 0.5L};
        ConeTable[std::size_t(k)] = {true, k, 0, at, 0, 0.25L};
    }
}

void drawFrames(benchmark::State& state, bool surface, bool wire) {
    Bench* b = readyBench(state);
    if (!b) return;
    TSpaceCamera camera;
    camera.tilt = 30;
    camera.spin = -10;
    SceneSwitches switches;
    switches.surface = surface;
    switches.wire = wire;
    for (auto _ : state) {
        b->scene.drawScene(camera, switches, {4, -4, 2});
        glFinish();
        // A turning scene: every frame a new view.
        camera.spin += 1;
    }
    state.counters["cells"] = surface ? double(b->mesh.cells.size()) : 0;
}

// At the finest mesh the program shows the surface without its wire.
void SurfaceFrame(benchmark::State& state) { drawFrames(state, true, false); }
// The wire can be asked for again: each of its lines is smoothed.
void WiredSurfaceFrame(benchmark::State& state) { drawFrames(state, true, true); }
void AxesFrame(benchmark::State& state) { drawFrames(state, false, false); }
void SolidsFrame(benchmark::State& state) {
    placeEverySolid();
    MeshStep = FinestStep;
    drawFrames(state, false, true);
    removeSolids();
}

void PrepareSurface(benchmark::State& state) {
    Bench* b = readyBench(state);
    if (!b) return;
    for (auto _ : state) {
        const SurfaceMesh mesh = buildSurfaceMesh(Formula, SpaceFrame, FinestStep);
        b->scene.compileSurface(mesh);
        glFinish();
    }
}

// The two halves of the preparation: the mesh (evaluations, normals, z range)
// and the compilation of its display list, which is the renderer's own work.
void BuildMesh(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(buildSurfaceMesh(Formula, SpaceFrame, FinestStep));
}

void CompileSurfaceList(benchmark::State& state) {
    Bench* b = readyBench(state);
    if (!b) return;
    for (auto _ : state) {
        b->scene.compileSurface(b->mesh);
        glFinish();
    }
}

// The evaluations the preparation makes: two at each row's start, two per cell.
void EvaluatePoints(benchmark::State& state) {
    TExpress formula;
    formula.setExpression(NormaliseFormula(Formula));
    const long double h = FinestStep;
    for (auto _ : state) {
        for (long double y = SpaceFrame.ymin; y <= SpaceFrame.ymax; y += h) {
            long double x = SpaceFrame.xmin;
            benchmark::DoNotOptimize(formula.Evaluate(x, y, 0));
            benchmark::DoNotOptimize(formula.Evaluate(x, y + h, 0));
            for (; x <= SpaceFrame.xmax; x += h) {
                benchmark::DoNotOptimize(formula.Evaluate(x + h, y, 0));
                benchmark::DoNotOptimize(formula.Evaluate(x + h, y + h, 0));
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    using Run = void (*)(benchmark::State&);
    const std::pair<const char*, Run> runs[] = {{"SurfaceFrame", SurfaceFrame},
                                                {"WiredSurfaceFrame", WiredSurfaceFrame},
                                                {"AxesFrame", AxesFrame},
                                                {"SolidsFrame", SolidsFrame},
                                                {"PrepareSurface", PrepareSurface},
                                                {"BuildMesh", BuildMesh},
                                                {"CompileSurfaceList", CompileSurfaceList},
                                                {"EvaluatePoints", EvaluatePoints}};
    // The renderer draws on threads of its own: the wall clock is what counts.
    for (const auto& [name, run] : runs)
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->UseRealTime();
    MedianTimes times;
    if (!RunBenchmarks(argc, argv, times)) return 1;
    PrintRatioHeader();
    PrintRatio(times, "space frame: surface, axes, labels / axes", "SurfaceFrame/real_time", "AxesFrame/real_time");
    PrintRatio(times, "space frame with the wire / axes", "WiredSurfaceFrame/real_time", "AxesFrame/real_time");
    PrintRatio(times, "space frame: nine solids and their wire / axes", "SolidsFrame/real_time",
               "AxesFrame/real_time");
    PrintRatio(times, "space preparation / evaluation", "PrepareSurface/real_time", "EvaluatePoints/real_time");
    PrintRatio(times, "  its mesh / evaluation", "BuildMesh/real_time", "EvaluatePoints/real_time");
    PrintRatio(times, "  its display list / evaluation", "CompileSurfaceList/real_time", "EvaluatePoints/real_time");
    return 0;
}

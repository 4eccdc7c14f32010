#include "space/tgrafgl.h"

#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QSurfaceFormat>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "model/plot_state.h"
#include "model/space_state.h"
#include "platform/app_folder.h"
#include "platform/cursors.h"
#include "platform/settings.h"
#include "platform/sound.h"
#include "space/axes_geometry.h"
#include "space/glyph_outlines.h"
#include "space/intro_animation.h"
#include "space/section_formula.h"
#include "space/space_scene.h"
#include "space/tchoixsection.h"
#include "space/tcone.h"
#include "space/tcylindre.h"
#include "space/trepere3d.h"
#include "space/tsphere.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"

QPointer<Tgrafgl> grafgl;

namespace {

constexpr int SceneCursor = 5;
constexpr int IntroCursor = 6;
constexpr int TurnCursor = 8;
constexpr int BusyCursor = 10;
constexpr int FirstTickMilliseconds = 20;
constexpr QSize IntroArea(612, 405);

const char* const NoOpenGLText =
    "L'affichage en 3D n'est pas disponible : OpenGL ne peut pas être utilisé sur cet écran.";
const char* const RepeatedErrorText =
    "L'affichage en 3D est arrêté : OpenGL signale une erreur à chaque image, même après trois reprises.";

QSurfaceFormat spaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(16);
    return format;
}

// A QOpenGLWidget aborts where the platform cannot give a desktop OpenGL
// context, so one is asked for once before any drawing area is made. The
// windowless platforms may give a context (through the X server named in the
// environment) but cannot show a drawing area.
bool openGLUsable() {
    static const bool usable = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == "offscreen" || platform == "minimal") return false;
        QOpenGLContext probe;
        probe.setFormat(spaceFormat());
        return probe.create() && !probe.isOpenGLES();
    }();
    return usable;
}

// The outlines of the 3D text are the same for every context.
const std::vector<GlyphOutline>& glyphs() {
    static const std::vector<GlyphOutline> outlines = glyphOutlines(GlyphFontName);
    return outlines;
}

void playIntroMusic() {
    playSound(QDir(soundFolder(QString::fromStdString(AppFolder))).filePath("intro1.wav"));
}

SceneSwitches currentSwitches() {
    SceneSwitches switches;
    switches.smoothing = ProgramSettings.lissage;
    switches.lighting = ProgramSettings.eclairage;
    switches.axes = SpaceAxesShown;
    switches.wire = SpaceWireShown;
    switches.surface = !CurveSlot[5].formula.empty();
    // Thickness positions 3..6 give widths 1 to 2.5.
    switches.lineWidth = float(ProgramSettings.epaisseur - 1) / 2;
    switches.nameSize = double(labelSizeFor(ProgramSettings.taille));
    return switches;
}

bool drainGLErrors() {
    bool any = false;
    while (glGetError() != GL_NO_ERROR) any = true;
    return any;
}

}  // namespace

// The drawing area: an OpenGL context of its own, in which the scene keeps
// its display lists; it hands the mouse and the keyboard to the window.
class SpaceSurface : public QOpenGLWidget {
public:
    explicit SpaceSurface(Tgrafgl& window) : window_(window) {
        setFormat(spaceFormat());
        setFocusPolicy(Qt::StrongFocus);
    }
    ~SpaceSurface() override { releaseLists(); }

    SpaceScene scene;

protected:
    void initializeGL() override {
        connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { releaseLists(); });
        window_.initialiseContext(*this);
    }
    void resizeGL(int width, int height) override {
        const qreal ratio = devicePixelRatio();
        SpaceScene::setViewport(int(width * ratio), int(height * ratio));
    }
    void paintGL() override { window_.drawFrame(*this); }

    void mousePressEvent(QMouseEvent* event) override {
        SpaceButton button;
        switch (event->button()) {
            case Qt::LeftButton: button = SpaceButton::Left; break;
            case Qt::RightButton: button = SpaceButton::Right; break;
            case Qt::MiddleButton: button = SpaceButton::Middle; break;
            default: return;  // the side buttons of some mice do nothing here
        }
        const QPoint at = event->position().toPoint();
        window_.FormMouseDown(button, at.x(), at.y());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        window_.FormMouseMove(at.x(), at.y());
    }
    void mouseReleaseEvent(QMouseEvent*) override { window_.FormMouseUp(); }
    void wheelEvent(QWheelEvent* event) override { window_.FormMouseWheel(event->angleDelta().y()); }
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Escape: window_.FormKeyDown(SpaceKey::Escape); break;
            case Qt::Key_PageUp: window_.FormKeyDown(SpaceKey::PageUp); break;
            case Qt::Key_PageDown: window_.FormKeyDown(SpaceKey::PageDown); break;
            default: window_.FormKeyDown(SpaceKey::Other); break;
        }
    }

private:
    void releaseLists() {
        if (!isValid()) return;
        makeCurrent();
        scene.destroy();
        doneCurrent();
    }
    Tgrafgl& window_;
};

Tgrafgl::Tgrafgl(QWidget* parent) : QMdiSubWindow(parent), Timer1(new QTimer(this)), holder_(new QWidget) {
    setWindowTitle(QString::fromUtf8("Repère de l'espace"));
    // Under the tool windows, as the plane graph.
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(holder_);
    layout->setContentsMargins(0, 0, 0, 0);
    holder_->setAutoFillBackground(true);
    holder_->setPalette(QPalette(Qt::white));
    setWidget(holder_);
    Timer1->setInterval(FirstTickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &Tgrafgl::Timer1Timer);
    // Only at creation: the rebuild after an OpenGL error keeps the user's solids.
    removeSolids();
    FormCreate();
}

QOpenGLWidget* Tgrafgl::glView() const { return surface_; }

QString Tgrafgl::placeholderText() const { return message_ ? message_->text() : QString(); }

void Tgrafgl::dropView() {
    if (view_) {
        view_->hide();
        view_->deleteLater();
    }
    view_ = nullptr;
    surface_ = nullptr;
    message_ = nullptr;
}

void Tgrafgl::showView(QWidget* view) {
    dropView();
    view_ = view;
    holder_->layout()->addWidget(view);
    setFocusProxy(view);
    view->show();
}

void Tgrafgl::showDrawingArea() {
    auto* surface = new SpaceSurface(*this);
    showView(surface);
    surface_ = surface;
}

// The main window composes its picture through OpenGL from the moment a
// drawing area of OpenGL is shown in it: until the space view is first
// needed, it stays on the plain (and, without a graphics card, faster) way.
void Tgrafgl::showEvent(QShowEvent* event) {
    if (!view_) showDrawingArea();
    QMdiSubWindow::showEvent(event);
}

void Tgrafgl::showNotice(const QString& text) {
    auto* message = new QLabel(text);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setMargin(20);
    showView(message);
    message_ = message;
}

void Tgrafgl::FormCreate() {
    SpaceViewBuilt = true;
    resetSpaceFrameBounds();
    resetCamera();
    SpaceFrame.zmin = -SolidLength;
    SpaceFrame.zmax = SolidLength;
    LightPosition = {4, -4, 2};
    MeshStep = meshStepFor(ProgramSettings.precis);
    // The lists belong to the context: the new one starts with an empty surface.
    mesh_ = SurfaceMesh{};
    surfacePending_ = false;
    axesPending_ = true;
    if (!openGLUsable()) showNotice(QString::fromUtf8(NoOpenGLText));
    else if (isVisible()) showDrawingArea();
    else dropView();
    resetIntro();
    if (ProgramSettings.intro3d1) playIntroMusic();
}

void Tgrafgl::initialiseContext(SpaceSurface& surface) {
    surface.scene.create(glyphs());
    axesPending_ = true;
    surfacePending_ = !mesh_.cells.empty();
    drainGLErrors();
}

void Tgrafgl::FormPaint() {
    if (surface_) surface_->update();
}

void Tgrafgl::drawFrame(SpaceSurface& surface) {
    if (!IntroRunning || ProgramSettings.intro3d1) {
        setWindowCursor(IntroRunning ? IntroCursor : SceneCursor);
        MeshStep = meshStepFor(ProgramSettings.precis);
        if (axesPending_) {
            surface.scene.compileAxes(axesGeometry(SpaceFrame), double(labelSizeFor(ProgramSettings.taille)));
            axesPending_ = false;
        }
        if (surfacePending_) {
            surface.scene.compileSurface(mesh_);
            surfacePending_ = false;
        }
        if (IntroRunning) {
            Timer1->setInterval(introTickInterval(ProgramSettings.deplace));
            surface.scene.drawIntro(IntroTextPos, IntroAngle);
        } else {
            surface.scene.drawScene(SpaceCamera, currentSwitches(), LightPosition);
        }
    }
    afterFrame(drainGLErrors());
}

// The rebuild replaces the drawing area, which cannot happen inside its own paint.
void Tgrafgl::afterFrame(bool glErrorLeft) {
    if (!glErrorLeft) {
        recovery_.afterGoodFrame();
        return;
    }
    if (rebuildPending_) return;
    const GLErrorRecovery::Decision decision = recovery_.afterFailedFrame(GLErrorRecovery::Clock::now());
    if (decision.action == GLErrorRecovery::Action::GiveUp) {
        QTimer::singleShot(0, this, [this] {
            Timer1->stop();
            showNotice(QString::fromUtf8(RepeatedErrorText));
        });
        return;
    }
    rebuildPending_ = true;
    QTimer::singleShot(decision.delay, this, &Tgrafgl::rebuildAfterError);
}

void Tgrafgl::rebuildAfterError() {
    rebuildPending_ = false;
    if (surface_) FormCreate();
}

void Tgrafgl::preparecourbe() {
    QGuiApplication::setOverrideCursor(cursorFromNumber(BusyCursor));
    if (!CurveSlot[5].formula.empty()) {
        MeshStep = meshStepFor(ProgramSettings.precis);
        SurfaceMesh mesh = buildSurfaceMesh(CurveSlot[5].formula, SpaceFrame, MeshStep);
        SpaceFrame.zmin = mesh.zmin;
        SpaceFrame.zmax = mesh.zmax;
        if (mesh.compiled) {
            mesh_ = std::move(mesh);
            surfacePending_ = true;
        }
    }
    prepareaxe();
    QGuiApplication::restoreOverrideCursor();
}

void Tgrafgl::prepareaxe() { axesPending_ = true; }

void Tgrafgl::Timer1Timer() {
    if (!IntroRunning) Timer1->stop();
    // The music starts again with the text, unless a sound is still playing.
    if (advanceIntro() && ProgramSettings.intro3d1 && !soundPlaying()) playIntroMusic();
    FormPaint();
}

// ---- Camera ---------------------------------------------------------------------

void Tgrafgl::setWindowCursor(int cursor) {
    if (surface_) surface_->setCursor(cursorFromNumber(cursor));
}

void Tgrafgl::FormMouseDown(SpaceButton button, int x, int y) {
    if (IntroRunning) return;
    beginDrag(button, x, y);
    if (button == SpaceButton::Middle) {
        FormPaint();
        return;
    }
    // Over the window's own cursor while the button is held, as long as the drag lasts.
    const QCursor cursor = cursorFromNumber(button == SpaceButton::Left ? TurnCursor : crSizeAll);
    if (dragCursorShown_) QGuiApplication::changeOverrideCursor(cursor);
    else QGuiApplication::setOverrideCursor(cursor);
    dragCursorShown_ = true;
}

void Tgrafgl::FormMouseMove(int x, int y) {
    if (IntroRunning) return;
    if (dragTo(x, y)) FormPaint();
}

void Tgrafgl::FormMouseUp() {
    endDrag();
    if (dragCursorShown_) QGuiApplication::restoreOverrideCursor();
    dragCursorShown_ = false;
}

void Tgrafgl::FormMouseWheel(int delta) {
    zoomByWheel(delta);
    FormPaint();
}

void Tgrafgl::FormKeyDown(SpaceKey key) {
    if (IntroRunning) return;
    cameraKey(key);
    FormPaint();
}

// ---- What the other windows ask ---------------------------------------------------------

void Tgrafgl::startIntro() {
    // Made before the main window first shows, which then opens straight
    // away in the OpenGL way rather than changing over at once.
    if (!view_) showDrawingArea();
    show();
    const QMargins frame = contentsMargins();
    resize(IntroArea + QSize(frame.left() + frame.right(), frame.top() + frame.bottom()));
    Timer1->start(FirstTickMilliseconds);
}

void Tgrafgl::stopIntro() {
    hide();
    Timer1->stop();
}

void Tgrafgl::optionChanged(OptionChange change) {
    switch (change) {
        case OptionChange::Precision:
            showWireForPrecision(ProgramSettings.precis);
            if (repere3d) repere3d->showState();
            preparecourbe();
            break;
        case OptionChange::AxesLook: prepareaxe(); break;
        case OptionChange::Other: break;
    }
    FormPaint();
}

QImage Tgrafgl::picture() {
    if (surface_) return surface_->grabFramebuffer();
    return holder_->grab().toImage();
}

// ---- Section ------------------------------------------------------------------------------

namespace {

SectionObjects chosenObjects() {
    SectionObjects objects;
    objects.surface = CurveSlot[5].formula;
    if (sphere) objects.sphere = SphereTable[std::size_t(sphere->ObjectNumber())];
    if (cylindre) objects.cylinder = CylinderTable[std::size_t(cylindre->ObjectNumber())];
    if (cone) objects.cone = ConeTable[std::size_t(cone->ObjectNumber())];
    return objects;
}

void writeSection(const SectionFormulas& section) {
    if (!section.written) return;
    CurveSlot[1].formula = section.first;
    if (!section.second.empty()) {
        CurveSlot[2].formula = section.second;
        CurveSlot[2].colour = CurveSlot[1].colour;
    }
    GraphKind = section.kind;
}

}  // namespace

void Tgrafgl::tracesection() {
    const SectionBounds bounds = sectionBounds(CuttingPlane.kind, SpaceFrame);
    PlotFrame.xmin = bounds.xmin;
    PlotFrame.xmax = bounds.xmax;
    PlotFrame.ymin = bounds.ymin;
    PlotFrame.ymax = bounds.ymax;
    writeSection(sectionFormulas(SectionKind, CuttingPlane, chosenObjects()));
    emit sectionShown();
    if (!grafzone) return;
    // Over the section choice, half the size of the space view, moved back
    // inside the area where it would stand out of it.
    const QSize size(width() / 2, height() / 2);
    QPoint corner = choixsection ? QPoint(choixsection->x() - 4, choixsection->y() - choixsection->height())
                                 : QPoint(0, 0);
    if (const QWidget* area = grafzone->parentWidget())
        corner.setX(std::min(corner.x(), area->width() - size.width()));
    grafzone->setGeometry(QRect(QPoint(std::max(0, corner.x()), std::max(0, corner.y())), size));
    if (reperezone) {
        reperezone->ortho->setChecked(true);
        reperezone->quadrille->setChecked(true);
    }
    grafzone->show();
    grafzone->raise();
    grafzone->chanegtaille();
}

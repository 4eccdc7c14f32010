#pragma once
// The space view: the surface z = f(x, y) and the axes, drawn with OpenGL,
// turned, moved and zoomed with the mouse and the keyboard; at start-up, with
// the 3D intro on, a planet and scrolling text. Where OpenGL cannot be used
// (the offscreen platform of the tests, a display without it) the window
// shows a message instead and the rest of the program works as usual.

#include <QImage>
#include <QMdiSubWindow>
#include <QPointer>

#include "space/gl_error_recovery.h"
#include "space/space_camera.h"
#include "space/surface_mesh.h"

class QLabel;
class QOpenGLWidget;
class QTimer;
class SpaceSurface;

class Tgrafgl : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit Tgrafgl(QWidget* parent = nullptr);

    QTimer* Timer1;  // drives the intro

    // The OpenGL drawing area, made when the window is first shown; null
    // before, and while the window shows a message instead.
    QOpenGLWidget* glView() const;
    // That message, empty while OpenGL draws.
    QString placeholderText() const;

    // Sets the view up from scratch: frame, camera, light, intro and a new
    // drawing area whose lists are made when it is first shown.
    void FormCreate();
    // Asks for a frame.
    void FormPaint();
    // Samples the surface formula of CurveSlot[5] again, then the axes.
    void preparecourbe();
    void prepareaxe();
    void Timer1Timer();

    void FormMouseDown(SpaceButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp();
    void FormMouseWheel(int delta);
    void FormKeyDown(SpaceKey key);

    // Start-up with the 3D intro on: the window shows it.
    void startIntro();
    // The intro stops: cancelled from the options, or a graph kind was chosen.
    void stopIntro();

    // What a change of the options window means for the view.
    enum class OptionChange { Precision, AxesLook, Other };
    void optionChanged(OptionChange change);

    // The picture "Copier" puts on the clipboard.
    QImage picture();

    // Writes the curve in which the cutting plane cuts the chosen object into
    // the plane graph's slots and frame, and shows the plane graph beside the
    // section choice window.
    void tracesection();

signals:
    // The plane graph shows a section: its "Repère" menu is wanted.
    void sectionShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class SpaceSurface;
    void initialiseContext(SpaceSurface& surface);
    void drawFrame(SpaceSurface& surface);
    void afterFrame(bool glErrorLeft);
    void rebuildAfterError();
    void dropView();
    void showView(QWidget* view);
    void showDrawingArea();
    void showNotice(const QString& text);
    void setWindowCursor(int cursor);

    QWidget* holder_;
    QWidget* view_ = nullptr;
    SpaceSurface* surface_ = nullptr;
    QLabel* message_ = nullptr;
    SurfaceMesh mesh_;
    bool surfacePending_ = false;
    bool axesPending_ = true;
    bool dragCursorShown_ = false;
    bool rebuildPending_ = false;
    GLErrorRecovery recovery_;
};

// The one Tgrafgl of the program, created last at start-up; null before and after.
extern QPointer<Tgrafgl> grafgl;

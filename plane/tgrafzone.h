#pragma once
// The plane graph window. It keeps two pictures of its size: the back buffer
// OffscreenBitmap, composed by trace() (axes, grid, curves) and marked by the
// tool windows, and the window picture, which construit() makes from the back
// buffer plus the constructions. paintEvent only shows the window picture, so
// every picture can be checked without a display.

#include <QImage>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>

#include "plane/construction_painter.h"
#include "plane/graph_renderer.h"
#include "platform/canvas.h"

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QStatusBar;
class GraphSurface;
class EdgeResizer;

class Tgrafzone : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit Tgrafzone(QWidget* parent = nullptr);

    // The back buffer and the picture the window shows, with their canvases
    // (pen, brush and font settings persist between calls, as on a window).
    QImage OffscreenBitmap;
    QImage WindowPicture;
    Canvas& offscreenCanvas() { return offscreenCanvas_; }
    Canvas& windowCanvas() { return windowCanvas_; }

    // The drawing area, which takes the mouse and the keyboard.
    QWidget* surface() const;
    // Width and height of the drawing area (the whole window; the status bar
    // lies over its bottom).
    int graphWidth() const;
    int graphHeight() const;
    // Resizes the window so that its drawing area is width x height.
    void setGraphSize(int width, int height);

    // The paint handler: composes the back buffer, then construit(). Refused
    // while Painting is set.
    void trace();
    // "Repaint the graph window": trace() now, then show it.
    void repaintGraph();
    // Shows the window picture at once (animation frames, demonstrations).
    void showPictureNow();
    // Copies the back buffer to the window picture and draws the constructions.
    void construit();
    void chanegtaille();
    // The plane kinds show the graph without a caption bar, resized by its
    // edges; the space view and the section display give the caption back.
    void showCaption(bool caption);
    void copier1Click();
    // The picture copy1Click puts on the clipboard.
    QImage clipboardPicture();

    // The window of the space view, which owns the screen while it is shown.
    void setSpaceView(QWidget* view) { spaceView_ = view; }
    QWidget* spaceView() const { return spaceView_; }

    // The drawing options as the options, frame and function windows set them.
    GraphOptions currentOptions() const;

    QStatusBar* grafbar() const { return grafbar_; }
    QScrollBar* t() const { return t_; }
    void setStatusText(const QString& text);
    QString statusText() const;
    void popUpMenuAt(int x, int y);
    void setGraphCursor(int cursor);  // a cursor number of platform/cursors.h

    // Pop-up menu items.
    QAction* Modenormal1 = nullptr;
    QAction* Zoom1 = nullptr;
    QAction* Dplacer1 = nullptr;
    QAction* copier1 = nullptr;

signals:
    // The window was closed by the user; the main window hides its "Repère" menu.
    void closed();
    // construit() has drawn the constructions: the sequence shown, if any, is drawn again over them.
    void sequenceRequested();
    // A constructed point was dragged to a new place; the windows showing
    // figures of the points follow it.
    void pointDragged(int slot);
    // The paint put a wrong polar grid setting back to its default text.
    void polarGridRewritten();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class GraphSurface;
    void FormClose();
    void composeBackBuffer(const GraphOptions& options);
    void playRequestedAnimation(const GraphOptions& options);
    void placeSlider();
    ConstructionStyle constructionStyle(const GraphOptions& options) const;
    void layOutBars();

    GraphSurface* surface_ = nullptr;
    EdgeResizer* resizer_ = nullptr;
    QStatusBar* grafbar_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QScrollBar* t_ = nullptr;
    QMenu* popup_ = nullptr;
    QPointer<QWidget> spaceView_;
    Canvas offscreenCanvas_{OffscreenBitmap};
    Canvas windowCanvas_{WindowPicture};
};

// The one Tgrafzone of the program, created at start-up; null before and after.
extern QPointer<Tgrafzone> grafzone;

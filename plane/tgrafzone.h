#pragma once
// The plane graph window. It keeps two pictures of its size: the back buffer
// OffscreenBitmap, composed by trace() (axes, grid, curves) and marked by the
// tool windows, and the window picture, which construit() makes from the back
// buffer plus the constructions. paintEvent only shows the window picture, so
// every picture can be checked without a display.

#include <QImage>
#include <QMdiSubWindow>
#include <QString>

#include "platform/canvas.h"

class QMenu;
class QScrollBar;
class QStatusBar;
class GraphSurface;

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

    // Width and height of the drawing area (the whole window; the status bar
    // lies over its bottom).
    int graphWidth() const;
    int graphHeight() const;

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
    void copier1Click();

    QStatusBar* grafbar() const { return grafbar_; }
    QScrollBar* t() const { return t_; }
    void setStatusText(const QString& text);
    QString statusText() const;
    void popUpMenuAt(int x, int y);
    void setGraphCursor(int cursor);  // a Qt::CursorShape or a cursor-table number 5..14

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class GraphSurface;
    GraphSurface* surface_ = nullptr;
    QStatusBar* grafbar_ = nullptr;
    QScrollBar* t_ = nullptr;
    QMenu* popup_ = nullptr;
    Canvas offscreenCanvas_{OffscreenBitmap};
    Canvas windowCanvas_{WindowPicture};
};

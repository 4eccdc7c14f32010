#pragma once
// Lets the user resize a window without a caption bar by the edges and corners
// of the widget that fills it, as by a desktop window's border: within a few
// pixels of an edge the cursor shows the direction and a drag resizes; the
// widget gets every other mouse event as before.

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;

class EdgeResizer : public QObject {
    Q_OBJECT
public:
    // `window` is resized; `filled` is the widget that fills it.
    EdgeResizer(QWidget* window, QWidget* filled, int reach);

    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The edges within reach of a point of the filled widget.
    Qt::Edges edgesAt(QPoint point) const;
    bool hover(QMouseEvent* event);
    void resizeTo(QPoint globalPoint);
    void showCursorFor(Qt::Edges edges);

    QWidget* window_;
    QWidget* filled_;
    int reach_;
    bool enabled_ = false;
    Qt::Edges dragged_;
    bool cursorShown_ = false;
    QCursor keptCursor_;
    QPoint pressedAt_;  // global
    QRect startGeometry_;
};

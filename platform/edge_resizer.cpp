#include "platform/edge_resizer.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

EdgeResizer::EdgeResizer(QWidget* window, QWidget* filled, int reach)
    : QObject(window), window_(window), filled_(filled), reach_(reach) {
    filled_->installEventFilter(this);
}

void EdgeResizer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled) showCursorFor({});
}

Qt::Edges EdgeResizer::edgesAt(QPoint point) const {
    Qt::Edges edges;
    if (point.x() < reach_) edges |= Qt::LeftEdge;
    if (point.x() >= filled_->width() - reach_) edges |= Qt::RightEdge;
    if (point.y() < reach_) edges |= Qt::TopEdge;
    if (point.y() >= filled_->height() - reach_) edges |= Qt::BottomEdge;
    return edges;
}

// The filled widget keeps its own cursor (a mode's cursor) away from the edges.
void EdgeResizer::showCursorFor(Qt::Edges edges) {
    if (!edges) {
        if (cursorShown_) filled_->setCursor(keptCursor_);
        cursorShown_ = false;
        return;
    }
    if (!cursorShown_) keptCursor_ = filled_->cursor();
    cursorShown_ = true;
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = bool(edges & Qt::LeftEdge) == bool(edges & Qt::TopEdge);
        filled_->setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    } else {
        filled_->setCursor(horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    }
}

bool EdgeResizer::hover(QMouseEvent* event) {
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    showCursorFor(edges);
    return bool(edges);
}

void EdgeResizer::resizeTo(QPoint globalPoint) {
    const QPoint moved = globalPoint - pressedAt_;
    const QSize least = window_->minimumSize().expandedTo(window_->minimumSizeHint());
    QRect geometry = startGeometry_;
    if (dragged_ & Qt::LeftEdge) geometry.setLeft(std::min(geometry.left() + moved.x(), geometry.right() + 1 - least.width()));
    if (dragged_ & Qt::RightEdge) geometry.setRight(std::max(geometry.right() + moved.x(), geometry.left() + least.width() - 1));
    if (dragged_ & Qt::TopEdge) geometry.setTop(std::min(geometry.top() + moved.y(), geometry.bottom() + 1 - least.height()));
    if (dragged_ & Qt::BottomEdge)
        geometry.setBottom(std::max(geometry.bottom() + moved.y(), geometry.top() + least.height() - 1));
    window_->setGeometry(geometry);
}

bool EdgeResizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != filled_ || !enabled_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            dragged_ = edgesAt(mouse->position().toPoint());
            if (!dragged_) return false;
            pressedAt_ = mouse->globalPosition().toPoint();
            startGeometry_ = window_->geometry();
            return true;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!dragged_) return hover(mouse);
            resizeTo(mouse->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!dragged_) return false;
            dragged_ = {};
            return true;
        case QEvent::Leave:
            if (!dragged_) showCursorFor({});
            return false;
        default: return false;
    }
}

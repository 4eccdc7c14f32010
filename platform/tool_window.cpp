#include "platform/tool_window.h"

#include <QCloseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/colour.h"

ToolWindow::ToolWindow(const QString& caption, QWidget* parent)
    : QMdiSubWindow(parent), body_(new QWidget), stop_(new QToolButton) {
    setWindowTitle(caption);
    setWindowFlags(Qt::SubWindow | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                   | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* content = new QWidget;
    content->setAutoFillBackground(true);
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, toQColor(clCream));
    content->setPalette(palette);

    frame_ = new QVBoxLayout(content);
    frame_->setContentsMargins(6, 6, 6, 6);
    frame_->addWidget(body_);
    stop_->setObjectName("stop");
    stop_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    stop_->setToolTip("Fermer");
    frame_->addWidget(stop_, 0, Qt::AlignRight);
    setWidget(content);
    connect(stop_, &QToolButton::clicked, this, [this] { stopClick(); });
}

QToolButton* ToolWindow::takeStopButton() {
    frame_->removeWidget(stop_);
    return stop_;
}

void ToolWindow::fitToContents() {
    widget()->adjustSize();
    resize(sizeHint());
}

void ToolWindow::stopClick() { hide(); }

bool ToolWindow::event(QEvent* event) {
    // The title bar is only drawn, and counted in the size, inside the main window's area.
    if (event->type() == QEvent::ParentChange && parentWidget() && widget()) fitToContents();
    return QMdiSubWindow::event(event);
}

void ToolWindow::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    keepInsideArea();
}

// A window placed partly outside the main window's area moves in just enough to be whole.
void ToolWindow::keepInsideArea() {
    const QWidget* area = parentWidget();
    if (!area) return;
    const int left = std::clamp(x(), 0, std::max(0, area->width() - width()));
    const int top = std::clamp(y(), 0, std::max(0, area->height() - height()));
    if (QPoint(left, top) != pos()) move(left, top);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    stopClick();
}

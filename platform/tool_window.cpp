#include "platform/tool_window.h"

#include <QCloseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

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

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(body_);
    stop_->setObjectName("stop");
    stop_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    stop_->setToolTip("Fermer");
    layout->addWidget(stop_, 0, Qt::AlignRight);
    setWidget(content);
    connect(stop_, &QToolButton::clicked, this, [this] { stopClick(); });
}

void ToolWindow::fitToContents() {
    widget()->adjustSize();
    resize(sizeHint());
}

void ToolWindow::stopClick() { hide(); }

void ToolWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    stopClick();
}

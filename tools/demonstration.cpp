#include "tools/demonstration.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

#include "expression/matutil.h"
#include "plane/tgrafzone.h"
#include "plane/toptionzone.h"

namespace {

// The speed option's default, before the options window exists.
constexpr int FastestSpeed = 3;

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu: return true;
        default: return false;
    }
}

}  // namespace

long double stepPause(int speed) {
    switch (speed) {
        case 1: return 0.2L;
        case 2: return 0.03L;
        default: return 0.01L;
    }
}

Demonstration::Demonstration() { QCoreApplication::instance()->installEventFilter(this); }

Demonstration::~Demonstration() { QCoreApplication::instance()->removeEventFilter(this); }

bool Demonstration::stepShown() {
    if (grafzone) grafzone->showPictureNow();
    WaitSeconds(stepPause(optionzone ? optionzone->deplace->value() : FastestSpeed));
    QCoreApplication::processEvents();
    return !ended_;
}

bool Demonstration::eventFilter(QObject*, QEvent* event) {
    if (!isUserInput(event->type())) return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) ended_ = true;
    return true;
}

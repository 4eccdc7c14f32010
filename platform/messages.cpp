#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

MessageCapture* activeCapture = nullptr;
std::function<bool()> paintProbe;
QStringList waiting;
bool flushScheduled = false;

bool paintInProgress() { return paintProbe && paintProbe(); }

void present(const QString& text) {
    if (activeCapture) {
        activeCapture->record(text);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), "Lumova", text);
}

void scheduleFlush() {
    if (flushScheduled || !QCoreApplication::instance()) return;
    flushScheduled = true;
    QTimer::singleShot(0, [] {
        flushScheduled = false;
        flushMessages();
    });
}

}  // namespace

void setPaintProbe(std::function<bool()> probe) { paintProbe = std::move(probe); }

void showMessage(const QString& text) {
    if (paintInProgress()) {
        waiting.append(text);
        scheduleFlush();
        return;
    }
    present(text);
}

void flushMessages() {
    if (paintInProgress()) {
        scheduleFlush();
        return;
    }
    // A message box runs its own event loop, in which a new paint may queue more.
    while (!waiting.isEmpty() && !paintInProgress()) present(waiting.takeFirst());
    if (!waiting.isEmpty()) scheduleFlush();
}

int pendingMessageCount() { return int(waiting.size()); }

MessageCapture::MessageCapture() : previous_(activeCapture) { activeCapture = this; }

MessageCapture::~MessageCapture() { activeCapture = previous_; }

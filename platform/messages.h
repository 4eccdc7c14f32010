#pragma once
// Message boxes that are never opened inside a paint: while the paint probe
// answers true, messages wait in a queue and are shown once the paint has
// ended. A MessageCapture collects messages instead of showing them (tests).

#include <QString>
#include <QStringList>
#include <functional>

// Shows `text` in a message box titled "Lumova", now or after the current paint.
void showMessage(const QString& text);
// Tells the message layer how to know that a paint is in progress.
void setPaintProbe(std::function<bool()> paintInProgress);
// Shows the queued messages if no paint is in progress.
void flushMessages();
// Messages waiting for the end of a paint.
int pendingMessageCount();

// While it exists, messages are recorded here and no box is shown.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;
    const QStringList& messages() const { return messages_; }
    void record(const QString& text) { messages_.append(text); }

private:
    QStringList messages_;
    MessageCapture* previous_;
};

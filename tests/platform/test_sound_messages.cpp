#include <gtest/gtest.h>

#include <QStringList>
#include <QtGlobal>

#include "platform/sound.h"

namespace {

QStringList seen;

void record(QtMsgType, const QMessageLogContext&, const QString& message) { seen.append(message); }

// Alone in its program: only the first question about audio outputs connects to the
// sound server, and prints when there is none.
TEST(SoundMessages, ProbingWithoutASoundServerPrintsNothing) {
    const QtMessageHandler previous = qInstallMessageHandler(record);
    audioOutputAvailable();
    qWarning("après la recherche");
    qInstallMessageHandler(previous);
    EXPECT_FALSE(seen.join('\n').contains("PulseAudio")) << seen.join('\n').toStdString();
    // The program's own handler is back once the probe is done.
    EXPECT_TRUE(seen.contains("après la recherche"));
}

}  // namespace

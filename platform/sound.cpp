#include "platform/sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtGlobal>
#include <map>

namespace {

// The ffmpeg backend crashes on machines without an audio device; the
// GStreamer one does not. The choice must be made before the first
// multimedia call of the process.
void chooseMediaBackend() {
    static const bool chosen = [] {
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
        return true;
    }();
    (void)chosen;
}

// Qt's PulseAudio layer prints this when it finds no sound server to connect to.
// The program is then silent by design, and the user has nothing to act on.
constexpr const char* NoSoundServerWarning = "PulseAudioService: pa_context_connect() failed";
QtMessageHandler forwardedHandler = nullptr;

void withoutSoundServerWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message == QLatin1String(NoSoundServerWarning)) return;
    forwardedHandler(type, context, message);
}

// The first query connects to the sound server; every other message still gets through.
bool hasAudioOutput() {
    forwardedHandler = qInstallMessageHandler(withoutSoundServerWarning);
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(forwardedHandler);
    return found;
}

// One effect per file, kept alive so that playback outlives the call.
QSoundEffect* effectFor(const QString& path) {
    static std::map<QString, QSoundEffect*> effects;
    auto found = effects.find(path);
    if (found != effects.end()) return found->second;
    auto* effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl::fromLocalFile(path));
    effects.emplace(path, effect);
    return effect;
}

}  // namespace

bool audioOutputAvailable() {
    chooseMediaBackend();
    return hasAudioOutput();
}

bool playSound(const QString& path) {
    if (!QFileInfo(path).isFile() || !QCoreApplication::instance()) return false;
    if (!audioOutputAvailable()) return false;
    QSoundEffect* effect = effectFor(QFileInfo(path).absoluteFilePath());
    effect->play();
    return true;
}

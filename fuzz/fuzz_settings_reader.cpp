// Any bytes as the "setup.txt" of an install folder, read as at start-up. A line
// that is accepted must be written back as the same settings.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/settings.h"

namespace {

QTemporaryDir* installFolder = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    // The file is written at every run: a folder in memory keeps the disk out of the way.
    const QString base = QDir("/dev/shm").exists() ? QString("/dev/shm") : QDir::tempPath();
    static QTemporaryDir folder(QDir(base).filePath("lumova-fuzz-XXXXXX"));
    installFolder = &folder;
    // No user's copy: the install folder's file is the one read.
    qputenv("XDG_CONFIG_HOME", QDir(installFolder->path()).filePath("config").toLocal8Bit());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile file(QDir(installFolder->path()).filePath("setup.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    QString error;
    const auto settings = readSettingsFile(installFolder->path(), &error);
    if (settings.has_value() == !error.isEmpty()) std::abort();  // exactly one of them
    if (settings && parseSettingsLine(settingsLine(*settings)) != settings) std::abort();
    return 0;
}

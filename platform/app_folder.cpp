#include "platform/app_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr const char* InstallSubfolder = "Verdanelo/Lumo3D";

}  // namespace

std::optional<QString> findAppFolder(const QString& executableFolder) {
    const QString chosen = qEnvironmentVariable("LUMOVA_HOME");
    // An explicit choice is kept even when wrong, so that the error names it.
    if (!chosen.isEmpty()) return QDir(chosen).absolutePath();
    const QDir executable(executableFolder);
    for (const QString& candidate :
         {executable.filePath(InstallSubfolder), executable.filePath(QString("../share/") + InstallSubfolder)}) {
        if (QFileInfo(candidate).isDir()) return QDir(candidate).absolutePath();
    }
    return std::nullopt;
}

QString cursorFolder(const QString& appFolder) { return QDir(appFolder).filePath("icones"); }
QString soundFolder(const QString& appFolder) { return QDir(appFolder).filePath("musique"); }
QString helpFolder(const QString& appFolder) { return QDir(appFolder).filePath("aide"); }
QString exerciseFolder(const QString& appFolder) { return QDir(appFolder).filePath("td"); }

#include "screenshots.h"

#include <QDir>

QString screenshotPath(const char* name) {
    QString folder = qEnvironmentVariable("LUMOVA_SCREENSHOT_DIR");
    if (folder.isEmpty()) folder = LUMOVA_SCREENSHOT_DEFAULT_DIR;
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}

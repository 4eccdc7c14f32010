#pragma once
// Where the tests save the pictures a person looks at: $LUMOVA_SCREENSHOT_DIR,
// or the build's screenshots folder the test target names.

#include <QDir>
#include <QString>

inline QString screenshotPath(const char* name) {
    QString folder = qEnvironmentVariable("LUMOVA_SCREENSHOT_DIR");
    if (folder.isEmpty()) folder = LUMOVA_SCREENSHOT_DEFAULT_DIR;
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}

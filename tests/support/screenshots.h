#pragma once
// Where the tests write the pictures a person looks at: $LUMOVA_SCREENSHOT_DIR,
// or the build's screenshots folder (LUMOVA_SCREENSHOT_DEFAULT_DIR, defined
// by each test program that writes them).

#include <QDir>
#include <QString>

inline QString screenshotPath(const char* name) {
    QString folder = qEnvironmentVariable("LUMOVA_SCREENSHOT_DIR");
    if (folder.isEmpty()) folder = LUMOVA_SCREENSHOT_DEFAULT_DIR;
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}

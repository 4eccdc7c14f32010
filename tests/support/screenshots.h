#pragma once
// Where the tests save the pictures a person looks at: $LUMOVA_SCREENSHOT_DIR,
// else the build's screenshots folder (made when missing).

#include <QString>

QString screenshotPath(const char* name);

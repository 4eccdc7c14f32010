#pragma once
// Opens a document (help page, exercise sheet) with the desktop's default
// application. Returns at once; false when no application could be launched.

#include <QString>

bool openDocument(const QString& path);

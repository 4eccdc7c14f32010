#pragma once
// Finds the install folder (settings, cursors, sounds, help, exercise sheets):
// the folder named by LUMOVA_HOME, else Verdanelo/Lumo3D next to the
// executable, else ../share/Verdanelo/Lumo3D from the executable's folder.

#include <QString>
#include <optional>

std::optional<QString> findAppFolder(const QString& executableFolder);

// Sub-folders of the install folder.
QString cursorFolder(const QString& appFolder);
QString soundFolder(const QString& appFolder);
QString helpFolder(const QString& appFolder);
QString exerciseFolder(const QString& appFolder);

#pragma once
// The options kept in "setup.txt": one line of eight digits,
// precis (1) taille (2-3) epaisseur (4) deplace (5) intro3d1 (6) Lissage (7)
// Eclairage (8). The line is always written whole.

#include <QString>
#include <optional>
#include <string>

struct Settings {
    int precis = 2;      // 1..3
    int taille = 13;     // 10..22
    int epaisseur = 3;   // 3..6
    int deplace = 3;     // 1..3
    bool intro3d1 = false;
    bool lissage = true;
    bool eclairage = true;

    bool operator==(const Settings&) const = default;
};

// Reads a settings line digit by digit; a short line, a non-digit or a value
// out of its range makes the line malformed. Characters after the eighth are ignored.
std::optional<Settings> parseSettingsLine(const std::string& line);
std::string settingsLine(const Settings& settings);

// Where the settings are read and written when the install folder is read-only:
// $XDG_CONFIG_HOME/Lumova/setup.txt (~/.config when the variable is unset).
QString userSettingsPath();

// Reads the settings of the install folder `appFolder` (the user's copy comes
// first when it exists). On failure returns nothing and sets `error` to a
// French sentence that names the file.
std::optional<Settings> readSettingsFile(const QString& appFolder, QString* error);
// Writes the line to the install folder, or to the user's copy when the folder
// cannot be written. On failure returns false and sets `error` (French).
bool writeSettingsFile(const QString& appFolder, const Settings& settings, QString* error);

// The settings of the running program, read at start-up from its install folder.
extern Settings ProgramSettings;
// Records the install folder that saveProgramSettings() writes to.
void setSettingsFolder(const QString& appFolder);
// Writes ProgramSettings; a failure is shown in a message box and the program
// goes on. Returns whether the line was written.
bool saveProgramSettings();

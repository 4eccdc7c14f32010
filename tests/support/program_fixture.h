#pragma once
// Runs the real start-up of Lumova against a temporary copy of the install
// folder staged by the build, with a private user configuration folder, so
// that a test can start the whole program and change its files first.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "app/startup.h"

class ProgramFixture {
public:
    ProgramFixture();
    ~ProgramFixture();
    ProgramFixture(const ProgramFixture&) = delete;
    ProgramFixture& operator=(const ProgramFixture&) = delete;

    // The copy of the install folder the program finds through LUMOVA_HOME.
    QString appFolder() const;
    // The folder that stands for $XDG_CONFIG_HOME.
    QString userConfigFolder() const;
    QString settingsPath() const;

    void writeSettingsLine(const QByteArray& line);
    QByteArray settingsFileContents() const;
    void removeSettingsFile();

    // The start-up; the windows live until the fixture ends.
    ProgramStart start();
    TFormparent* mainWindow() const { return started_.mainWindow; }
    // The start-up, then "Fonction de x" with the main window at that size and
    // the windows placed for that screen width.
    TFormparent* startFunctionOfX(int width, int height);

private:
    QTemporaryDir folder_;
    ProgramStart started_;
    QByteArray savedHome_, savedConfig_;
    bool hadHome_, hadConfig_;
};

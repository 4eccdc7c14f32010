#include "program_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "app/tformparent.h"

namespace {

void copyFolder(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

}  // namespace

ProgramFixture::ProgramFixture()
    : savedHome_(qgetenv("LUMOVA_HOME")), savedConfig_(qgetenv("XDG_CONFIG_HOME")),
      hadHome_(qEnvironmentVariableIsSet("LUMOVA_HOME")),
      hadConfig_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    copyFolder(LUMOVA_STAGED_INSTALL_DIR, appFolder());
    QDir().mkpath(userConfigFolder());
    qputenv("LUMOVA_HOME", appFolder().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", userConfigFolder().toLocal8Bit());
}

ProgramFixture::~ProgramFixture() {
    delete started_.mainWindow;
    if (hadHome_) qputenv("LUMOVA_HOME", savedHome_);
    else qunsetenv("LUMOVA_HOME");
    if (hadConfig_) qputenv("XDG_CONFIG_HOME", savedConfig_);
    else qunsetenv("XDG_CONFIG_HOME");
}

QString ProgramFixture::appFolder() const { return folder_.filePath("Verdanelo/Lumo3D"); }

QString ProgramFixture::userConfigFolder() const { return folder_.filePath("config"); }

QString ProgramFixture::settingsPath() const { return QDir(appFolder()).filePath("setup.txt"); }

void ProgramFixture::writeSettingsLine(const QByteArray& line) {
    QFile file(settingsPath());
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(line + "\n");
}

QByteArray ProgramFixture::settingsFileContents() const {
    QFile file(settingsPath());
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void ProgramFixture::removeSettingsFile() { QFile::remove(settingsPath()); }

ProgramStart ProgramFixture::start() {
    started_ = startProgram(appFolder());
    return started_;
}

TFormparent* ProgramFixture::startFunctionOfX(int width, int height) {
    TFormparent* main = start().mainWindow;
    if (!main) return nullptr;
    main->setLayoutScreenWidth(width);
    main->resize(width, height);
    main->show();
    main->Fonctiondex1Click();
    main->placerfenetres(width);
    return main;
}

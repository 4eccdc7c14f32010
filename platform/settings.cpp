#include "platform/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/messages.h"

Settings ProgramSettings;

namespace {

QString settingsFolder;

constexpr std::size_t LineLength = 8;
constexpr const char* FileName = "setup.txt";

// Reads the digits [from, from + count) of the line as one number; nothing
// when one of them is not a digit or the number is outside [low, high].
std::optional<int> field(const std::string& line, std::size_t from, std::size_t count, int low, int high) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const char c = line[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

QString installSettingsPath(const QString& appFolder) { return QDir(appFolder).filePath(FileName); }

bool writeLine(const QString& path, const std::string& line) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    const QByteArray bytes = QByteArray::fromStdString(line + "\n");
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

std::optional<Settings> parseSettingsLine(const std::string& line) {
    if (line.size() < LineLength) return std::nullopt;
    const auto precis = field(line, 0, 1, 1, 3), taille = field(line, 1, 2, 10, 22);
    const auto epaisseur = field(line, 3, 1, 3, 6), deplace = field(line, 4, 1, 1, 3);
    const auto intro = field(line, 5, 1, 0, 1), lissage = field(line, 6, 1, 0, 1);
    const auto eclairage = field(line, 7, 1, 0, 1);
    if (!precis || !taille || !epaisseur || !deplace || !intro || !lissage || !eclairage)
        return std::nullopt;
    return Settings{*precis, *taille, *epaisseur, *deplace, *intro == 1, *lissage == 1, *eclairage == 1};
}

std::string settingsLine(const Settings& s) {
    return std::to_string(s.precis) + std::to_string(s.taille) + std::to_string(s.epaisseur)
           + std::to_string(s.deplace) + (s.intro3d1 ? "1" : "0") + (s.lissage ? "1" : "0")
           + (s.eclairage ? "1" : "0");
}

QString userSettingsPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative value would follow the folder the program was started from.
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::home().filePath(".config");
    return QDir(base).filePath(QString("Lumova/") + FileName);
}

std::optional<Settings> readSettingsFile(const QString& appFolder, QString* error) {
    const QString path =
        QFileInfo(userSettingsPath()).isFile() ? userSettingsPath() : installSettingsPath(appFolder);
    QFile file(path);
    if (!file.exists()) {
        *error = QString("Le fichier de réglages « %1 » est introuvable : Lumova ne peut pas démarrer.")
                     .arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QString("Le fichier de réglages « %1 » ne peut pas être lu (%2) : Lumova ne peut pas "
                         "démarrer.")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    const std::string line = file.readLine(256).trimmed().toStdString();
    auto settings = parseSettingsLine(line);
    if (!settings) {
        *error = QString("Le fichier de réglages « %1 » est mal formé : il doit contenir une ligne de "
                         "8 chiffres, par exemple 21333011. Lumova ne peut pas démarrer.")
                     .arg(QDir::toNativeSeparators(path));
    }
    return settings;
}

bool writeSettingsFile(const QString& appFolder, const Settings& settings, QString* error) {
    const std::string line = settingsLine(settings);
    const QString user = userSettingsPath();
    // Once the user's copy exists it is the one read at start-up, so it must stay current.
    if (!QFileInfo(user).isFile() && writeLine(installSettingsPath(appFolder), line)) return true;
    if (QDir().mkpath(QFileInfo(user).absolutePath()) && writeLine(user, line)) return true;
    *error = QString("Les réglages n'ont pas pu être enregistrés, ni dans « %1 » ni dans « %2 ». "
                     "Ils restent valables jusqu'à la fermeture de Lumova.")
                 .arg(QDir::toNativeSeparators(installSettingsPath(appFolder)),
                      QDir::toNativeSeparators(user));
    return false;
}

void setSettingsFolder(const QString& appFolder) { settingsFolder = appFolder; }

bool saveProgramSettings() {
    QString error;
    if (writeSettingsFile(settingsFolder, ProgramSettings, &error)) return true;
    showMessage(error);
    return false;
}

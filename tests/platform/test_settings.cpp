#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/app_folder.h"
#include "platform/messages.h"
#include "platform/settings.h"

namespace {

struct LineCase {
    const char* name;
    const char* line;
    bool valid;
};

class SettingsLineParsing : public ::testing::TestWithParam<LineCase> {};

TEST_P(SettingsLineParsing, AcceptsOnlyDigitsWithinTheirRanges) {
    EXPECT_EQ(parseSettingsLine(GetParam().line).has_value(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsLineParsing,
    ::testing::Values(LineCase{"shipped", "21333011", true}, LineCase{"lowest", "11031000", true},
                      LineCase{"highest", "32263111", true}, LineCase{"extra_characters_ignored", "21333011xyz", true},
                      LineCase{"short", "2133301", false}, LineCase{"empty", "", false},
                      LineCase{"non_digit", "2a333011", false}, LineCase{"blank_inside", "2133 011", false},
                      LineCase{"precis_zero", "01333011", false}, LineCase{"precis_four", "41333011", false},
                      LineCase{"taille_nine", "20933011", false}, LineCase{"taille_twenty_three", "22333011", false},
                      LineCase{"epaisseur_two", "21323011", false}, LineCase{"epaisseur_seven", "21373011", false},
                      LineCase{"deplace_zero", "21330011", false}, LineCase{"deplace_four", "21334011", false},
                      LineCase{"intro_two", "21333211", false}, LineCase{"lissage_two", "21333021", false},
                      LineCase{"eclairage_two", "21333012", false}, LineCase{"sign", "-1333011", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsLine, FieldsAreReadByPosition) {
    const auto settings = parseSettingsLine("31651010");
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->precis, 3);
    EXPECT_EQ(settings->taille, 16);
    EXPECT_EQ(settings->epaisseur, 5);
    EXPECT_EQ(settings->deplace, 1);
    EXPECT_FALSE(settings->intro3d1);
    EXPECT_TRUE(settings->lissage);
    EXPECT_FALSE(settings->eclairage);
}

TEST(SettingsLine, WritingGivesBackTheLineRead) {
    for (const char* line : {"21333011", "11031000", "32263111", "21961110"})
        EXPECT_EQ(settingsLine(*parseSettingsLine(line)), line);
}

TEST(SettingsLine, DefaultsAreTheShippedLine) { EXPECT_EQ(settingsLine(Settings{}), "21333011"); }

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", root.filePath("config").toLocal8Bit());
        QDir().mkpath(install());
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
    QString install() const { return root.filePath("Lumo3D"); }
    QString installFile() const { return QDir(install()).filePath("setup.txt"); }
    // Permissions do not stop the superuser: a folder in place of the file does.
    void makeInstallFileUnwritable() {
        QFile::remove(installFile());
        QDir().mkpath(installFile());
    }
    void writeInstallLine(const QByteArray& line) {
        QFile file(installFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(line);
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QTemporaryDir root;
    QByteArray savedConfig;
};

TEST_F(SettingsFileTest, MissingFileIsAnErrorNamingIt) {
    QString error;
    EXPECT_FALSE(readSettingsFile(install(), &error).has_value());
    EXPECT_TRUE(error.contains("introuvable"));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(installFile())));
}

TEST_F(SettingsFileTest, MalformedFileIsAnError) {
    writeInstallLine("21333\n");
    QString error;
    EXPECT_FALSE(readSettingsFile(install(), &error).has_value());
    EXPECT_TRUE(error.contains("mal formé"));
}

TEST_F(SettingsFileTest, ReadsTheFirstLine) {
    writeInstallLine("31651010\r\nsecond line\n");
    QString error;
    const auto settings = readSettingsFile(install(), &error);
    ASSERT_TRUE(settings.has_value()) << error.toStdString();
    EXPECT_EQ(settings->taille, 16);
}

TEST_F(SettingsFileTest, WriteReplacesTheWholeLine) {
    writeInstallLine("21333011\nleft over\n");
    QString error;
    ASSERT_TRUE(writeSettingsFile(install(), *parseSettingsLine("31651010"), &error));
    EXPECT_EQ(contents(installFile()), "31651010\n");
    EXPECT_FALSE(QFile::exists(userSettingsPath()));
}

TEST_F(SettingsFileTest, UnwritableInstallWritesTheUserCopyWhichIsReadFirst) {
    makeInstallFileUnwritable();
    QString error;
    ASSERT_TRUE(writeSettingsFile(install(), *parseSettingsLine("21333010"), &error)) << error.toStdString();
    EXPECT_EQ(contents(userSettingsPath()), "21333010\n");

    const auto reread = readSettingsFile(install(), &error);
    ASSERT_TRUE(reread.has_value());
    EXPECT_FALSE(reread->eclairage);
}

TEST_F(SettingsFileTest, OnceTheUserCopyExistsItKeepsTheChanges) {
    writeInstallLine("21333011\n");
    QDir().mkpath(QFileInfo(userSettingsPath()).absolutePath());
    QFile user(userSettingsPath());
    ASSERT_TRUE(user.open(QIODevice::WriteOnly));
    user.write("21333001\n");
    user.close();
    QString error;
    ASSERT_TRUE(writeSettingsFile(install(), *parseSettingsLine("11333001"), &error));
    EXPECT_EQ(contents(userSettingsPath()), "11333001\n");
    EXPECT_EQ(contents(installFile()), "21333011\n");
}

TEST_F(SettingsFileTest, ARelativeConfigFolderIsIgnored) {
    qputenv("XDG_CONFIG_HOME", "config");
    EXPECT_EQ(userSettingsPath(), QDir::home().filePath(".config/Lumova/setup.txt"));
}

TEST_F(SettingsFileTest, FailedWriteIsReportedInFrenchAndTheProgramGoesOn) {
    makeInstallFileUnwritable();
    // A file where the user's folder should be makes that copy impossible too.
    QFile blocker(root.filePath("config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    MessageCapture capture;
    setSettingsFolder(install());
    ProgramSettings = Settings{};
    EXPECT_FALSE(saveProgramSettings());
    ASSERT_EQ(capture.messages().size(), 1);
    EXPECT_TRUE(capture.messages().front().startsWith("Les réglages n'ont pas pu être enregistrés"));
}

class AppFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        hadHome = qEnvironmentVariableIsSet("LUMOVA_HOME");
        savedHome = qgetenv("LUMOVA_HOME");
        qunsetenv("LUMOVA_HOME");
    }
    void TearDown() override {
        if (hadHome) qputenv("LUMOVA_HOME", savedHome);
        else qunsetenv("LUMOVA_HOME");
    }
    QTemporaryDir root;
    QByteArray savedHome;
    bool hadHome = false;
};

TEST_F(AppFolderTest, EnvironmentVariableComesFirst) {
    QDir().mkpath(root.filePath("bin/Verdanelo/Lumo3D"));
    qputenv("LUMOVA_HOME", root.filePath("elsewhere").toLocal8Bit());
    EXPECT_EQ(findAppFolder(root.filePath("bin")), root.filePath("elsewhere"));
}

TEST_F(AppFolderTest, FolderNextToTheExecutableComesBeforeShare) {
    QDir().mkpath(root.filePath("bin/Verdanelo/Lumo3D"));
    QDir().mkpath(root.filePath("share/Verdanelo/Lumo3D"));
    EXPECT_EQ(findAppFolder(root.filePath("bin")), root.filePath("bin/Verdanelo/Lumo3D"));
}

TEST_F(AppFolderTest, ShareFolderIsTheLastChoice) {
    QDir().mkpath(root.filePath("bin"));
    QDir().mkpath(root.filePath("share/Verdanelo/Lumo3D"));
    EXPECT_EQ(findAppFolder(root.filePath("bin")), root.filePath("share/Verdanelo/Lumo3D"));
}

TEST_F(AppFolderTest, NothingFoundGivesNothing) {
    QDir().mkpath(root.filePath("bin"));
    EXPECT_FALSE(findAppFolder(root.filePath("bin")).has_value());
}

}  // namespace

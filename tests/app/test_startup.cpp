#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <unistd.h>

#include <utility>
#include <vector>

#include "app/startup.h"
#include "app/tformparent.h"
#include "app/tintro.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/cursors.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include "tests/support/program_fixture.h"

namespace {

TEST(StartUp, FloatingPointEnvironmentIsTheDefaultOne) { EXPECT_TRUE(defaultFloatingPointEnvironment()); }

TEST(StartUp, FindsItsFolderReadsItsSettingsAndWaitsForAGraphKind) {
    ProgramFixture program;
    program.writeSettingsLine("31651010");
    const ProgramStart start = program.start();
    ASSERT_NE(start.mainWindow, nullptr) << start.error.toStdString();
    EXPECT_EQ(QString::fromStdString(AppFolder), QDir(program.appFolder()).absolutePath());
    EXPECT_EQ(ProgramSettings.taille, 16);
    EXPECT_TRUE(start.mainWindow->Antialiasingonoff1->isChecked());
    EXPECT_FALSE(start.mainWindow->Eclairageonoff1->isChecked());
    EXPECT_EQ(start.mainWindow->windowTitle(), "Lumova");
    EXPECT_EQ(GraphKind, GraphType::None);
    EXPECT_TRUE(IntroRunning);
    EXPECT_TRUE(SpaceViewBuilt);
    EXPECT_EQ(CurveSlot[1].name, "f");
    EXPECT_EQ(CurveSlot[4].name, "i");
    EXPECT_TRUE(tableCursorLoaded(5));
    EXPECT_TRUE(tableCursorLoaded(14));
    EXPECT_EQ(Formparent, start.mainWindow);
    EXPECT_NE(grafzone, nullptr);
    EXPECT_NE(reperezone, nullptr);
}

TEST(StartUp, OnlyGraphiqueOptionsAndQuitterMenusAreVisible) {
    ProgramFixture program;
    TFormparent* main = program.start().mainWindow;
    ASSERT_NE(main, nullptr);
    for (QMenu* menu : {main->Graphique1, main->Options2, main->Quitter1})
        EXPECT_TRUE(menu->menuAction()->isVisible()) << menu->title().toStdString();
    for (QMenu* menu : {main->Repre1, main->Lecture1, main->Calculs1, main->Drivations1, main->Intgration1,
                        main->Constructions1, main->Courbeparamtre1, main->CourbePolaire1, main->Repredelespace2})
        EXPECT_FALSE(menu->menuAction()->isVisible()) << menu->title().toStdString();
}

TEST(StartUp, IntroWindowPlaysOnlyWhenTheIntroIn3DIsOff) {
    for (const char* line : {"21333011", "21333111"}) {
        ProgramFixture program;
        program.writeSettingsLine(line);
        ASSERT_NE(program.start().mainWindow, nullptr);
        const bool introIn3D = line[5] == '1';
        EXPECT_EQ(intro->isVisibleTo(program.mainWindow()), !introIn3D) << line;
        EXPECT_EQ(intro->Timer1->isActive(), !introIn3D) << line;
    }
}

struct BadSettingsCase {
    const char* name;
    const char* line;  // nullptr: no file at all
    const char* errorWord;
};

class StartUpWithBadSettings : public ::testing::TestWithParam<BadSettingsCase> {};

TEST_P(StartUpWithBadSettings, EndsWithAFrenchMessage) {
    ProgramFixture program;
    if (GetParam().line) program.writeSettingsLine(GetParam().line);
    else program.removeSettingsFile();
    const ProgramStart start = program.start();
    EXPECT_EQ(start.mainWindow, nullptr);
    EXPECT_TRUE(start.error.contains(QString::fromUtf8(GetParam().errorWord))) << start.error.toStdString();
    EXPECT_TRUE(start.error.contains("setup.txt"));
}

INSTANTIATE_TEST_SUITE_P(Files, StartUpWithBadSettings,
                         ::testing::Values(BadSettingsCase{"missing", nullptr, "introuvable"},
                                           BadSettingsCase{"short", "2133", "mal formé"},
                                           BadSettingsCase{"letter", "2133x011", "mal formé"},
                                           BadSettingsCase{"out_of_range", "21393011", "mal formé"},
                                           BadSettingsCase{"empty", "", "mal formé"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartUp, MissingInstallFolderIsReported) {
    ProgramFixture program;
    qunsetenv("LUMOVA_HOME");
    const ProgramStart start = startProgram(QDir::temp().filePath("no-lumova-here"));
    EXPECT_EQ(start.mainWindow, nullptr);
    EXPECT_TRUE(start.error.contains("dossier d'installation"));
}

struct ToggleCase {
    const char* name;
    QAction* TFormparent::*item;
    const char* after;
};

class SettingsToggle : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(SettingsToggle, RewritesTheLineWithOnlyItsCharacterChanged) {
    ProgramFixture program;
    program.writeSettingsLine("21333011");
    TFormparent* main = program.start().mainWindow;
    ASSERT_NE(main, nullptr);
    (main->*GetParam().item)->trigger();
    EXPECT_EQ(program.settingsFileContents(), QByteArray(GetParam().after) + "\n");
    (main->*GetParam().item)->trigger();
    EXPECT_EQ(program.settingsFileContents(), "21333011\n");
}

INSTANTIATE_TEST_SUITE_P(Items, SettingsToggle,
                         ::testing::Values(ToggleCase{"lissage", &TFormparent::Antialiasingonoff1, "21333001"},
                                           ToggleCase{"eclairage", &TFormparent::Eclairageonoff1, "21333010"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsToggle, ReadOnlySettingsAreKeptForTheNextStart) {
    ProgramFixture program;
    TFormparent* main = program.start().mainWindow;
    ASSERT_NE(main, nullptr);
    QFile(program.settingsPath()).setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile(program.appFolder()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    MessageCapture capture;
    main->Antialiasingonoff1->trigger();
    QFile(program.appFolder()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_TRUE(capture.messages().isEmpty());
    QString error;
    const auto next = readSettingsFile(program.appFolder(), &error);
    ASSERT_TRUE(next.has_value()) << error.toStdString();
    EXPECT_FALSE(next->lissage);
    if (geteuid() != 0) {  // permissions do not bind the superuser
        EXPECT_EQ(program.settingsFileContents(), "21333011\n");
        EXPECT_TRUE(QFile::exists(userSettingsPath()));
    }
}

TEST(SettingsToggle, FailedWriteIsReportedAndTheProgramGoesOn) {
    ProgramFixture program;
    TFormparent* main = program.start().mainWindow;
    ASSERT_NE(main, nullptr);
    // Neither the install folder nor the user's folder can take the file.
    QFile::remove(program.settingsPath());
    QDir().mkpath(program.settingsPath());
    QFile blocker(QDir(program.userConfigFolder()).filePath("Lumova"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    MessageCapture capture;
    main->Eclairageonoff1->trigger();
    ASSERT_EQ(capture.messages().size(), 1);
    EXPECT_TRUE(capture.messages().front().contains("n'ont pas pu être enregistrés"));
    EXPECT_FALSE(main->Eclairageonoff1->isChecked());
    EXPECT_FALSE(ProgramSettings.eclairage);
}

// The program as a person starts it, in a changed environment.
struct ProgramRunCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> environment;  // a null value removes the variable
    int status;
    const char* words;  // of what it writes, on either channel
    QStringList arguments = {};
};

class ProgramRun : public ::testing::TestWithParam<ProgramRunCase> {};

TEST_P(ProgramRun, EndsWithItsFrenchMessageAndStatus) {
    QTemporaryDir emptyFolder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(name);
    environment.insert("LUMOVA_HOME", emptyFolder.path());
    environment.insert("XDG_CONFIG_HOME", emptyFolder.path());
    for (const auto& [name, value] : GetParam().environment) {
        if (value) environment.insert(name, value);
        else environment.remove(name);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(LUMOVA_PROGRAM, GetParam().arguments);
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    const QString written = QString::fromLocal8Bit(program.readAllStandardOutput()) + errors;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    EXPECT_EQ(program.exitCode(), GetParam().status) << errors.toStdString();
    EXPECT_TRUE(written.contains(QString::fromUtf8(GetParam().words))) << written.toStdString();
    EXPECT_FALSE(errors.contains("qt.qpa")) << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Environments, ProgramRun,
    ::testing::Values(ProgramRunCase{"no_display", {}, 2, "besoin d'un écran graphique"},
                      // No X server listens on so high a display number.
                      ProgramRunCase{"unreachable_display", {{"DISPLAY", ":97531"}}, 2, "besoin d'un écran graphique"},
                      ProgramRunCase{"no_settings_file", {{"QT_QPA_PLATFORM", "offscreen"}}, 1, "setup.txt"},
                      ProgramRunCase{"usage_without_display", {}, 0, "lumova --export image", {"--help"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Run on a display by their own ctest entry, and skipped elsewhere.
TEST(StartFailureBox, ShowsTheReasonWhereWindowsCanBeSeen) {
    if (QGuiApplication::platformName() == "offscreen") GTEST_SKIP() << "no display";
    MessageCapture capture;
    reportStartFailure("Le fichier de réglages est introuvable.");
    EXPECT_EQ(capture.messages(), QStringList{"Le fichier de réglages est introuvable."});
}

TEST(StartFailureBox, IsNotShownWhereNobodyCanSeeIt) {
    if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "a display";
    MessageCapture capture;
    reportStartFailure("Le fichier de réglages est introuvable.");
    EXPECT_TRUE(capture.messages().isEmpty());
}

}  // namespace

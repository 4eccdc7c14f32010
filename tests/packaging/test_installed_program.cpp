#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include "app/startup.h"
#include "app/tformparent.h"
#include "model/plot_state.h"
#include "platform/settings.h"

namespace {

// The build installed with `cmake --install` into a temporary prefix, once for
// every test, as a package or a teacher installing by hand would.
class InstalledProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = new QTemporaryDir;
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(LUMOVA_CMAKE, {"--install", LUMOVA_BUILD_DIR, "--prefix", prefix_->path()});
        installed_ = install.waitForFinished(120000) && install.exitStatus() == QProcess::NormalExit
                     && install.exitCode() == 0;
        installOutput_ = new QString(QString::fromLocal8Bit(install.readAll()));
    }
    static void TearDownTestSuite() {
        delete prefix_;
        delete installOutput_;
    }
    void SetUp() override {
        ASSERT_TRUE(installed_) << installOutput_->toStdString();
        hadHome_ = qEnvironmentVariableIsSet("LUMOVA_HOME");
        savedHome_ = qgetenv("LUMOVA_HOME");
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("LUMOVA_HOME");
        qputenv("XDG_CONFIG_HOME", userConfig_.path().toLocal8Bit());
    }
    void TearDown() override {
        if (hadHome_) qputenv("LUMOVA_HOME", savedHome_);
        qputenv("XDG_CONFIG_HOME", savedConfig_);
    }

    static QString installed(const QString& relative) { return QDir(prefix_->path()).filePath(relative); }
    static QString installFolder() { return installed("share/Verdanelo/Lumo3D"); }
    static QString settingsFile() { return QDir(installFolder()).filePath("setup.txt"); }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    // The value of a key of the desktop entry.
    static QString desktopValue(const QString& key) {
        const QString entry = QString::fromUtf8(contents(installed("share/applications/fr.verdanelo.lumova.desktop")));
        const auto match = QRegularExpression("^" + key + "=(.*)$", QRegularExpression::MultilineOption).match(entry);
        return match.captured(1);
    }

    static QTemporaryDir* prefix_;
    static bool installed_;
    static QString* installOutput_;
    QTemporaryDir userConfig_;
    QByteArray savedHome_, savedConfig_;
    bool hadHome_ = false;
};

QTemporaryDir* InstalledProgram::prefix_ = nullptr;
bool InstalledProgram::installed_ = false;
QString* InstalledProgram::installOutput_ = nullptr;

// Stands for the desktop's launcher: records what the program asks it to open.
class OpenedDocuments : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

struct RunCase {
    const char* name;
    const char* settingsLine;  // null: no settings file
    bool starts;
    const char* stderrWords;
};

void PrintTo(const RunCase& run, std::ostream* out) { *out << run.name; }

class InstalledBinary : public InstalledProgram, public ::testing::WithParamInterface<RunCase> {};

// The installed binary, started from an unrelated folder with nothing pointing
// at its files, finds the settings of its own prefix: a wrong line there stops it.
TEST_P(InstalledBinary, ReadsTheSettingsOfItsPrefix) {
    const QByteArray shipped = contents(settingsFile());
    if (GetParam().settingsLine) write(settingsFile(), GetParam().settingsLine);
    else QFile::remove(settingsFile());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LUMOVA_HOME");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", userConfig_.path());
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(userConfig_.path());
    program.start(installed("bin/lumova"), {});
    ASSERT_TRUE(program.waitForStarted());
    // A program that cannot start says why and stops within its first second.
    const bool stopped = program.waitForFinished(GetParam().starts ? 5000 : 30000);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    if (!stopped) {
        program.kill();
        program.waitForFinished();
    }
    write(settingsFile(), shipped);

    EXPECT_EQ(!stopped, GetParam().starts) << errors.toStdString();
    if (!GetParam().starts) {
        EXPECT_EQ(program.exitCode(), 1);
        EXPECT_TRUE(errors.contains(settingsFile())) << errors.toStdString();
        EXPECT_TRUE(errors.contains(QString::fromUtf8(GetParam().stderrWords))) << errors.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, InstalledBinary,
                         ::testing::Values(RunCase{"shipped", "21333011\n", true, ""},
                                           RunCase{"malformed", "2133\n", false, "mal formé"},
                                           RunCase{"missing", nullptr, false, "introuvable"}),
                         [](const auto& info) { return std::string(info.param.name); });

// What main() does with the installed binary's folder, in this process, so that
// the help command can be followed to the page it opens.
TEST_F(InstalledProgram, StartedFromItsPrefixItOpensTheHelpPageOfItsInstallFolder) {
    // A line other than the defaults shows that the prefix's file was read.
    const QByteArray shipped = contents(settingsFile());
    write(settingsFile(), "31651010\n");
    const ProgramStart start = startProgram(installed("bin"));
    write(settingsFile(), shipped);
    ASSERT_NE(start.mainWindow, nullptr) << start.error.toStdString();
    EXPECT_EQ(QString::fromStdString(AppFolder), installFolder());
    EXPECT_EQ(ProgramSettings, *parseSettingsLine("31651010"));

    OpenedDocuments opened;
    QDesktopServices::setUrlHandler("file", &opened, "open");
    start.mainWindow->menuItem("Aide1")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    delete start.mainWindow;

    const QString helpPage = QDir(installFolder()).filePath("aide/lumova.htm");
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(helpPage)});
    EXPECT_TRUE(contents(helpPage).contains("Lumova"));
}

// The menu entry names what was installed: the command (given the file to
// open), the type the shared MIME database learns, and the icon.
TEST_F(InstalledProgram, MenuEntryNamesTheInstalledCommandFileTypeAndIcon) {
    const QStringList exec = desktopValue("Exec").split(' ');
    ASSERT_EQ(exec.size(), 2);
    EXPECT_TRUE(QFileInfo(installed("bin/" + exec[0])).isExecutable()) << exec[0].toStdString();
    EXPECT_EQ(exec[1], "%f");

    const QString types = QString::fromUtf8(contents(installed("share/mime/packages/lumova.xml")));
    const QString type = QRegularExpression("<mime-type type=\"([^\"]+)\">").match(types).captured(1);
    EXPECT_EQ(type, "application/x-lumova");
    EXPECT_EQ(desktopValue("MimeType"), type + ";");
    EXPECT_TRUE(types.contains("<glob pattern=\"*.lumova\"/>"));

    EXPECT_TRUE(QFile::exists(installed("share/icons/hicolor/scalable/apps/" + desktopValue("Icon") + ".svg")));
    EXPECT_FALSE(contents(installed("share/man/man1/lumova.1.gz")).isEmpty());
}

// Each picture of the icon theme has the size of the folder it lies in.
TEST_F(InstalledProgram, EveryIconPictureHasTheSizeOfItsFolder) {
    int pictures = 0;
    QDirIterator files(installed("share/icons/hicolor"), {"lumova.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString folder = QFileInfo(path).dir().absolutePath().section('/', -2, -2);
        const QSize size = QImageReader(path).size();
        EXPECT_EQ(folder, QString("%1x%2").arg(size.width()).arg(size.height())) << path.toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 5);
}

}  // namespace

#include "test_installed_program.moc"

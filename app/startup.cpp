#include "app/startup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QTranslator>
#include <cfenv>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/taboutbox.h"
#include "app/tformparent.h"
#include "app/tintro.h"
#include "constructions/tdcartesienne.h"
#include "constructions/tdnormal.h"
#include "constructions/tdpoint.h"
#include "constructions/tdreduite.h"
#include "constructions/tdtan.h"
#include "constructions/tlignebrisee.h"
#include "constructions/tpcourbe.h"
#include "constructions/tpfixe.h"
#include "constructions/tplibre.h"
#include "constructions/tpoly.h"
#include "constructions/tpproj.h"
#include "constructions/tptmilieu.h"
#include "constructions/trotzone.h"
#include "constructions/tspoint.h"
#include "constructions/tsupprimer.h"
#include "constructions/tsymzone.h"
#include "constructions/ttranszone.h"
#include "curves/curve_modes.h"
#include "curves/tanimzone.h"
#include "curves/tarcpara.h"
#include "curves/tarcpolaire.h"
#include "curves/tcartzone.h"
#include "curves/tderivepolaire.h"
#include "curves/tderivpara.h"
#include "curves/tfoncpara.h"
#include "curves/tpointpolaire.h"
#include "curves/tpolairerepere.h"
#include "curves/tpolairetan.h"
#include "curves/tpolairezone.h"
#include "curves/tsuitezone.h"
#include "curves/ttanpara.h"
#include "model/plot_state.h"
#include "plane/tchangedomaine.h"
#include "plane/tchoixf.h"
#include "plane/tcoord.h"
#include "plane/tfonczone.h"
#include "plane/tformemo.h"
#include "plane/tgrafzone.h"
#include "plane/tkval.h"
#include "plane/toptionzone.h"
#include "plane/treperezone.h"
#include "platform/app_folder.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include "platform/sound.h"
#include "session/graph_export.h"
#include "space/tchoixsection.h"
#include "space/tcone.h"
#include "space/tcylindre.h"
#include "space/tfonc3d.h"
#include "space/tgrafgl.h"
#include "space/tplandecoupe.h"
#include "space/tplaneq.h"
#include "space/tpointtroisd.h"
#include "space/tpossource.h"
#include "space/trepere3d.h"
#include "space/tsphere.h"
#include "tools/property_modes.h"
#include "tools/tairezone.h"
#include "tools/tantecedent.h"
#include "tools/tcalczone.h"
#include "tools/tdequation.h"
#include "tools/tderivzone.h"
#include "tools/tdrnormale.h"
#include "tools/textremzone.h"
#include "tools/timagezone.h"
#include "tools/tinterdroite.h"
#include "tools/tineqa.h"
#include "tools/tineqf.h"
#include "tools/tintersection.h"
#include "tools/tintzone.h"
#include "tools/tlongarc.h"
#include "tools/tlongseg.h"
#include "tools/tparite.h"
#include "tools/tperizone.h"
#include "tools/ttabval.h"
#include "tools/ttanzone.h"
#include "tools/ttaux.h"
#include "tools/ttauxpt.h"
#include "tools/ttransfzone.h"
#include "tools/tvarzone.h"
#include "tools/tzerozone.h"

static_assert(std::numeric_limits<long double>::digits == 64, "Lumova computes with 80-bit extended reals");

namespace {

// Creates one window inside the main window's MDI area, hidden, and makes it
// the program's window of its class.
template <class Window>
void create(QPointer<Window>& pointer, TFormparent& main) {
    auto* window = new Window;
    if constexpr (std::is_base_of_v<QMdiSubWindow, Window>) main.mdiArea->addSubWindow(window);
    window->hide();
    pointer = window;
}

// The space view follows the options and cannot be drawn over by the graph; a
// section it shows in the graph brings the graph's menu back.
void connectSpaceView(TFormparent& main) {
    using Change = Tgrafgl::OptionChange;
    grafzone->setSpaceView(grafgl);
    QObject::connect(optionzone, &Toptionzone::introCancelled, grafgl, &Tgrafgl::stopIntro);
    QObject::connect(grafgl, &Tgrafgl::sectionShown, &main, [&main] { main.Repre1->menuAction()->setVisible(true); });
    const auto follow = [](QScrollBar* bar, Change change) {
        QObject::connect(bar, &QScrollBar::valueChanged, grafgl, [change] { grafgl->optionChanged(change); });
    };
    follow(optionzone->precis, Change::Precision);
    follow(optionzone->taille, Change::AxesLook);
    follow(optionzone->epaisseur, Change::AxesLook);
    follow(optionzone->deplace, Change::Other);
    QObject::connect(optionzone->intro3d1, &QCheckBox::clicked, grafgl, [] { grafgl->optionChanged(Change::Other); });
}

// In this order: a window may rely on the windows created before it.
void createWindows(TFormparent& main) {
    create(grafzone, main);
    QObject::connect(grafzone, &Tgrafzone::closed, &main, [&main] { main.Repre1->menuAction()->setVisible(false); });
    create(reperezone, main);
    create(foncZone, main);
    create(tabval, main);
    create(derivzone, main);
    create(animzone, main);
    create(zerozone, main);
    create(intersection, main);
    create(antecedent, main);
    create(choixf, main);
    create(taux, main);
    create(intzone, main);
    create(varzone, main);
    create(calczone, main);
    create(airezone, main);
    create(tanzone, main);
    create(ineqa, main);
    create(ineqf, main);
    create(parite, main);
    create(perizone, main);
    registerPropertyModes();
    create(plibre, main);
    create(pcourbe, main);
    create(pfixe, main);
    create(spoint, main);
    create(dpoint, main);
    create(dreduite, main);
    create(dtan, main);
    create(dcartesienne, main);
    create(supprimer, main);
    create(suitezone, main);
    QObject::connect(grafzone, &Tgrafzone::sequenceRequested, suitezone, &Tsuitezone::redraw);
    create(dequation, main);
    create(fonc3d, main);
    create(foncpara, main);
    create(extremzone, main);
    create(derivpara, main);
    create(optionzone, main);
    create(longarc, main);
    create(arcpara, main);
    create(transfzone, main);
    create(imagezone, main);
    create(dnormal, main);
    create(drnormale, main);
    create(polairezone, main);
    create(polairerepere, main);
    QObject::connect(grafzone, &Tgrafzone::polarGridRewritten, polairerepere, &Tpolairerepere::showGridTexts);
    create(derivepolaire, main);
    create(pointpolaire, main);
    create(polairetan, main);
    create(transzone, main);
    create(symzone, main);
    create(rotzone, main);
    create(arcpolaire, main);
    create(CARTZONE, main);
    create(kval, main);
    create(tanpara, main);
    registerCurveModes();
    create(repere3d, main);
    create(possource, main);
    create(sphere, main);
    create(cylindre, main);
    create(choixsection, main);
    create(cone, main);
    create(tauxpt, main);
    create(changedomaine, main);
    create(intro, main);
    create(AboutBox, main);
    create(formemo, main);
    create(plandecoupe, main);
    create(pointtroisd, main);
    create(poly, main);
    create(lignebrisee, main);
    create(planeq, main);
    create(Ptmilieu, main);
    create(pproj, main);
    create(coord, main);
    create(longseg, main);
    create(interdroite, main);
    create(grafgl, main);
    QObject::connect(optionzone, &Toptionzone::introCancelled, intro, &QWidget::hide);
    QObject::connect(grafzone, &Tgrafzone::pointDragged, longseg, &Tlongseg::followPoint);
    QObject::connect(grafzone, &Tgrafzone::pointDragged, tauxpt, [] {
        if (tauxpt->isVisible()) tauxpt->goClick();
    });
    connectSpaceView(main);
    QObject::connect(grafzone, &Tgrafzone::pointDragged, dequation, [] { dequation->update(); });
}

void centreInArea(TFormparent& main, QWidget* window) {
    if (!window || window->isHidden()) return;
    const QSize area = main.mdiArea->size();
    window->move(std::max(0, (area.width() - window->width()) / 2),
                 std::max(0, (area.height() - window->height()) / 2));
}

// The space window plays the 3D intro; the intro window the other one.
void startIntro(TFormparent& main) {
    if (ProgramSettings.intro3d1) {
        if (grafgl) grafgl->startIntro();
        centreInArea(main, grafgl);
        return;
    }
    if (!intro) return;
    intro->show();
    centreInArea(main, intro);
    intro->Timer1->start();
    playSound(QDir(soundFolder(QString::fromStdString(AppFolder))).filePath("intro2.wav"));
}

constexpr int NoDisplayStatus = 2;
constexpr int StartFailureStatus = 1;
constexpr int CommandFailureStatus = 3;
constexpr int ExportScreenWidth = 1024, ExportScreenHeight = 768;
constexpr const char* ExportOption = "--export";
constexpr const char* HelpOption = "--help";
constexpr const char* UsageText =
    "Usage : lumova [séance.lumova]\n"
    "        lumova --export image.png|svg|pdf séance.lumova\n"
    "        lumova --help\n"
    "\n"
    "Sans argument, Lumova s'ouvre sans graphique choisi ; avec une séance, il l'ouvre au démarrage.\n"
    "--export dessine le graphique de la séance dans l'image (PNG, SVG ou PDF selon son extension),\n"
    "         sans ouvrir de fenêtre ni demander d'écran, puis s'arrête.\n"
    "--help   affiche ce texte.\n";

void reportCommandFailure(const QString& error) {
    std::fprintf(stderr, "Lumova : %s\n", error.toLocal8Bit().constData());
}

bool optionGiven(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// Lays the windows out for a screen of known size, so that the picture does not
// depend on the machine, then renders the session.
int exportSession(TFormparent& main, const CommandLine& command) {
    main.setLayoutScreenWidth(ExportScreenWidth);
    main.resize(ExportScreenWidth, ExportScreenHeight);
    main.show();
    QString error = main.openSession(command.sessionPath);
    if (error.isEmpty()) error = exportGraph(command.exportPath);
    if (error.isEmpty()) return 0;
    reportCommandFailure(error);
    return CommandFailureStatus;
}

void reportNoDisplay() {
    std::fprintf(stderr,
                 "Lumova a besoin d'un écran graphique, mais aucun n'est disponible "
                 "(ni DISPLAY ni WAYLAND_DISPLAY ne désigne un écran joignable).\n"
                 "Sur une machine sans écran, lancez-le par exemple avec : "
                 "xvfb-run -a scripts/run.sh\n");
}

bool displayNamed() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// While the toolkit connects to the display, a failure is fatal to it and would
// abort with its own English reasons: the program ends as it does without a
// display instead. The toolkit's other messages are held until it has connected.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage> heldMessages;

void whileConnectingToTheDisplay(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, text});
        return;
    }
    reportNoDisplay();
    std::fflush(stderr);
    std::_Exit(NoDisplayStatus);
}

void releaseHeldMessages(QtMessageHandler handler) {
    qInstallMessageHandler(handler);
    for (const HeldMessage& message : heldMessages) handler(message.type, QMessageLogContext(), message.text);
    heldMessages.clear();
}

// Only a platform that draws for no one may not show a box: its box would wait forever.
bool windowsCanBeSeen() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

// The words of the file choosers' "Type" column, which the French catalogue
// of this Qt version does not have.
class FileTypeWords : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::strcmp(context, "QAbstractFileIconProvider") != 0) return {};
        static const std::pair<const char*, const char*> words[] = {
            {"Folder", "Dossier"}, {"Drive", "Lecteur"}, {"Unknown", "Inconnu"}};
        for (const auto& [english, french] : words)
            if (std::strcmp(source, english) == 0) return QString::fromUtf8(french);
        return {};
    }
    bool isEmpty() const override { return false; }
};

// Qt's own windows and menus (the file choosers, the print dialog, the menu of
// every edit field) speak French like the rest of the program. Without the
// catalogue (Debian's qt6-translations-l10n) they stay in English.
void installQtFrenchTexts() {
    static QTranslator catalogue;
    static FileTypeWords fileTypes;
    static const bool loaded =
        catalogue.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication::removeTranslator(&catalogue);
    QCoreApplication::removeTranslator(&fileTypes);
    if (loaded) QCoreApplication::installTranslator(&catalogue);
    // The last installed is asked first.
    QCoreApplication::installTranslator(&fileTypes);
}

// The icon of the desktop entry, in the sizes a window's corner uses.
void installProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) icon.addFile(QString(":/icons/lumova-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
}

}  // namespace

bool defaultFloatingPointEnvironment() {
    if (std::fegetround() != FE_TONEAREST) return false;
#if defined(__x86_64__) || defined(__i386__)
    unsigned short control = 0;
    __asm__ volatile("fnstcw %0" : "=m"(control));
    constexpr unsigned short ExceptionMasks = 0x3F, Precision64 = 0x300, RoundingBits = 0xC00;
    if ((control & ExceptionMasks) != ExceptionMasks) return false;
    if ((control & 0x300) != Precision64 || (control & RoundingBits) != 0) return false;
#endif
#if defined(__GLIBC__)
    if (fegetexcept() != 0) return false;
#endif
    return true;
}

ProgramStart startProgram(const QString& executableFolder) {
    installQtFrenchTexts();
    installProgramIcon();
    ProgramStart start;
    const auto folder = findAppFolder(executableFolder);
    if (!folder) {
        start.error = QString("Le dossier d'installation de Lumova est introuvable : ni LUMOVA_HOME, ni "
                              "« Verdanelo/Lumo3D » à côté du programme, ni « ../share/Verdanelo/Lumo3D ».");
        return start;
    }
    const auto settings = readSettingsFile(*folder, &start.error);
    if (!settings) return start;
    AppFolder = folder->toStdString();
    ProgramSettings = *settings;
    setSettingsFolder(*folder);
    setPaintProbe([] { return Painting; });

    auto* main = new TFormparent;
    Formparent = main;
    createWindows(*main);
    startIntro(*main);
    start.mainWindow = main;
    return start;
}

void reportStartFailure(const QString& error) {
    std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
    if (windowsCanBeSeen()) showMessage(error);
}

CommandLine readCommandLine(const QStringList& arguments) {
    CommandLine command;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == ExportOption) {
            if (i + 1 >= arguments.size()) {
                command.error = QString::fromUtf8("--export attend le nom de l'image à écrire (.png, .svg ou .pdf).");
                return command;
            }
            command.exportPath = arguments[++i];
        } else if (argument.startsWith("-") && argument != "-") {
            command.error = QString::fromUtf8("option inconnue « %1 ».\n").arg(argument) + QString::fromUtf8(UsageText).trimmed();
            return command;
        } else if (command.sessionPath.isEmpty()) {
            command.sessionPath = argument;
        } else {
            command.error = QString::fromUtf8("une seule séance peut être ouverte à la fois.");
            return command;
        }
    }
    if (!command.exportPath.isEmpty() && command.sessionPath.isEmpty())
        command.error = QString::fromUtf8("--export demande la séance à dessiner.");
    return command;
}

int runLumova(int argc, char** argv) {
    // The usage needs no display either.
    if (optionGiven(argc, argv, HelpOption)) {
        std::fputs(UsageText, stdout);
        return 0;
    }
    // A picture is rendered without any display.
    if (optionGiven(argc, argv, ExportOption) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!displayNamed()) {
        reportNoDisplay();
        return NoDisplayStatus;
    }
    if (!defaultFloatingPointEnvironment()) {
        std::fprintf(stderr, "Lumova : l'unité de calcul flottant n'est pas dans son état par défaut "
                             "(exceptions masquées, arrondi au plus proche) ; les calculs seraient faux.\n");
        return StartFailureStatus;
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(whileConnectingToTheDisplay);
    QApplication application(argc, argv);
    releaseHeldMessages(previousHandler);
    QApplication::setApplicationName("Lumova");
    // Numbers are written and read with a decimal point whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());

    const CommandLine command = readCommandLine(QApplication::arguments());
    if (!command.error.isEmpty()) {
        reportCommandFailure(command.error);
        return CommandFailureStatus;
    }
    const ProgramStart start = startProgram(QApplication::applicationDirPath());
    if (!start.mainWindow) {
        reportStartFailure(start.error);
        return StartFailureStatus;
    }
    if (!command.exportPath.isEmpty()) {
        const int status = exportSession(*start.mainWindow, command);
        delete start.mainWindow;
        return status;
    }
    // As large as it will be once maximised: the window manager maximises it a
    // moment after it is shown, and the windows placed before that (a session
    // given on the command line, the intro) would be kept inside a smaller area.
    if (const QScreen* screen = start.mainWindow->screen())
        start.mainWindow->resize(screen->availableGeometry().size());
    start.mainWindow->showMaximized();
    // Once the main window has its size, which the graph's layout follows.
    if (!command.sessionPath.isEmpty())
        QTimer::singleShot(0, start.mainWindow, [main = start.mainWindow, path = command.sessionPath] {
            const QString error = main->openSession(path);
            if (error.isEmpty()) return;
            reportCommandFailure(error);
            showMessage(error);
        });
    // The frame has its screen size only now.
    centreInArea(*start.mainWindow, intro);
    centreInArea(*start.mainWindow, grafgl);
    const int status = application.exec();
    delete start.mainWindow;
    return status;
}

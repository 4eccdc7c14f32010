#include "app/tformparent.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "app/taboutbox.h"
#include "app/tintro.h"
#include "app/window_layout.h"
#include "constructions/construction_tables.h"
#include "plane/forms.h"
#include "plane/graph_interaction.h"
#include "plane/tfonczone.h"
#include "plane/tkval.h"
#include "plane/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/app_folder.h"
#include "platform/colour.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "platform/sound.h"

namespace {

QString soundPath(const char* name) { return QDir(soundFolder(QString::fromStdString(AppFolder))).filePath(name); }

void showForm(const char* className) {
    if (QWidget* window = findForm(className)) {
        window->show();
        window->raise();
    }
}

void hideForm(const char* className) {
    if (QWidget* window = findForm(className)) window->hide();
}

int formHeight(const char* className) {
    const QWidget* window = findForm(className);
    return window ? window->height() : 0;
}

int formWidth(const char* className) {
    const QWidget* window = findForm(className);
    return window ? window->width() : 0;
}

void placeForm(const char* className, int left, int top) {
    if (QWidget* window = findForm(className)) window->move(left, top);
}

// Gives the keyboard focus to the control of that name inside a window.
void focusControl(const char* className, const char* controlName) {
    QWidget* window = className ? findForm(className) : nullptr;
    if (!window) return;
    if (auto* control = window->findChild<QWidget*>(controlName)) control->setFocus();
}

void setChildVisible(const char* className, const char* childName, bool visible) {
    QWidget* window = findForm(className);
    if (!window) return;
    if (auto* child = window->findChild<QWidget*>(childName)) child->setVisible(visible);
}

// The plane kinds show the graph without a caption bar; the space view and the
// section display give it one back.
void setGraphCaption(bool caption) {
    if (!grafzone) return;
    Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowStaysOnTopHint;
    flags |= caption ? Qt::WindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
                     : Qt::WindowFlags(Qt::FramelessWindowHint);
    if (grafzone->windowFlags() == flags) return;
    const bool visible = grafzone->isVisible();
    const QRect geometry = grafzone->geometry();
    grafzone->setWindowFlags(flags);
    grafzone->setGeometry(geometry);
    grafzone->setVisible(visible);
}

// Every window the reset hides, in the order they are listed.
constexpr const char* ResetHidden[] = {
    "Treperezone", "Tchoixf", "Tanimzone", "Tantecedent", "Tairezone", "Tarcpara", "Tarcpolaire",
    "TCARTZONE", "Tchangedomaine", "Tdequation", "Tderivzone", "Tderivpara", "Tderivepolaire",
    "Tdpoint", "Tdreduite", "Tdtan", "Tdcartesienne", "Tdrnormale", "Tdnormal", "Textremzone",
    "TfoncZone", "Tfoncpara", "Tfonc3d", "Timagezone", "Tineqa", "Tineqf", "Tintersection",
    "Tintzone", "Tkval", "Tlongarc", "Toptionzone", "Tparite", "Tperizone", "Tplandecoupe",
    "Tplibre", "Tpfixe", "Tpcourbe", "Tpointpolaire", "Tpolairezone", "Tpolairerepere",
    "Tpolairetan", "Tpossource", "Trepere3d", "Trotzone", "Tspoint", "Tsuitezone", "Tsupprimer",
    "Tsymzone", "Ttabval", "Ttanpara", "Ttanzone", "Ttaux", "Ttauxpt", "Ttransfzone", "Ttranszone",
    "Tchoixsection", "Tzerozone", "Tcalczone", "Tvarzone", "TAboutBox", "Tpointtroisd", "Tpoly",
    "Tlignebrisee", "Tplaneq", "TPtmilieu", "Tpproj", "Tcoord", "Tlongseg", "Tinterdroite"};
constexpr const char* SpaceHidden[] = {"Tcone", "Tcylindre", "Tgrafgl", "Tsphere"};

// The tool dialogs placed in the column under the frame window.
constexpr const char* ColumnDialogs[] = {
    "Tantecedent", "Tairezone", "Tarcpara", "Tarcpolaire", "Tdequation", "Tderivzone", "Tderivpara",
    "Tcoord", "Tlongseg", "Tderivepolaire", "Tdpoint", "Tdreduite", "Tdtan", "Tdcartesienne",
    "Tdrnormale", "Tdnormal", "Textremzone", "Timagezone", "Tineqf", "Tinterdroite", "Tintzone",
    "Tkval", "Tlongarc", "Tlignebrisee", "Tplibre", "TPtmilieu", "Tpfixe", "Tpcourbe", "Tpproj",
    "Tpointpolaire", "Tpolairetan", "Trotzone", "Tspoint", "Tsuitezone", "Tsupprimer", "Tsymzone",
    "Ttabval", "Ttanpara", "Ttaux", "Ttauxpt", "Ttransfzone", "Ttranszone", "Tzerozone", "Tchoixf",
    "Toptionzone", "Ttanzone", "Tintersection"};
constexpr const char* UnderChoiceDialogs[] = {"Tineqa", "Tparite", "Tperizone"};
constexpr const char* EntryRow[] = {"TfoncZone", "Tanimzone", "Tfoncpara", "Tpolairezone"};

constexpr long double DefaultHalfWidth = 10;

}  // namespace

struct TFormparent::KindSetup {
    int kind;
    bool functionMenus;
    bool parametricMenu;
    bool polarMenu;
    long double ymax;  // the frame is [-10, 10] x [-ymax, ymax]
    std::vector<const char*> windows;
    const char* focusWindow;
    const char* focusName;
};

TFormparent::TFormparent(QWidget* parent) : QMainWindow(parent), mdiArea(new QMdiArea) {
    setWindowTitle("Lumova");
    mdiArea->setBackground(QBrush(toQColor(clMainBackground)));
    setCentralWidget(mdiArea);
    buildMenu();

    Antialiasingonoff1->setChecked(ProgramSettings.lissage);
    Eclairageonoff1->setChecked(ProgramSettings.eclairage);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    SpaceViewBuilt = false;
    PlotFrame.xmin = PlotFrame.ymin = -DefaultHalfWidth;
    PlotFrame.xmax = PlotFrame.ymax = DefaultHalfWidth;
    PlotFrame.graduex = PlotFrame.graduey = 1;
    const char* names[] = {"", "f", "g", "h", "i", ""};
    for (int slot = 0; slot < CurveSlotCount; ++slot) {
        CurveSlot[slot].formula.clear();
        CurveSlot[slot].name = names[slot];
    }
    resetCurveColours();
    PlotMode = 0;
    clearConstructionCounts();
    writePresetPoints();
    loadCursorTable(cursorFolder(QString::fromStdString(AppFolder)));
    IntroRunning = true;
    setCursor(cursorFromNumber(5));
}

void TFormparent::buildMenu() {
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const char* caption, void (TFormparent::*handler)(),
                       QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        if (handler) connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto menu = [](QMenuBar* owner, const char* caption) { return owner->addMenu(QString::fromUtf8(caption)); };
    auto submenu = [](QMenu* owner, const char* caption) { return owner->addMenu(QString::fromUtf8(caption)); };

    Graphique1 = menu(bar, "Graphique");
    QMenu* fx = submenu(Graphique1, "f(x)");
    Fonctiondex1 = item(fx, "Fonction de x", &TFormparent::Fonctiondex1Click, Qt::Key_F1);
    Animation1 = item(fx, "Animation", &TFormparent::Animation1Click);
    paramtre1 = item(Graphique1, "Equations paramétrées", &TFormparent::paramtre1Click, Qt::Key_F2);
    Equationcartsienne1 = item(Graphique1, "Equation cartésienne", &TFormparent::Equationcartsienne1Click, Qt::Key_F3);
    Polaire1 = item(Graphique1, "Equation polaire", &TFormparent::Polaire1Click, Qt::Key_F4);
    fxyz1 = item(Graphique1, "Repère de l'espace", &TFormparent::fxyz1Click, Qt::Key_F5);
    Copier1 = item(Graphique1, "Copier", &TFormparent::Copier1Click, QKeySequence(Qt::CTRL | Qt::Key_C));

    Repre1 = menu(bar, "Repère");
    Raffraichir1 = item(Repre1, "Raffraichir", &TFormparent::Raffraichir1Click, Qt::Key_F6);
    Modeneutre1 = item(Repre1, "Mode neutre", &TFormparent::Modeneutre1Click);
    Xminxmax1 = item(Repre1, "Repère", &TFormparent::Xminxmax1Click);
    Dplacement1 = item(Repre1, "Déplacement", &TFormparent::Dplacement1Click);
    Zoom1 = item(Repre1, "Zoom +/-", &TFormparent::Zoom1Click);

    Lecture1 = menu(bar, "Lecture");
    Parcourir1 = item(Lecture1, "Parcourir", &TFormparent::Parcourir1Click);
    Coordonnesdunpoint1 = item(Lecture1, "Coordonnées d'un point", &TFormparent::Coordonnesdunpoint1Click);
    imagedunpoint1 = item(Lecture1, "Image", &TFormparent::imagedunpoint1Click);
    Antcdents1 = item(Lecture1, "Antécédent(s)", &TFormparent::Antcdents1Click);
    Parit1 = item(Lecture1, "Parité", &TFormparent::Parit1Click);
    Priode1 = item(Lecture1, "Période", &TFormparent::Priode1Click);

    Calculs1 = menu(bar, "Calculs");
    Calculatrice1 = item(Calculs1, "Calculatrice", &TFormparent::Calculatrice1Click);
    ableaudevaleur1 = item(Calculs1, "Tableau de valeurs", &TFormparent::ableaudevaleur1Click);
    Zros1 = item(Calculs1, "Zéro(s) d'une fonction", &TFormparent::Zros1Click);
    INtersections1 = item(Calculs1, "Intersection(s) de deux courbes", &TFormparent::INtersections1Click);
    Intersectiondedeuxdroites1 =
        item(Calculs1, "Intersection de deux droites", &TFormparent::Intersectiondedeuxdroites1Click);
    QMenu* inequation = submenu(Calculs1, "Inéquation");
    Dutypefxa1 = item(inequation, "Du type f(x)<a", &TFormparent::Dutypefxa1Click);
    Dutypefxgx1 = item(inequation, "Du type f(x)<g(x)", &TFormparent::Dutypefxgx1Click);
    Equationdunedroite1 = item(Calculs1, "Equation d'une droite", &TFormparent::Equationdunedroite1Click);
    Longueurdunsegment1 = item(Calculs1, "Longueur d'un segment", &TFormparent::Longueurdunsegment1Click);

    Drivations1 = menu(bar, "Dérivation");
    QMenu* rate = submenu(Drivations1, "Taux d'accroissement");
    Entredeuxabscisses1 = item(rate, "Entre deux abscisses", &TFormparent::Entredeuxabscisses1Click);
    Entredeuxpoints1 = item(rate, "Entre deux points", &TFormparent::Entredeuxpoints1Click);
    Drivation2 = item(Drivations1, "Fonctions dérivées", &TFormparent::Drivation2Click);
    Extremum1 = item(Drivations1, "Extremum(s)", &TFormparent::Extremum1Click);
    Drivation1 = item(Drivations1, "Equation d'une tangente", &TFormparent::Drivation1Click);
    Equationdunenormale1 = item(Drivations1, "Equation d'une normale", &TFormparent::Equationdunenormale1Click);
    Variaion1 = item(Drivations1, "Variations", &TFormparent::Variaion1Click);

    Intgration1 = menu(bar, "Intégration");
    Intgrationnumrique1 = item(Intgration1, "Intégration numérique", &TFormparent::Intgrationnumrique1Click);
    Aireenrtedeuxcourbes1 = item(Intgration1, "Aire entre deux courbes", &TFormparent::Aireenrtedeuxcourbes1Click);
    Longeurdelacourbe1 = item(Intgration1, "Longueur d'un arc", &TFormparent::Longeurdelacourbe1Click);

    Constructions1 = menu(bar, "Constructions");
    QMenu* points = submenu(Constructions1, "Points");
    fice1 = item(points, "fixe", &TFormparent::fice1Click);
    libre1 = item(points, "libre", &TFormparent::libre1Click);
    libresurunecourbe1 = item(points, "libre sur une courbe", &TFormparent::libresurunecourbe1Click);
    Milieudunsegment1 = item(points, "milieu d'un segment", &TFormparent::Milieudunsegment1Click);
    QMenu* image = submenu(points, "image par");
    ranslation1 = item(image, "translation", &TFormparent::ranslation1Click);
    Symtrieaxiale1 = item(image, "symétrie axiale", &TFormparent::Symtrieaxiale1Click);
    Rotation1 = item(image, "rotation", &TFormparent::Rotation1Click);
    Symtriecentrale1 = item(image, "symétrie centrale", nullptr);
    Projection1 = item(image, "projection", &TFormparent::Projection1Click);
    racerunsegment1 = item(Constructions1, "Segments", &TFormparent::racerunsegment1Click);
    QMenu* lines = submenu(Constructions1, "Droites");
    Avecdeuxpoints1 = item(lines, "avec deux points", &TFormparent::Avecdeuxpoints1Click);
    Equation1 = item(lines, "à partir de l'équation réduite", &TFormparent::Equation1Click);
    Donnerlquationcartsienne1 =
        item(lines, "à partir de l'équation cartésienne", &TFormparent::Donnerlquationcartsienne1Click);
    tangente1 = item(lines, "tangente", &TFormparent::tangente1Click);
    normale1 = item(lines, "normale", &TFormparent::normale1Click);
    Polygnes1 = item(Constructions1, "Polygones", &TFormparent::Polygnes1Click);
    Construireunesuite1 = item(Constructions1, "Suites et fonctions", &TFormparent::Construireunesuite1Click);
    ransformationdunefonction1 =
        item(Constructions1, "Transformée d'une fonction", &TFormparent::ransformationdunefonction1Click);
    Dtruire1 = item(Constructions1, "Supprimer", &TFormparent::Dtruire1Click);

    Courbeparamtre1 = menu(bar, "Courbe paramétrée");
    QMenu* paraConstructions = submenu(Courbeparamtre1, "Constructions");
    PLac1 = item(paraConstructions, "Point fixe", &TFormparent::PLac1Click);
    Pointlibre1 = item(paraConstructions, "Point libre", &TFormparent::Pointlibre1Click);
    Milieudusegment1 = item(paraConstructions, "Milieu du segment", &TFormparent::Milieudusegment1Click);
    QMenu* paraImage = submenu(paraConstructions, "Point image par");
    ranslation3 = item(paraImage, "Translation", &TFormparent::ranslation3Click);
    Symtrieaxiale3 = item(paraImage, "Symétrie axiale", &TFormparent::Symtrieaxiale3Click);
    rotation3 = item(paraImage, "rotation", &TFormparent::rotation3Click);
    racerunsegment3 = item(paraConstructions, "Tracer un segment", &TFormparent::racerunsegment3Click);
    racerunedroite3 = item(paraConstructions, "Tracer une droite", &TFormparent::racerunedroite3Click);
    racerunetangente2 = item(paraConstructions, "Tracer une tangente", &TFormparent::racerunetangente2Click);
    racerunpolygne1 = item(paraConstructions, "Tracer un polygone", &TFormparent::racerunpolygne1Click);
    Supprimeruneconstruction2 =
        item(paraConstructions, "Supprimer une construction", &TFormparent::Supprimeruneconstruction2Click);
    Parcourir2 = item(Courbeparamtre1, "Parcourir la courbe", &TFormparent::Parcourir2Click);
    Drivation3 = item(Courbeparamtre1, "Dérivée de X(x) et Y(x)", &TFormparent::Drivation3Click);
    angente2 = item(Courbeparamtre1, "Visualiser les tangentes", &TFormparent::angente2Click);
    Longueurdelacourbe1 = item(Courbeparamtre1, "Longueur d'un arc", &TFormparent::Longueurdelacourbe1Click);

    CourbePolaire1 = menu(bar, "Courbe Polaire");
    QMenu* polarConstructions = submenu(CourbePolaire1, "Constructions");
    Placerunpoint2 = item(polarConstructions, "Placer un point fixe", &TFormparent::Placerunpoint2Click);
    Pointlibre2 = item(polarConstructions, "Point libre", &TFormparent::Pointlibre2Click);
    Milieudusegment2 = item(polarConstructions, "Milieu du segment", &TFormparent::Milieudusegment2Click);
    QMenu* polarImage = submenu(polarConstructions, "Point image par");
    ranslation2 = item(polarImage, "Translation", &TFormparent::ranslation2Click);
    Symtrieaxiale2 = item(polarImage, "Symétrie axiale", &TFormparent::Symtrieaxiale2Click);
    Rotation2 = item(polarImage, "Rotation", &TFormparent::Rotation2Click);
    racerunsegment2 = item(polarConstructions, "Tracer un segment", &TFormparent::racerunsegment2Click);
    racerunedroite2 = item(polarConstructions, "Tracer une droite", &TFormparent::racerunedroite2Click);
    racerunetangente1 = item(polarConstructions, "Tracer une tangente", &TFormparent::racerunetangente1Click);
    racerunpolygne2 = item(polarConstructions, "Tracer un polygone", &TFormparent::racerunpolygne2Click);
    Supprimeruneconstruction1 =
        item(polarConstructions, "Supprimer une construction", &TFormparent::Supprimeruneconstruction1Click);
    Parcourirlacourbe1 = item(CourbePolaire1, "Parcourir la courbe", &TFormparent::Parcourirlacourbe1Click);
    Visualiserlestangentes1 =
        item(CourbePolaire1, "Visualiser les tangentes", &TFormparent::Visualiserlestangentes1Click);
    DrivedeXxetYx1 = item(CourbePolaire1, "Dérivée de R(x)", &TFormparent::DrivedeXxetYx1Click);
    Longueurdunarc1 = item(CourbePolaire1, "Longueur d'un arc", &TFormparent::Longueurdunarc1Click);

    Repredelespace2 = menu(bar, "Repère de l'espace");
    QMenu* section = submenu(Repredelespace2, "Section");
    racerunplan1 = item(section, "Plan de coupe", &TFormparent::racerunplan1Click);
    Montrerlasection1 = item(section, "Montrer la section plane", &TFormparent::Montrerlasection1Click);
    QMenu* solids = submenu(Repredelespace2, "Solides de révolution");
    Cylindre1 = item(solids, "Cylindres", &TFormparent::Cylindre1Click);
    Cne1 = item(solids, "Cônes", &TFormparent::Cne1Click);
    Sphre1 = item(solids, "Sphères", &TFormparent::Sphre1Click);
    QMenu* spaceConstructions = submenu(Repredelespace2, "Constructions");
    Points1 = item(spaceConstructions, "Points", &TFormparent::Points1Click);
    Segment1 = item(spaceConstructions, "Segments", &TFormparent::Segment1Click);
    Droite1 = item(spaceConstructions, "Droites", &TFormparent::Droite1Click);
    Polygne1 = item(spaceConstructions, "Polygones (3-4 sommets)", &TFormparent::Polygne1Click);
    Plan1 = item(spaceConstructions, "Plans", &TFormparent::Plan1Click);
    QMenu* display = submenu(Repredelespace2, "Affichage");
    Positiondelasourcelumineuse1 =
        item(display, "Position de la source lumineuse", &TFormparent::Positiondelasourcelumineuse1Click);
    Antialiasingonoff1 = item(display, "Lissage", &TFormparent::Antialiasingonoff1Click);
    Antialiasingonoff1->setCheckable(true);
    Eclairageonoff1 = item(display, "Eclairage ", &TFormparent::Eclairageonoff1Click);
    Eclairageonoff1->setCheckable(true);
    Eclairageonoff1->setChecked(true);

    Options2 = menu(bar, "Options");
    ChargerunTD1 = item(Options2, "Charger un TD", &TFormparent::ChargerunTD1Click);
    Options1 = item(Options2, "Réglages divers", &TFormparent::Options1Click, QKeySequence(Qt::CTRL | Qt::Key_R));
    Aide1 = item(Options2, "A l'aide", &TFormparent::Aide1Click);

    Quitter1 = menu(bar, "Quitter");
    Apropos1 = item(Quitter1, "A propos", &TFormparent::Apropos1Click);
    Quitter2 = item(Quitter1, "Quitter", &TFormparent::Quitter2Click, QKeySequence(Qt::CTRL | Qt::Key_Q));
    N1 = item(Quitter1, " ", nullptr);
    N1->setVisible(false);
    // A hidden item's shortcut does not fire: the window carries it instead.
    auto* hiddenAbout = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1), this);
    connect(hiddenAbout, &QShortcut::activated, this, &TFormparent::N1Click);

    setPlaneMenus(false, false, false, false, false);
}

void TFormparent::setPlaneMenus(bool repere, bool functionMenus, bool parametric, bool polar, bool space) {
    Repre1->menuAction()->setVisible(repere);
    for (QMenu* menu : {Lecture1, Calculs1, Constructions1, Drivations1, Intgration1})
        menu->menuAction()->setVisible(functionMenus);
    Courbeparamtre1->menuAction()->setVisible(parametric);
    CourbePolaire1->menuAction()->setVisible(polar);
    Repredelespace2->menuAction()->setVisible(space);
}

// ---- Graph kinds --------------------------------------------------------------

void TFormparent::switchGraphKind(const KindSetup& setup) {
    const bool polar = setup.kind == 4;
    fermerfenetres();
    if (polar && reperezone) reperezone->ortho->setChecked(true);
    // A hidden window would only receive its new size when shown, and its
    // resize handler would then fit the new frame to the old scale.
    if (grafzone) grafzone->show();
    placerfenetres(layoutScreenWidth());
    setPlaneMenus(true, setup.functionMenus, setup.parametricMenu, setup.polarMenu, false);
    for (const char* window : setup.windows) showForm(window);
    if (polar) hideForm("Treperezone");
    GraphKind = setup.kind;
    PlotFrame.xmin = -DefaultHalfWidth;
    PlotFrame.xmax = DefaultHalfWidth;
    PlotFrame.ymin = -setup.ymax;
    PlotFrame.ymax = setup.ymax;
    if (!polar && reperezone) reperezone->showBounds();
    if (grafzone) {
        grafzone->t()->hide();
        grafzone->show();
        grafzone->repaintGraph();
    }
    focusControl(setup.focusWindow, setup.focusName);
}

void TFormparent::Fonctiondex1Click() {
    switchGraphKind({1, true, false, false, 7.94L, {"TfoncZone", "Treperezone"}, nullptr, nullptr});
    setGraphCursorRemembered(crDefault);
    if (foncZone) foncZone->Editf->setFocus();
}

void TFormparent::Animation1Click() {
    switchGraphKind({2, false, false, false, 7.7L, {"Treperezone", "Tanimzone", "Tkval"}, "Tanimzone", "Editf"});
}

void TFormparent::paramtre1Click() {
    switchGraphKind({3, false, true, false, 7.94L, {"Tfoncpara", "Treperezone"}, "Tfoncpara", "Editf"});
}

void TFormparent::Equationcartsienne1Click() {
    switchGraphKind({5, false, false, false, 7.94L, {"Treperezone", "TCARTZONE"}, "TCARTZONE", "Editf"});
}

void TFormparent::Polaire1Click() {
    switchGraphKind({4, false, false, true, 7.94L, {"Tpolairerepere", "Tpolairezone"}, "Tpolairezone", "R"});
}

void TFormparent::fxyz1Click() {
    if (!SpaceViewBuilt) return;
    fermerfenetres();
    placerfenetres(layoutScreenWidth());
    setGraphCaption(true);
    setPlaneMenus(false, false, false, false, true);
    for (const char* window : {"Tgrafgl", "Tfonc3d", "Trepere3d"}) showForm(window);
    if (grafzone) {
        grafzone->t()->hide();
        grafzone->hide();
    }
    if (QWidget* frame = findForm("Trepere3d"))
        if (auto* wire = frame->findChild<QCheckBox*>("fil")) wire->setChecked(ProgramSettings.precis != 3);
    focusControl("Tfonc3d", "Editf");
}

void TFormparent::fermerfenetres() {
    setGraphCaption(false);
    if (IntroRunning) playSound(soundPath(ProgramSettings.intro3d1 ? "fin1.wav" : "fin2.wav"));
    for (const char* window : ResetHidden) hideForm(window);
    if (SpaceViewBuilt)
        for (const char* window : SpaceHidden) hideForm(window);
    setChildVisible("Tdpoint", "supp3d", false);
    setChildVisible("Tspoint", "supp3d", false);

    for (TCurveSlot& slot : CurveSlot) {
        slot.formula.clear();
        slot.domain.restricted = false;
    }
    if (foncZone)
        for (int slot = 1; slot <= 4; ++slot) foncZone->slotEdit(slot)->clear();
    if (kval) kval->valk->clear();

    PlotMode = 0;
    clearConstructionCounts();
    GraphKind = 0;
    IntroRunning = false;
    resetCurveColours();
    if (grafzone) {
        grafzone->setStatusText(QString());
        grafzone->grafbar()->show();
    }
    setGraphCursorRemembered(crDefault);
    if (reperezone) reperezone->resetGraduations();
    if (intro) {
        intro->Timer1->stop();
        intro->hide();
    }
}

// ---- Layout -------------------------------------------------------------------

int TFormparent::layoutScreenWidth() const {
    if (layoutWidth_ > 0) return layoutWidth_;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 800;
}

void TFormparent::placerfenetres(int screenWidth) {
    const GraphLayout layout = graphLayoutFor(screenWidth);
    if (grafzone) {
        grafzone->setGeometry(0, GraphTop, layout.width, layout.height);
        // The drawing area takes its size at once, so that the frame set next keeps it.
        if (grafzone->layout()) grafzone->layout()->activate();
    }
    const int X = layout.width + layout.gap, Y = GraphTop;

    if (SpaceViewBuilt) {
        if (QWidget* space = findForm("Tgrafgl")) {
            space->setGeometry(0, Y, X + 95, layout.height + 100);
            for (const char* solid : {"Tcone", "Tcylindre", "Tsphere"})
                placeForm(solid, space->width() - formWidth(solid) / 2, space->height() - formHeight(solid) / 2);
            placeForm("Tpoly", space->width() - formWidth("Tsphere") / 2,
                      space->height() - formHeight("Tsphere") / 2);
        }
    }

    placeForm("Treperezone", X, Y);
    placeForm("Tpolairerepere", X, Y);
    const int underFrame = Y + formHeight("Treperezone") + 5;
    for (const char* dialog : ColumnDialogs) placeForm(dialog, X, underFrame);
    for (const char* dialog : UnderChoiceDialogs)
        placeForm(dialog, X, Y + formHeight("Treperezone") + formHeight("Tchoixf") + 10);

    const int underGraph = Y + layout.height + 5;
    for (const char* window : EntryRow) placeForm(window, 0, underGraph);
    placeForm("TCARTZONE", 0, GraphTop + layout.height + 5);
    if (QWidget* functions = findForm("TfoncZone")) {
        const QRect entry = functions->geometry();
        placeForm("Tchangedomaine", entry.left() + entry.width() + 5, entry.top());
        placeForm("Tvarzone", entry.left() + entry.width() + 5, entry.top());
        placeForm("Tcalczone", entry.width() + 5, entry.top() + entry.height() - formHeight("Tcalczone"));
    }

    const int underSpaceFrame = Y + formHeight("Trepere3d") + 5;
    placeForm("Trepere3d", X + 100, Y);
    placeForm("Tpossource", X + formWidth("Trepere3d") - formWidth("Tpossource") + 100, underSpaceFrame);
    placeForm("Tplandecoupe", X + 100, underSpaceFrame);
    placeForm("Tpointtroisd", X + 70, underSpaceFrame);
    placeForm("Tchoixsection", layout.width + 105, Y + formHeight("Trepere3d") + formHeight("Tplandecoupe") + 10);
    placeForm("Tfonc3d", 0, Y + layout.height + 105);
    if (QWidget* surface = findForm("Tfonc3d"))
        placeForm("Tplaneq", surface->x() + surface->width() + 5, surface->y());
}

// ---- Repère ---------------------------------------------------------------------

void TFormparent::Copier1Click() {
    if (grafzone && grafzone->isVisible()) grafzone->copier1Click();
}

void TFormparent::Raffraichir1Click() {
    if (grafzone && grafzone->isVisible()) grafzone->repaintGraph();
}

void TFormparent::Modeneutre1Click() {
    PlotMode = 0;
    if (grafzone) grafzone->setStatusText(QString());
    AnimationRunning = false;
    if (grafzone) grafzone->setGraphCursor(crDefault);
}

void TFormparent::Xminxmax1Click() { showForm(GraphKind == 4 ? "Tpolairerepere" : "Treperezone"); }

void TFormparent::Dplacement1Click() {
    if (grafzone) enterMoveMode(*grafzone);
}

void TFormparent::Zoom1Click() {
    if (grafzone) enterZoomMode(*grafzone);
}

void TFormparent::FormKeyPress(int key) {
    if (key != 27) return;
    PlotMode = 0;
    AnimationRunning = false;
    if (!grafzone) return;
    grafzone->setStatusText(QString());
    grafzone->setGraphCursor(crDefault);
    grafzone->repaintGraph();
}

void TFormparent::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) FormKeyPress(27);
    else QMainWindow::keyPressEvent(event);
}

// ---- Lecture, Calculs, Dérivation, Intégration ------------------------------------

void TFormparent::setGraphCursorRemembered(int cursor) {
    ModeCursor = cursor;
    if (grafzone) grafzone->setGraphCursor(cursor);
}

void TFormparent::Parcourir1Click() {
    if (grafzone) enterBrowseMode(*grafzone);
}

void TFormparent::Coordonnesdunpoint1Click() { showForm("Tcoord"); }
void TFormparent::imagedunpoint1Click() { showForm("Timagezone"); }

void TFormparent::Antcdents1Click() {
    showForm("Tantecedent");
    focusControl("Tantecedent", "Editantecedent");
}

void TFormparent::Parit1Click() {
    showForm("Tparite");
    showForm("Tchoixf");
}

void TFormparent::Priode1Click() {
    showForm("Tperizone");
    showForm("Tchoixf");
}

void TFormparent::Calculatrice1Click() {
    showForm("Tcalczone");
    focusControl("Tcalczone", "calcligne");
}

void TFormparent::ableaudevaleur1Click() { showForm("Ttabval"); }
void TFormparent::Zros1Click() { showForm("Tzerozone"); }
void TFormparent::INtersections1Click() { showForm("Tintersection"); }
void TFormparent::Intersectiondedeuxdroites1Click() { showForm("Tinterdroite"); }

void TFormparent::Dutypefxa1Click() {
    showForm("Tineqa");
    showForm("Tchoixf");
    setGraphCursorRemembered(crSizeWE);
}

void TFormparent::Dutypefxgx1Click() {
    showForm("Tineqf");
    setGraphCursorRemembered(crSizeWE);
}

void TFormparent::Equationdunedroite1Click() {
    showForm("Tdequation");
    focusControl("Tdequation", "Editnom");
}

void TFormparent::Longueurdunsegment1Click() { showForm("Tlongseg"); }

void TFormparent::Entredeuxabscisses1Click() {
    showForm("Ttaux");
    focusControl("Ttaux", "edita");
}

void TFormparent::Entredeuxpoints1Click() { showForm("Ttauxpt"); }
void TFormparent::Drivation2Click() { showForm("Tderivzone"); }
void TFormparent::Extremum1Click() { showForm("Textremzone"); }
void TFormparent::Drivation1Click() { showForm("Ttanzone"); }
void TFormparent::Equationdunenormale1Click() { showForm("Tdrnormale"); }

void TFormparent::Variaion1Click() {
    PlotMode = 4;
    if (grafzone)
        grafzone->setStatusText(QString::fromUtf8("Cliquez gauche  et déplacez la souris de gauche à droite"));
    showForm("Tchoixf");
    showForm("Tvarzone");
    hideForm("Tineqa");
    setGraphCursorRemembered(crSizeWE);
}

void TFormparent::Intgrationnumrique1Click() {
    showForm("Tintzone");
    focusControl("Tintzone", "edita");
}

void TFormparent::Aireenrtedeuxcourbes1Click() {
    showForm("Tairezone");
    focusControl("Tairezone", "edita");
}

void TFormparent::Longeurdelacourbe1Click() { showForm("Tlongarc"); }

// ---- Constructions ----------------------------------------------------------------

void TFormparent::showNextNameWindow(const char* className) {
    if (QWidget* window = findForm(className))
        if (auto* label = window->findChild<QLabel*>("Lnom")) label->setText(QString::fromStdString(NextName()));
    showForm(className);
}

void TFormparent::fice1Click() {
    showForm("Tpfixe");
    focusControl("Tpfixe", "Editx");
}

void TFormparent::libre1Click() { showNextNameWindow("Tplibre"); }
void TFormparent::libresurunecourbe1Click() { showForm("Tpcourbe"); }
void TFormparent::Milieudunsegment1Click() { showForm("TPtmilieu"); }
void TFormparent::ranslation1Click() { showNextNameWindow("Ttranszone"); }
void TFormparent::Symtrieaxiale1Click() { showNextNameWindow("Tsymzone"); }
void TFormparent::Rotation1Click() { showNextNameWindow("Trotzone"); }
void TFormparent::Projection1Click() { showForm("Tpproj"); }

void TFormparent::racerunsegment1Click() {
    showForm("Tspoint");
    focusControl("Tspoint", "Editnom");
}

void TFormparent::Avecdeuxpoints1Click() {
    showForm("Tdpoint");
    focusControl("Tdpoint", "Editnom");
}

void TFormparent::Equation1Click() {
    showForm("Tdreduite");
    focusControl("Tdreduite", "edita");
}

void TFormparent::Donnerlquationcartsienne1Click() {
    showForm("Tdcartesienne");
    focusControl("Tdcartesienne", "edita");
}

void TFormparent::tangente1Click() {
    showForm("Tdtan");
    focusControl("Tdtan", "Edita");
}

void TFormparent::normale1Click() { showForm("Tdnormal"); }
void TFormparent::Polygnes1Click() { showForm("Tlignebrisee"); }
void TFormparent::Construireunesuite1Click() { showForm("Tsuitezone"); }
void TFormparent::ransformationdunefonction1Click() { showForm("Ttransfzone"); }
void TFormparent::Dtruire1Click() { showForm("Tsupprimer"); }

// ---- Courbe paramétrée and Courbe Polaire -----------------------------------------------

void TFormparent::startSlider(int mode, const QString& statusText) {
    PlotMode = mode;
    if (!grafzone) return;
    QScrollBar* slider = grafzone->t();
    slider->show();
    slider->setValue(0);
    slider->setGeometry(0, slider->y(), slider->width(), grafzone->grafbar()->height());
    grafzone->setStatusText(statusText);
    setGraphCursorRemembered(crDefault);
}

void TFormparent::PLac1Click() { fice1Click(); }
void TFormparent::Pointlibre1Click() { libre1Click(); }
void TFormparent::Milieudusegment1Click() { Milieudunsegment1Click(); }
void TFormparent::ranslation3Click() { ranslation1Click(); }
void TFormparent::Symtrieaxiale3Click() { Symtrieaxiale1Click(); }
void TFormparent::rotation3Click() { Rotation1Click(); }
void TFormparent::racerunsegment3Click() { racerunsegment1Click(); }
void TFormparent::racerunedroite3Click() { Avecdeuxpoints1Click(); }
void TFormparent::racerunetangente2Click() { showForm("Ttanpara"); }
void TFormparent::racerunpolygne1Click() { Polygnes1Click(); }
void TFormparent::Supprimeruneconstruction2Click() { Dtruire1Click(); }

void TFormparent::Parcourir2Click() {
    startSlider(13, QString::fromUtf8("Déplacer le curseur pour faire varier le paramétre."));
}

void TFormparent::Drivation3Click() { showForm("Tderivpara"); }

void TFormparent::angente2Click() {
    startSlider(14, QString::fromUtf8("Déplacer le curseur pour faire varier le paramétre."));
}

void TFormparent::Longueurdelacourbe1Click() { showForm("Tarcpara"); }
void TFormparent::Placerunpoint2Click() { showForm("Tpointpolaire"); }
void TFormparent::Pointlibre2Click() { libre1Click(); }
void TFormparent::Milieudusegment2Click() { Milieudunsegment1Click(); }
void TFormparent::ranslation2Click() { ranslation1Click(); }
void TFormparent::Symtrieaxiale2Click() { Symtrieaxiale1Click(); }
void TFormparent::Rotation2Click() { Rotation1Click(); }
void TFormparent::racerunsegment2Click() { racerunsegment1Click(); }
void TFormparent::racerunedroite2Click() { Avecdeuxpoints1Click(); }
void TFormparent::racerunetangente1Click() { showForm("Tpolairetan"); }
void TFormparent::racerunpolygne2Click() { Polygnes1Click(); }
void TFormparent::Supprimeruneconstruction1Click() { Dtruire1Click(); }

void TFormparent::Parcourirlacourbe1Click() {
    startSlider(15, QString::fromUtf8("Déplacer le curseur pour faire varier l'angle."));
}

void TFormparent::Visualiserlestangentes1Click() {
    startSlider(16, QString::fromUtf8("Déplacer le curseur pour faire varier l'angle."));
}

void TFormparent::DrivedeXxetYx1Click() { showForm("Tderivepolaire"); }
void TFormparent::Longueurdunarc1Click() { showForm("Tarcpolaire"); }

// ---- Repère de l'espace ---------------------------------------------------------------

void TFormparent::racerunplan1Click() { showForm("Tplandecoupe"); }

void TFormparent::Montrerlasection1Click() {
    if (reperezone) {
        reperezone->ortho->setChecked(false);
        reperezone->quadrille->setChecked(false);
    }
    if (grafzone) grafzone->grafbar()->hide();
    setGraphCaption(true);
    showForm("Tchoixsection");
}

void TFormparent::Cylindre1Click() { showForm("Tcylindre"); }
void TFormparent::Cne1Click() { showForm("Tcone"); }
void TFormparent::Sphre1Click() { showForm("Tsphere"); }
void TFormparent::Points1Click() { showForm("Tpointtroisd"); }

void TFormparent::Segment1Click() {
    showForm("Tspoint");
    setChildVisible("Tspoint", "supp3d", true);
    focusControl("Tspoint", "Editnom");
}

void TFormparent::Droite1Click() {
    showForm("Tdpoint");
    setChildVisible("Tdpoint", "supp3d", true);
    focusControl("Tdpoint", "Editnom");
}

void TFormparent::Polygne1Click() { showForm("Tpoly"); }
void TFormparent::Plan1Click() { showForm("Tplaneq"); }
void TFormparent::Positiondelasourcelumineuse1Click() { showForm("Tpossource"); }

void TFormparent::toggleSetting(QAction* item, bool& setting) {
    setting = item->isChecked();
    saveProgramSettings();
    if (QWidget* space = findForm("Tgrafgl")) space->update();
}

void TFormparent::Antialiasingonoff1Click() { toggleSetting(Antialiasingonoff1, ProgramSettings.lissage); }
void TFormparent::Eclairageonoff1Click() { toggleSetting(Eclairageonoff1, ProgramSettings.eclairage); }

// ---- Options and Quitter ------------------------------------------------------------------

void TFormparent::endIntroIfRunning() {
    if (!IntroRunning) return;
    IntroRunning = false;
    hideForm("Tgrafgl");
}

void TFormparent::ChargerunTD1Click() {
    if (!loadtd) {
        loadtd = new QFileDialog(this, "Charger un TD");
        loadtd->setFileMode(QFileDialog::ExistingFile);
        loadtd->setOption(QFileDialog::ReadOnly);
        loadtd->setNameFilters({QString::fromUtf8("Td préparé en pdf (*.pdf)"),
                                QString::fromUtf8("TD préparé en html (*.htm *.html)"),
                                QString::fromUtf8("TD préparé en .doc (*.doc)")});
        connect(loadtd, &QFileDialog::fileSelected, this, &TFormparent::loadtdCanClose);
    }
    loadtd->setDirectory(exerciseFolder(QString::fromStdString(AppFolder)));
    loadtd->open();
}

void TFormparent::loadtdCanClose(const QString& fileName) {
    if (fileName.isEmpty()) return;
    // ".html" pages are exercise sheets too, not only ".htm" ones.
    for (const char* ending : {"htm", "html", "doc", "pdf"}) {
        if (fileName.endsWith(QString(".") + ending, Qt::CaseSensitive)) {
            openDocument(fileName);
            break;
        }
    }
    endIntroIfRunning();
}

void TFormparent::Options1Click() { showForm("Toptionzone"); }

void TFormparent::Aide1Click() {
    openDocument(QDir(helpFolder(QString::fromStdString(AppFolder))).filePath("lumova.htm"));
    endIntroIfRunning();
}

void TFormparent::Apropos1Click() {
    showForm("TAboutBox");
    playSound(soundPath("tada.wav"));
}

void TFormparent::N1Click() { Apropos1Click(); }

void TFormparent::Quitter2Click() { QCoreApplication::quit(); }

#include "app/tformparent.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "app/taboutbox.h"
#include "app/tintro.h"
#include "app/window_layout.h"
#include "constructions/next_name_labels.h"
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
#include "model/space_state.h"
#include "model/state_reset.h"
#include "plane/graph_interaction.h"
#include "plane/tchangedomaine.h"
#include "plane/tchoixf.h"
#include "plane/tcoord.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/tkval.h"
#include "plane/toptionzone.h"
#include "plane/treperezone.h"
#include "platform/app_folder.h"
#include "platform/messages.h"
#include "platform/colour.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "session/graph_export.h"
#include "session/session_file.h"
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

QPointer<TFormparent> Formparent;

namespace {

constexpr long double DefaultHalfWidth = 10;
constexpr int MainWindowCursor = 5;

QString soundPath(const char* name) { return QDir(soundFolder(QString::fromStdString(AppFolder))).filePath(name); }

// The area stacks its windows again at each activation, in the order they were
// last active: a window only raised would fall back under the active one at the
// next click elsewhere. So the window shown becomes the active one.
void showWindow(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
}

void showWithDestroyButton(TwoPointDialog* dialog) {
    if (!dialog) return;
    dialog->supp3d->show();
    showWindow(dialog);
    dialog->Editnom->setFocus();
}

int heightOf(const QWidget* window) { return window ? window->height() : 0; }

void place(QWidget* window, int left, int top) {
    if (window) window->move(left, top);
}

// The top nearest `top` at which a window that high stands whole in the area:
// on a short screen it rises over the bottom of the graph rather than being cut.
int wholeTop(int top, int height, int areaHeight) { return std::max(0, std::min(top, areaHeight - height)); }

// Puts a window at (left, top), as wide as `width` (its own width when 0) and as
// high as its controls ask within what the area leaves below `top`: the windows
// beside and under the graph fit every screen layout, and their grids scroll.
void placeAt(QWidget* window, int left, int top, int width, int areaHeight) {
    if (!window) return;
    const QSize wanted = window->sizeHint();
    const int height = std::max(std::min(wanted.height(), areaHeight - top), window->minimumSizeHint().height());
    window->setGeometry(left, wholeTop(top, height, areaHeight), width > 0 ? width : wanted.width(), height);
}

// The space view's windows around it, for a column starting at X and a graph of that size.
void placeSpaceDialogs(int X, int Y, int graphHeight, int graphWidth, int areaHeight) {
    const int spaceWidth = grafgl->width(), spaceHeight = grafgl->height();
    for (QWidget* solid : std::initializer_list<QWidget*>{cone, cylindre, sphere})
        if (solid) place(solid, spaceWidth - solid->width() / 2, spaceHeight - solid->height() / 2);
    if (sphere) place(poly, sphere->x(), sphere->y());
    place(repere3d, X + 100, Y);
    const int underFrame3d = Y + heightOf(repere3d) + 5;
    if (possource && repere3d) place(possource, X + repere3d->width() - possource->width() + 100, underFrame3d);
    place(plandecoupe, X + 100, underFrame3d);
    place(pointtroisd, X + 70, underFrame3d);
    place(choixsection, graphWidth + 105, Y + heightOf(repere3d) + heightOf(plandecoupe) + 10);
    place(fonc3d, 0, wholeTop(Y + graphHeight + 105, heightOf(fonc3d), areaHeight));
    if (fonc3d) place(planeq, fonc3d->x() + fonc3d->width() + 5, fonc3d->y());
}

// Every tool window the reset hides, in the order the program has always hidden them.
std::vector<QWidget*> resetHiddenWindows() {
    return {
        reperezone,
        choixf,
        animzone,
        antecedent,
        airezone,
        arcpara,
        arcpolaire,
        CARTZONE,
        changedomaine,
        dequation,
        derivzone,
        derivpara,
        derivepolaire,
        dpoint,
        dreduite,
        dtan,
        dcartesienne,
        drnormale,
        dnormal,
        extremzone,
        foncZone,
        foncpara,
        imagezone,
        ineqa,
        ineqf,
        intersection,
        intzone,
        kval,
        longarc,
        optionzone,
        parite,
        perizone,
        plibre,
        pfixe,
        pcourbe,
        pointpolaire,
        polairezone,
        polairerepere,
        polairetan,
        rotzone,
        spoint,
        suitezone,
        supprimer,
        symzone,
        tabval,
        tanpara,
        tanzone,
        taux,
        tauxpt,
        transfzone,
        transzone,
        zerozone,
        calczone,
        varzone,
        AboutBox,
        poly,
        lignebrisee,
        Ptmilieu,
        pproj,
        coord,
        longseg,
        interdroite,
        fonc3d,
        plandecoupe,
        possource,
        repere3d,
        choixsection,
        pointtroisd,
        planeq,
    };
}

// The windows the reset hides only once the space view exists.
std::vector<QWidget*> spaceViewWindows() { return {cone, cylindre, grafgl, sphere}; }

// The tool dialogs placed in the column under the frame window.
std::vector<QWidget*> columnDialogs() {
    return {
        antecedent,
        airezone,
        arcpara,
        arcpolaire,
        dequation,
        derivzone,
        derivpara,
        coord,
        longseg,
        derivepolaire,
        dpoint,
        dreduite,
        dtan,
        dcartesienne,
        drnormale,
        dnormal,
        extremzone,
        imagezone,
        interdroite,
        ineqf,
        intzone,
        kval,
        longarc,
        lignebrisee,
        plibre,
        Ptmilieu,
        pfixe,
        pcourbe,
        pproj,
        pointpolaire,
        polairetan,
        rotzone,
        spoint,
        suitezone,
        supprimer,
        symzone,
        tabval,
        tanpara,
        taux,
        tauxpt,
        transfzone,
        transzone,
        zerozone,
        choixf,
        optionzone,
        tanzone,
        intersection,
    };
}

// The windows stacked under the choice of function they read.
std::vector<QWidget*> underChoiceDialogs() { return {ineqa, parite, perizone}; }

// The entry windows placed in the row under the graph.
std::vector<QWidget*> entryRow() { return {foncZone, animzone, foncpara, polairezone, CARTZONE}; }

}  // namespace

struct TFormparent::KindSetup {
    GraphType kind;
    MenuView view;
    long double ymax;  // the frame is [-10, 10] x [-ymax, ymax]
    std::vector<QWidget*> windows;
    QWidget* focus;
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
    initialisePlotState();
    loadCursorTable(cursorFolder(QString::fromStdString(AppFolder)));
    IntroRunning = true;
    setCursor(cursorFromNumber(MainWindowCursor));
}

// ---- Menu -----------------------------------------------------------------------

void TFormparent::buildMenu() {
    for (const TopMenu& top : topMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.caption));
        this->*top.menu = menu;
    }
    for (const MenuRow& row : menuRows()) addMenuItem(row);
    showMenusFor(MenuView::StartUp);
}

// The menu at a path such as "Calculs/Inéquation", made when it is first needed.
QMenu* TFormparent::menuAt(const QString& path) {
    const QStringList captions = path.split('/');
    QMenu* menu = nullptr;
    for (const TopMenu& top : topMenus())
        if (captions.front() == QString::fromUtf8(top.caption)) menu = this->*top.menu;
    Q_ASSERT(menu);
    for (qsizetype level = 1; level < captions.size(); ++level) {
        QMenu* child = nullptr;
        for (QAction* action : menu->actions())
            if (action->menu() && action->text() == captions[level]) child = action->menu();
        menu = child ? child : menu->addMenu(captions[level]);
    }
    return menu;
}

void TFormparent::addMenuItem(const MenuRow& row) {
    QAction* action = menuAt(QString::fromUtf8(row.path))->addAction(QString::fromUtf8(row.caption));
    action->setObjectName(row.name);
    if (row.shortcut.key() != Qt::Key_unknown) action->setShortcut(row.shortcut);
    if (row.handler) connect(action, &QAction::triggered, this, row.handler);
    else if (row.window) connect(action, &QAction::triggered, this, [this, &row] { runMenuRow(row); });
    if (row.keptIn) this->*row.keptIn = action;
    switch (row.style) {
        case ItemStyle::Plain: break;
        case ItemStyle::Checkable: action->setCheckable(true); break;
        case ItemStyle::Hidden: {
            // A hidden item's shortcut does not fire: the window carries it instead.
            action->setVisible(false);
            auto* shortcut = new QShortcut(QKeySequence(row.shortcut), this);
            connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
            break;
        }
        case ItemStyle::Unavailable: action->setEnabled(false); break;
    }
}

void TFormparent::runMenuRow(const MenuRow& row) {
    showWindow(row.window());
    if (!row.focus) return;
    if (QWidget* control = row.focus()) control->setFocus();
}

QAction* TFormparent::menuItem(const char* name) const { return menuBar()->findChild<QAction*>(name); }

void TFormparent::showMenusFor(MenuView view) {
    for (const TopMenu& top : topMenus()) (this->*top.menu)->menuAction()->setVisible(top.shownIn & unsigned(view));
}

// ---- Graph kinds --------------------------------------------------------------

void TFormparent::switchGraphKind(const KindSetup& setup) {
    const bool polar = setup.kind == GraphType::Polar;
    fermerfenetres();
    if (polar && reperezone) reperezone->ortho->setChecked(true);
    // A hidden window would only receive its new size when shown, and its
    // resize handler would then fit the new frame to the old scale.
    if (grafzone) grafzone->show();
    placerfenetres(layoutScreenWidth());
    showMenusFor(setup.view);
    for (QWidget* window : setup.windows) showWindow(window);
    if (polar && reperezone) reperezone->hide();
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
    if (setup.focus) setup.focus->setFocus();
}

void TFormparent::Fonctiondex1Click() {
    switchGraphKind({GraphType::FunctionOfX, MenuView::FunctionOfX, 7.94L, {foncZone, reperezone}, nullptr});
    setGraphCursorRemembered(crDefault);
    if (foncZone) foncZone->Editf->setFocus();
}

void TFormparent::Animation1Click() {
    switchGraphKind({GraphType::Animation, MenuView::Animation, 7.7L, {reperezone, animzone, kval},
                     animzone ? animzone->Editf : nullptr});
}

void TFormparent::paramtre1Click() {
    switchGraphKind({GraphType::Parametric, MenuView::Parametric, 7.94L, {foncpara, reperezone},
                     foncpara ? foncpara->Editf : nullptr});
}

void TFormparent::Equationcartsienne1Click() {
    switchGraphKind({GraphType::Cartesian, MenuView::Cartesian, 7.94L, {reperezone, CARTZONE},
                     CARTZONE ? CARTZONE->Editf : nullptr});
}

void TFormparent::Polaire1Click() {
    switchGraphKind({GraphType::Polar, MenuView::Polar, 7.94L, {polairerepere, polairezone},
                     polairezone ? polairezone->R : nullptr});
}

void TFormparent::fxyz1Click() {
    if (!SpaceViewBuilt) return;
    fermerfenetres();
    placerfenetres(layoutScreenWidth());
    if (grafzone) grafzone->showCaption(true);
    showMenusFor(MenuView::Space);
    if (grafzone) {
        grafzone->t()->hide();
        grafzone->hide();
    }
    resetSpaceFrameBounds();
    showWireForPrecision(ProgramSettings.precis);
    if (!grafgl) return;
    // The axes follow the frame just set back.
    grafgl->prepareaxe();
    showWindow(grafgl);
    grafgl->FormPaint();
    showWindow(fonc3d);
    showWindow(repere3d);
    if (fonc3d) fonc3d->Editf->setFocus();
}

void TFormparent::Montrerlasection1Click() {
    if (reperezone) {
        reperezone->ortho->setChecked(false);
        reperezone->quadrille->setChecked(false);
    }
    if (grafzone) {
        grafzone->grafbar()->hide();
        grafzone->showCaption(true);
    }
    showWindow(choixsection);
}

// The space view's segments and lines: the plane's windows, with their "Détruire".
void TFormparent::Segment1Click() { showWithDestroyButton(spoint); }
void TFormparent::Droite1Click() { showWithDestroyButton(dpoint); }

void TFormparent::fermerfenetres() {
    if (grafzone) grafzone->showCaption(false);
    if (IntroRunning) playSound(soundPath(ProgramSettings.intro3d1 ? "fin1.wav" : "fin2.wav"));
    for (QWidget* window : resetHiddenWindows())
        if (window) window->hide();
    if (SpaceViewBuilt)
        for (QWidget* window : spaceViewWindows())
            if (window) window->hide();
    // Only the space view's commands show them.
    for (TwoPointDialog* dialog : std::initializer_list<TwoPointDialog*>{dpoint, spoint})
        if (dialog) dialog->supp3d->hide();

    resetPlotState();
    // Every "Nom suivant" label goes back to "A" with the empty point table.
    rewriteNextNameLabels();
    if (foncZone)
        for (int slot = 1; slot <= 4; ++slot) foncZone->slotEdit(slot)->clear();
    if (kval) kval->valk->clear();
    if (fonc3d) fonc3d->Editf->clear();
    if (grafzone) {
        grafzone->setStatusText(QString());
        grafzone->grafbar()->show();
        grafzone->setGraphCursor(ModeCursor);
    }
    if (reperezone) reperezone->resetGraduations();
    if (intro) {
        intro->Timer1->stop();
        intro->hide();
    }
    if (grafgl) grafgl->stopIntro();
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
    const int columnWidth = layout.designWidth - X;
    const int areaHeight = mdiArea->viewport()->height();

    // The space view stands over the graph and most of the column beside it.
    if (SpaceViewBuilt && grafgl) grafgl->setGeometry(0, Y, X + 95, layout.height + 100);
    placeAt(reperezone, X, Y, columnWidth, areaHeight);
    placeAt(polairerepere, X, Y, columnWidth, areaHeight);
    const int underFrame = Y + heightOf(reperezone) + 5;
    for (QWidget* dialog : columnDialogs()) placeAt(dialog, X, underFrame, columnWidth, areaHeight);
    const int underChoice = underFrame + heightOf(choixf) + 5;
    for (QWidget* dialog : underChoiceDialogs()) placeAt(dialog, X, underChoice, columnWidth, areaHeight);

    if (SpaceViewBuilt && grafgl) placeSpaceDialogs(X, Y, layout.height, layout.width, areaHeight);

    const int underGraph = Y + layout.height + 5;
    for (QWidget* window : entryRow()) placeAt(window, 0, underGraph, 0, areaHeight);
    if (foncZone) {
        const QRect entry = foncZone->geometry();
        place(changedomaine, entry.left() + entry.width() + 5, entry.top());
        place(varzone, entry.left() + entry.width() + 5, entry.top());
        place(calczone, entry.width() + 5, entry.top() + entry.height() - heightOf(calczone));
    }
}

// ---- Repère ---------------------------------------------------------------------

// The space view is copied while it stands in place of the graph.
void TFormparent::Copier1Click() {
    if (grafzone && grafzone->isVisible()) {
        grafzone->copier1Click();
    } else if (grafgl && grafgl->isVisible()) {
        grafgl->setFocus();
        QGuiApplication::clipboard()->setImage(grafgl->picture());
    }
}

// ---- Sessions, images and printing -------------------------------------------------

namespace {

const char* const SessionFilter = "Séances Lumova (*.lumova)";

// The name typed without the extension of the chosen filter gets it.
QString withSuffix(QString path, const QString& suffix) {
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += "." + suffix;
    return path;
}

// A session's name always ends in its extension, the one the open dialog
// lists, even when it has a dot of its own ("cours.v2").
QString withSessionSuffix(QString path) {
    if (!path.isEmpty() && !path.endsWith(".lumova", Qt::CaseInsensitive)) path += ".lumova";
    return path;
}

}  // namespace

void TFormparent::switchToKindOf(const SessionContent& content) {
    if (content.spaceView) {
        fxyz1Click();
        return;
    }
    switch (content.kind) {
        case GraphType::FunctionOfX: Fonctiondex1Click(); break;
        case GraphType::Animation: Animation1Click(); break;
        case GraphType::Parametric: paramtre1Click(); break;
        case GraphType::Polar: Polaire1Click(); break;
        case GraphType::Cartesian: Equationcartsienne1Click(); break;
        case GraphType::None: fermerfenetres(); break;
    }
}

QString TFormparent::openSession(const QString& path) {
    const SessionReading reading = readSessionFile(path);
    if (!reading.content) return reading.error;
    if (reading.content->spaceView && !SpaceViewBuilt)
        return QString::fromUtf8("Cette séance montre le repère de l'espace, qui n'est pas disponible ici.");
    switchToKindOf(*reading.content);
    applySession(*reading.content);
    rememberFileFolder(path);
    if (reading.content->sequenceState != 0) showWindow(suitezone);
    return QString();
}

QString TFormparent::fileDialogFolder(bool opening) const {
    if (!fileFolder_.isEmpty() && QFileInfo(fileFolder_).isDir()) return fileFolder_;
    const QString examples = QDir(QString::fromStdString(AppFolder)).filePath("seances");
    if (opening && QFileInfo(examples).isDir()) return examples;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void TFormparent::rememberFileFolder(const QString& path) { fileFolder_ = QFileInfo(path).absolutePath(); }

void TFormparent::Ouvrirunesance1Click() {
    const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8("Ouvrir une séance"),
                                                      fileDialogFolder(true), QString::fromUtf8(SessionFilter));
    if (path.isEmpty()) return;
    const QString error = openSession(path);
    if (!error.isEmpty()) showMessage(error);
}

void TFormparent::Enregistrerlasance1Click() {
    const QString path = withSessionSuffix(QFileDialog::getSaveFileName(
        this, QString::fromUtf8("Enregistrer la séance"), fileDialogFolder(false),
        QString::fromUtf8(SessionFilter)));
    if (path.isEmpty()) return;
    const QString error = saveSessionFile(path, captureSession());
    if (error.isEmpty()) rememberFileFolder(path);
    else showMessage(error);
}

void TFormparent::Enregistrerlimage1Click() {
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        this, QString::fromUtf8("Enregistrer l'image"), fileDialogFolder(false),
        QString::fromUtf8("Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)"), &filter);
    if (path.isEmpty()) return;
    const QString suffix = filter.contains("svg") ? "svg" : filter.contains("pdf") ? "pdf" : "png";
    const QString error = exportGraph(withSuffix(path, suffix));
    if (error.isEmpty()) rememberFileFolder(path);
    else showMessage(error);
}

void TFormparent::Imprimer1Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QString::fromUtf8("Imprimer le graphique"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!paintGraphPage(printer)) showMessage(QString::fromUtf8("L'impression n'a pas pu se faire."));
}

void TFormparent::Raffraichir1Click() {
    if (grafzone && grafzone->isVisible()) grafzone->repaintGraph();
}

void TFormparent::Modeneutre1Click() {
    PlotMode = InteractionMode::Neutral;
    if (grafzone) grafzone->setStatusText(QString());
    AnimationRunning = false;
    if (grafzone) grafzone->setGraphCursor(crDefault);
}

void TFormparent::Xminxmax1Click() {
    if (GraphKind == GraphType::Polar) showWindow(polairerepere);
    else showWindow(reperezone);
}

void TFormparent::Dplacement1Click() {
    if (grafzone) enterMoveMode(*grafzone);
}

void TFormparent::Zoom1Click() {
    if (grafzone) enterZoomMode(*grafzone);
}

void TFormparent::FormKeyPress(int key) {
    if (key != 27) return;
    PlotMode = InteractionMode::Neutral;
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

// ---- Lecture and Dérivation ------------------------------------------------------

void TFormparent::setGraphCursorRemembered(int cursor) {
    ModeCursor = cursor;
    if (grafzone) grafzone->setGraphCursor(cursor);
}

void TFormparent::Parcourir1Click() {
    if (grafzone) enterBrowseMode(*grafzone);
}

void TFormparent::Parit1Click() {
    showWindow(parite);
    showWindow(choixf);
}

void TFormparent::Priode1Click() {
    showWindow(perizone);
    showWindow(choixf);
}

void TFormparent::Dutypefxa1Click() {
    showWindow(ineqa);
    showWindow(choixf);
    setGraphCursorRemembered(crSizeWE);
}

void TFormparent::Dutypefxgx1Click() {
    showWindow(ineqf);
    setGraphCursorRemembered(crSizeWE);
}

void TFormparent::Variaion1Click() {
    PlotMode = InteractionMode::Variations;
    if (grafzone)
        grafzone->setStatusText(QString::fromUtf8("Cliquez gauche  et déplacez la souris de gauche à droite"));
    showWindow(choixf);
    showWindow(varzone);
    if (ineqa) ineqa->hide();
    setGraphCursorRemembered(crSizeWE);
}

// Chosen again while it is open, perhaps under other windows, the window shows
// the derivatives of the formulas as they are now, as when it opens.
void TFormparent::Drivation2Click() {
    const bool wasOpen = derivzone && derivzone->isVisible();
    showWindow(derivzone);
    if (wasOpen) derivzone->FormShow();
}

// ---- Courbe paramétrée and Courbe Polaire -----------------------------------------

void TFormparent::startSlider(InteractionMode mode, const QString& statusText) {
    PlotMode = mode;
    if (!grafzone) return;
    QScrollBar* slider = grafzone->t();
    slider->show();
    slider->setValue(0);
    slider->setGeometry(0, slider->y(), slider->width(), grafzone->grafbar()->height());
    grafzone->setStatusText(statusText);
    setGraphCursorRemembered(crDefault);
    // The paint puts the slider above the status bar, across the graph.
    grafzone->construit();
}

void TFormparent::Parcourir2Click() {
    startSlider(InteractionMode::ParametricBrowse,
                QString::fromUtf8("Déplacer le curseur pour faire varier le paramétre."));
}

void TFormparent::angente2Click() {
    startSlider(InteractionMode::ParametricTangents,
                QString::fromUtf8("Déplacer le curseur pour faire varier le paramétre."));
}

void TFormparent::Parcourirlacourbe1Click() {
    startSlider(InteractionMode::PolarBrowse, QString::fromUtf8("Déplacer le curseur pour faire varier l'angle."));
}

void TFormparent::Visualiserlestangentes1Click() {
    startSlider(InteractionMode::PolarTangents, QString::fromUtf8("Déplacer le curseur pour faire varier l'angle."));
}

// ---- Repère de l'espace -----------------------------------------------------------

void TFormparent::toggleSetting(QAction* item, bool& setting) {
    setting = item->isChecked();
    saveProgramSettings();
    if (grafgl) grafgl->FormPaint();
}

void TFormparent::Antialiasingonoff1Click() { toggleSetting(Antialiasingonoff1, ProgramSettings.lissage); }
void TFormparent::Eclairageonoff1Click() { toggleSetting(Eclairageonoff1, ProgramSettings.eclairage); }

// ---- Options and Quitter ------------------------------------------------------------------

void TFormparent::endIntroIfRunning() {
    if (!IntroRunning) return;
    IntroRunning = false;
    if (grafgl) grafgl->hide();
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

namespace {

// A page the shell cannot be asked to open (missing, or refused) is said.
void openDocumentOrSay(const QString& path) {
    if (openDocument(path)) return;
    showMessage(QString::fromUtf8("Impossible d'ouvrir « %1 » : le fichier manque ou aucun programme ne sait l'ouvrir.")
                    .arg(QDir::toNativeSeparators(path)));
}

}  // namespace

void TFormparent::loadtdCanClose(const QString& fileName) {
    if (fileName.isEmpty()) return;
    // ".html" pages are exercise sheets too, not only ".htm" ones.
    for (const char* ending : {"htm", "html", "doc", "pdf"}) {
        if (fileName.endsWith(QString(".") + ending, Qt::CaseSensitive)) {
            openDocumentOrSay(fileName);
            break;
        }
    }
    endIntroIfRunning();
}

void TFormparent::Aide1Click() {
    openDocumentOrSay(QDir(helpFolder(QString::fromStdString(AppFolder))).filePath("lumova.htm"));
    endIntroIfRunning();
}

void TFormparent::Apropos1Click() {
    showWindow(AboutBox);
    playSound(soundPath("tada.wav"));
}

void TFormparent::N1Click() { Apropos1Click(); }

void TFormparent::Quitter2Click() { QCoreApplication::quit(); }

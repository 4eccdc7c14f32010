#pragma once
// The main window: an MDI frame holding the graph and every tool window, the
// whole menu of the program (built from the table of app/menu_table.h), the
// switching between graph kinds, the reset of the shared state and the layout
// of the windows on the screen.

#include <QMainWindow>
#include <QPointer>

#include "app/menu_table.h"

class QAction;
class QFileDialog;
class QMdiArea;
class QMenu;
enum class InteractionMode : int;
struct SessionContent;

class TFormparent : public QMainWindow {
    Q_OBJECT
public:
    // FormCreate: expects AppFolder and ProgramSettings to be read already.
    explicit TFormparent(QWidget* parent = nullptr);

    QMdiArea* mdiArea;
    QFileDialog* loadtd = nullptr;  // made on first use

    // Top-level menus.
    QMenu* Graphique1 = nullptr;
    QMenu* Repre1 = nullptr;
    QMenu* Lecture1 = nullptr;
    QMenu* Calculs1 = nullptr;
    QMenu* Drivations1 = nullptr;
    QMenu* Intgration1 = nullptr;
    QMenu* Constructions1 = nullptr;
    QMenu* Courbeparamtre1 = nullptr;
    QMenu* CourbePolaire1 = nullptr;
    QMenu* Repredelespace2 = nullptr;
    QMenu* Options2 = nullptr;
    QMenu* Quitter1 = nullptr;
    // The items whose check mark the program reads back.
    QAction* Antialiasingonoff1 = nullptr;
    QAction* Eclairageonoff1 = nullptr;

    // The menu item of that name ("Zros1"), null when there is none.
    QAction* menuItem(const char* name) const;

    // Graphique
    void Fonctiondex1Click();
    void Animation1Click();
    void paramtre1Click();
    void Equationcartsienne1Click();
    void Polaire1Click();
    void fxyz1Click();
    void Copier1Click();
    void Ouvrirunesance1Click();
    void Enregistrerlasance1Click();
    void Enregistrerlimage1Click();
    void Imprimer1Click();
    // Opens a session: on refusal the work in progress stays as it was and the
    // returned text says why, in French.
    QString openSession(const QString& path);
    // Where the file dialogs open: the folder of the last session or picture
    // opened or saved; at first the example sessions for opening, the user's
    // documents for saving.
    QString fileDialogFolder(bool opening) const;
    // Repère
    void Raffraichir1Click();
    void Modeneutre1Click();
    void Xminxmax1Click();
    void Dplacement1Click();
    void Zoom1Click();
    // Lecture, Calculs and Dérivation
    void Parcourir1Click();
    void Parit1Click();
    void Priode1Click();
    void Dutypefxa1Click();
    void Dutypefxgx1Click();
    void Variaion1Click();
    void Drivation2Click();
    // Courbe paramétrée and Courbe Polaire: the slider commands
    void Parcourir2Click();
    void angente2Click();
    void Parcourirlacourbe1Click();
    void Visualiserlestangentes1Click();
    // Repère de l'espace
    void Montrerlasection1Click();
    void Segment1Click();
    void Droite1Click();
    // Repère de l'espace > Affichage
    void Antialiasingonoff1Click();
    void Eclairageonoff1Click();
    // Options and Quitter
    void ChargerunTD1Click();
    void Aide1Click();
    void Apropos1Click();
    void Quitter2Click();
    void N1Click();

    // The file chosen in loadtd: opened when it is an exercise sheet.
    void loadtdCanClose(const QString& fileName);
    // Escape: neutral mode and a fresh graph.
    void FormKeyPress(int key);

    // The reset run before every switch of graph kind.
    void fermerfenetres();
    // Sizes the graph and lays the tool windows out around it for a screen width.
    void placerfenetres(int screenWidth);
    // The width the layout is computed for: the screen's, unless set.
    int layoutScreenWidth() const;
    void setLayoutScreenWidth(int width) { layoutWidth_ = width; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct KindSetup;
    void buildMenu();
    QMenu* menuAt(const QString& path);
    void addMenuItem(const MenuRow& row);
    void runMenuRow(const MenuRow& row);
    void showMenusFor(MenuView view);
    void switchGraphKind(const KindSetup& setup);
    void switchToKindOf(const SessionContent& content);
    void startSlider(InteractionMode mode, const QString& statusText);
    void setGraphCursorRemembered(int cursor);
    void toggleSetting(QAction* item, bool& setting);
    void endIntroIfRunning();
    void rememberFileFolder(const QString& path);
    int layoutWidth_ = 0;
    QString fileFolder_;
};

// The one TFormparent of the program, created at start-up; null before and after.
extern QPointer<TFormparent> Formparent;

#pragma once
// The main window: an MDI frame holding the graph and every tool window, the
// whole menu of the program, the switching between graph kinds, the reset of
// the shared state and the layout of the windows on the screen.

#include <QMainWindow>

class QAction;
class QFileDialog;
class QMdiArea;
class QMenu;

class TFormparent : public QMainWindow {
    Q_OBJECT
public:
    // FormCreate: expects AppFolder and ProgramSettings to be read already.
    explicit TFormparent(QWidget* parent = nullptr);

    QMdiArea* mdiArea;
    QFileDialog* loadtd = nullptr;  // made on first use

    // Top-level menus.
    QMenu* Graphique1;
    QMenu* Repre1;
    QMenu* Lecture1;
    QMenu* Calculs1;
    QMenu* Drivations1;
    QMenu* Intgration1;
    QMenu* Constructions1;
    QMenu* Courbeparamtre1;
    QMenu* CourbePolaire1;
    QMenu* Repredelespace2;
    QMenu* Options2;
    QMenu* Quitter1;

    // Items, named after their handlers.
    QAction* Fonctiondex1; QAction* Animation1; QAction* paramtre1; QAction* Equationcartsienne1;
    QAction* Polaire1; QAction* fxyz1; QAction* Copier1;
    QAction* Raffraichir1; QAction* Modeneutre1; QAction* Xminxmax1; QAction* Dplacement1; QAction* Zoom1;
    QAction* Parcourir1; QAction* Coordonnesdunpoint1; QAction* imagedunpoint1; QAction* Antcdents1;
    QAction* Parit1; QAction* Priode1;
    QAction* Calculatrice1; QAction* ableaudevaleur1; QAction* Zros1; QAction* INtersections1;
    QAction* Intersectiondedeuxdroites1; QAction* Dutypefxa1; QAction* Dutypefxgx1;
    QAction* Equationdunedroite1; QAction* Longueurdunsegment1;
    QAction* Entredeuxabscisses1; QAction* Entredeuxpoints1; QAction* Drivation2; QAction* Extremum1;
    QAction* Drivation1; QAction* Equationdunenormale1; QAction* Variaion1;
    QAction* Intgrationnumrique1; QAction* Aireenrtedeuxcourbes1; QAction* Longeurdelacourbe1;
    QAction* fice1; QAction* libre1; QAction* libresurunecourbe1; QAction* Milieudunsegment1;
    QAction* ranslation1; QAction* Symtrieaxiale1; QAction* Rotation1; QAction* Symtriecentrale1;
    QAction* Projection1; QAction* racerunsegment1; QAction* Avecdeuxpoints1; QAction* Equation1;
    QAction* Donnerlquationcartsienne1; QAction* tangente1; QAction* normale1; QAction* Polygnes1;
    QAction* Construireunesuite1; QAction* ransformationdunefonction1; QAction* Dtruire1;
    QAction* PLac1; QAction* Pointlibre1; QAction* Milieudusegment1; QAction* ranslation3;
    QAction* Symtrieaxiale3; QAction* rotation3; QAction* racerunsegment3; QAction* racerunedroite3;
    QAction* racerunetangente2; QAction* racerunpolygne1; QAction* Supprimeruneconstruction2;
    QAction* Parcourir2; QAction* Drivation3; QAction* angente2; QAction* Longueurdelacourbe1;
    QAction* Placerunpoint2; QAction* Pointlibre2; QAction* Milieudusegment2; QAction* ranslation2;
    QAction* Symtrieaxiale2; QAction* Rotation2; QAction* racerunsegment2; QAction* racerunedroite2;
    QAction* racerunetangente1; QAction* racerunpolygne2; QAction* Supprimeruneconstruction1;
    QAction* Parcourirlacourbe1; QAction* Visualiserlestangentes1; QAction* DrivedeXxetYx1;
    QAction* Longueurdunarc1;
    QAction* racerunplan1; QAction* Montrerlasection1; QAction* Cylindre1; QAction* Cne1; QAction* Sphre1;
    QAction* Points1; QAction* Segment1; QAction* Droite1; QAction* Polygne1; QAction* Plan1;
    QAction* Positiondelasourcelumineuse1; QAction* Antialiasingonoff1; QAction* Eclairageonoff1;
    QAction* ChargerunTD1; QAction* Options1; QAction* Aide1;
    QAction* Apropos1; QAction* Quitter2; QAction* N1;

    // Graphique
    void Fonctiondex1Click();
    void Animation1Click();
    void paramtre1Click();
    void Equationcartsienne1Click();
    void Polaire1Click();
    void fxyz1Click();
    void Copier1Click();
    // Repère
    void Raffraichir1Click();
    void Modeneutre1Click();
    void Xminxmax1Click();
    void Dplacement1Click();
    void Zoom1Click();
    // Lecture
    void Parcourir1Click();
    void Coordonnesdunpoint1Click();
    void imagedunpoint1Click();
    void Antcdents1Click();
    void Parit1Click();
    void Priode1Click();
    // Calculs
    void Calculatrice1Click();
    void ableaudevaleur1Click();
    void Zros1Click();
    void INtersections1Click();
    void Intersectiondedeuxdroites1Click();
    void Dutypefxa1Click();
    void Dutypefxgx1Click();
    void Equationdunedroite1Click();
    void Longueurdunsegment1Click();
    // Dérivation
    void Entredeuxabscisses1Click();
    void Entredeuxpoints1Click();
    void Drivation2Click();
    void Extremum1Click();
    void Drivation1Click();
    void Equationdunenormale1Click();
    void Variaion1Click();
    // Intégration
    void Intgrationnumrique1Click();
    void Aireenrtedeuxcourbes1Click();
    void Longeurdelacourbe1Click();
    // Constructions
    void fice1Click();
    void libre1Click();
    void libresurunecourbe1Click();
    void Milieudunsegment1Click();
    void ranslation1Click();
    void Symtrieaxiale1Click();
    void Rotation1Click();
    void Projection1Click();
    void racerunsegment1Click();
    void Avecdeuxpoints1Click();
    void Equation1Click();
    void Donnerlquationcartsienne1Click();
    void tangente1Click();
    void normale1Click();
    void Polygnes1Click();
    void Construireunesuite1Click();
    void ransformationdunefonction1Click();
    void Dtruire1Click();
    // Courbe paramétrée
    void PLac1Click();
    void Pointlibre1Click();
    void Milieudusegment1Click();
    void ranslation3Click();
    void Symtrieaxiale3Click();
    void rotation3Click();
    void racerunsegment3Click();
    void racerunedroite3Click();
    void racerunetangente2Click();
    void racerunpolygne1Click();
    void Supprimeruneconstruction2Click();
    void Parcourir2Click();
    void Drivation3Click();
    void angente2Click();
    void Longueurdelacourbe1Click();
    // Courbe Polaire
    void Placerunpoint2Click();
    void Pointlibre2Click();
    void Milieudusegment2Click();
    void ranslation2Click();
    void Symtrieaxiale2Click();
    void Rotation2Click();
    void racerunsegment2Click();
    void racerunedroite2Click();
    void racerunetangente1Click();
    void racerunpolygne2Click();
    void Supprimeruneconstruction1Click();
    void Parcourirlacourbe1Click();
    void Visualiserlestangentes1Click();
    void DrivedeXxetYx1Click();
    void Longueurdunarc1Click();
    // Repère de l'espace
    void racerunplan1Click();
    void Montrerlasection1Click();
    void Cylindre1Click();
    void Cne1Click();
    void Sphre1Click();
    void Points1Click();
    void Segment1Click();
    void Droite1Click();
    void Polygne1Click();
    void Plan1Click();
    void Positiondelasourcelumineuse1Click();
    void Antialiasingonoff1Click();
    void Eclairageonoff1Click();
    // Options and Quitter
    void ChargerunTD1Click();
    void Options1Click();
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
    void switchGraphKind(const KindSetup& setup);
    void setPlaneMenus(bool repere, bool functionMenus, bool parametric, bool polar, bool space);
    void startSlider(int mode, const QString& statusText);
    void setGraphCursorRemembered(int cursor);
    void showNextNameWindow(const char* className);
    void toggleSetting(QAction* item, bool& setting);
    void endIntroIfRunning();
    int layoutWidth_ = 0;
};

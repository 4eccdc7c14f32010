#include "app/menu_table.h"

#include "app/tformparent.h"
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
#include "curves/tarcpara.h"
#include "curves/tarcpolaire.h"
#include "curves/tderivepolaire.h"
#include "curves/tderivpara.h"
#include "curves/tpointpolaire.h"
#include "curves/tpolairetan.h"
#include "curves/tsuitezone.h"
#include "curves/ttanpara.h"
#include "plane/tcoord.h"
#include "plane/toptionzone.h"
#include "space/tcone.h"
#include "space/tcylindre.h"
#include "space/tplandecoupe.h"
#include "space/tplaneq.h"
#include "space/tpointtroisd.h"
#include "space/tpossource.h"
#include "space/tsphere.h"
#include "platform/colour_edit.h"
#include "tools/tairezone.h"
#include "tools/tantecedent.h"
#include "tools/tcalczone.h"
#include "tools/tdequation.h"
#include "tools/tderivzone.h"
#include "tools/tdrnormale.h"
#include "tools/textremzone.h"
#include "tools/timagezone.h"
#include "tools/tinterdroite.h"
#include "tools/tintersection.h"
#include "tools/tintzone.h"
#include "tools/tlongarc.h"
#include "tools/tlongseg.h"
#include "tools/ttabval.h"
#include "tools/ttanzone.h"
#include "tools/ttaux.h"
#include "tools/ttauxpt.h"
#include "tools/ttransfzone.h"
#include "tools/tzerozone.h"

namespace {

// The window a command shows, read when the command runs: `window` is the
// program's pointer to it.
template <auto& window>
QWidget* windowOf() {
    return window;
}

// A control of that window, for the keyboard focus.
template <auto& window, auto control>
QWidget* controlOf() {
    return window ? window.data()->*control : nullptr;
}

using F = TFormparent;
constexpr QKeyCombination None{};
constexpr ItemStyle Unavailable = ItemStyle::Unavailable;

const unsigned PlaneKinds = MenuView::FunctionOfX | MenuView::Animation | MenuView::Parametric
                            | MenuView::Cartesian | MenuView::Polar;
const unsigned Everywhere = PlaneKinds | MenuView::StartUp | MenuView::Space;

const TopMenu TopMenus[] = {
    {&F::Graphique1, "Graphique", Everywhere},
    {&F::Repre1, "Repère", PlaneKinds},
    {&F::Lecture1, "Lecture", unsigned(MenuView::FunctionOfX)},
    {&F::Calculs1, "Calculs", unsigned(MenuView::FunctionOfX)},
    {&F::Drivations1, "Dérivation", unsigned(MenuView::FunctionOfX)},
    {&F::Intgration1, "Intégration", unsigned(MenuView::FunctionOfX)},
    {&F::Constructions1, "Constructions", unsigned(MenuView::FunctionOfX)},
    {&F::Courbeparamtre1, "Courbe paramétrée", unsigned(MenuView::Parametric)},
    {&F::CourbePolaire1, "Courbe Polaire", unsigned(MenuView::Polar)},
    {&F::Repredelespace2, "Repère de l'espace", unsigned(MenuView::Space)},
    {&F::Options2, "Options", Everywhere},
    {&F::Quitter1, "Quitter", Everywhere},
};

const MenuRow MenuRows[] = {
    {"Fonctiondex1", "Graphique/f(x)", "Fonction de x", Qt::Key_F1, &F::Fonctiondex1Click},
    {"Animation1", "Graphique/f(x)", "Animation", None, &F::Animation1Click},
    {"paramtre1", "Graphique", "Equations paramétrées", Qt::Key_F2, &F::paramtre1Click},
    {"Equationcartsienne1", "Graphique", "Equation cartésienne", Qt::Key_F3, &F::Equationcartsienne1Click},
    {"Polaire1", "Graphique", "Equation polaire", Qt::Key_F4, &F::Polaire1Click},
    {"fxyz1", "Graphique", "Repère de l'espace", Qt::Key_F5, &F::fxyz1Click},
    {"Copier1", "Graphique", "Copier", Qt::CTRL | Qt::Key_C, &F::Copier1Click},
    {"Ouvrirunesance1", "Graphique", "Ouvrir une séance...", Qt::CTRL | Qt::Key_O, &F::Ouvrirunesance1Click},
    {"Enregistrerlasance1", "Graphique", "Enregistrer la séance...", Qt::CTRL | Qt::Key_S,
     &F::Enregistrerlasance1Click},
    {"Enregistrerlimage1", "Graphique", "Enregistrer l'image...", None, &F::Enregistrerlimage1Click},
    {"Imprimer1", "Graphique", "Imprimer...", Qt::CTRL | Qt::Key_P, &F::Imprimer1Click},

    {"Raffraichir1", "Repère", "Raffraichir", Qt::Key_F6, &F::Raffraichir1Click},
    {"Modeneutre1", "Repère", "Mode neutre", None, &F::Modeneutre1Click},
    {"Xminxmax1", "Repère", "Repère", None, &F::Xminxmax1Click},
    {"Dplacement1", "Repère", "Déplacement", None, &F::Dplacement1Click},
    {"Zoom1", "Repère", "Zoom +/-", None, &F::Zoom1Click},

    {"Parcourir1", "Lecture", "Parcourir", None, &F::Parcourir1Click},
    {"Coordonnesdunpoint1", "Lecture", "Coordonnées d'un point", None, nullptr, windowOf<coord>},
    {"imagedunpoint1", "Lecture", "Image", None, nullptr, windowOf<imagezone>},
    {"Antcdents1", "Lecture", "Antécédent(s)", None, nullptr, windowOf<antecedent>,
     controlOf<antecedent, &Tantecedent::Editantecedent>},
    {"Parit1", "Lecture", "Parité", None, &F::Parit1Click},
    {"Priode1", "Lecture", "Période", None, &F::Priode1Click},

    {"Calculatrice1", "Calculs", "Calculatrice", None, nullptr, windowOf<calczone>,
     controlOf<calczone, &Tcalczone::calcligne>},
    {"ableaudevaleur1", "Calculs", "Tableau de valeurs", None, nullptr, windowOf<tabval>},
    {"Zros1", "Calculs", "Zéro(s) d'une fonction", None, nullptr, windowOf<zerozone>},
    {"INtersections1", "Calculs", "Intersection(s) de deux courbes", None, nullptr, windowOf<intersection>},
    {"Intersectiondedeuxdroites1", "Calculs", "Intersection de deux droites", None, nullptr, windowOf<interdroite>},
    {"Dutypefxa1", "Calculs/Inéquation", "Du type f(x)<a", None, &F::Dutypefxa1Click},
    {"Dutypefxgx1", "Calculs/Inéquation", "Du type f(x)<g(x)", None, &F::Dutypefxgx1Click},
    {"Equationdunedroite1", "Calculs", "Equation d'une droite", None, nullptr, windowOf<dequation>,
     controlOf<dequation, &Tdequation::Editnom>},
    {"Longueurdunsegment1", "Calculs", "Longueur d'un segment", None, nullptr, windowOf<longseg>},

    {"Entredeuxabscisses1", "Dérivation/Taux d'accroissement", "Entre deux abscisses", None, nullptr,
     windowOf<taux>, controlOf<taux, &Ttaux::edita>},
    {"Entredeuxpoints1", "Dérivation/Taux d'accroissement", "Entre deux points", None, nullptr, windowOf<tauxpt>},
    {"Drivation2", "Dérivation", "Fonctions dérivées", None, &F::Drivation2Click},
    {"Extremum1", "Dérivation", "Extremum(s)", None, nullptr, windowOf<extremzone>},
    {"Drivation1", "Dérivation", "Equation d'une tangente", None, nullptr, windowOf<tanzone>},
    {"Equationdunenormale1", "Dérivation", "Equation d'une normale", None, nullptr, windowOf<drnormale>},
    {"Variaion1", "Dérivation", "Variations", None, &F::Variaion1Click},

    {"Intgrationnumrique1", "Intégration", "Intégration numérique", None, nullptr, windowOf<intzone>,
     controlOf<intzone, &Tintzone::edita>},
    {"Aireenrtedeuxcourbes1", "Intégration", "Aire entre deux courbes", None, nullptr, windowOf<airezone>,
     controlOf<airezone, &Tairezone::edita>},
    {"Longeurdelacourbe1", "Intégration", "Longueur d'un arc", None, nullptr, windowOf<longarc>},

    {"fice1", "Constructions/Points", "fixe", None, nullptr, windowOf<pfixe>, controlOf<pfixe, &Tpfixe::Editx>},
    {"libre1", "Constructions/Points", "libre", None, nullptr, windowOf<plibre>},
    {"libresurunecourbe1", "Constructions/Points", "libre sur une courbe", None, nullptr, windowOf<pcourbe>},
    {"Milieudunsegment1", "Constructions/Points", "milieu d'un segment", None, nullptr, windowOf<Ptmilieu>},
    {"ranslation1", "Constructions/Points/image par", "translation", None, nullptr, windowOf<transzone>},
    {"Symtrieaxiale1", "Constructions/Points/image par", "symétrie axiale", None, nullptr, windowOf<symzone>},
    {"Rotation1", "Constructions/Points/image par", "rotation", None, nullptr, windowOf<rotzone>},
    // An item the program has always offered without an action.
    {"Symtriecentrale1", "Constructions/Points/image par", "symétrie centrale", None, nullptr, nullptr, nullptr,
     Unavailable},
    {"Projection1", "Constructions/Points/image par", "projection", None, nullptr, windowOf<pproj>},
    {"racerunsegment1", "Constructions", "Segments", None, nullptr,
     windowOf<spoint>, controlOf<spoint, &Tspoint::Editnom>},
    {"Avecdeuxpoints1", "Constructions/Droites", "avec deux points", None, nullptr,
     windowOf<dpoint>, controlOf<dpoint, &Tdpoint::Editnom>},
    {"Equation1", "Constructions/Droites", "à partir de l'équation réduite", None, nullptr,
     windowOf<dreduite>, controlOf<dreduite, &Tdreduite::edita>},
    {"Donnerlquationcartsienne1", "Constructions/Droites", "à partir de l'équation cartésienne", None, nullptr,
     windowOf<dcartesienne>, controlOf<dcartesienne, &Tdcartesienne::edita>},
    {"tangente1", "Constructions/Droites", "tangente", None, nullptr, windowOf<dtan>, controlOf<dtan, &Tdtan::Edita>},
    {"normale1", "Constructions/Droites", "normale", None, nullptr, windowOf<dnormal>},
    {"Polygnes1", "Constructions", "Polygones", None, nullptr, windowOf<lignebrisee>},
    {"Construireunesuite1", "Constructions", "Suites et fonctions", None, nullptr, windowOf<suitezone>},
    {"ransformationdunefonction1", "Constructions", "Transformée d'une fonction", None, nullptr,
     windowOf<transfzone>},
    {"Dtruire1", "Constructions", "Supprimer", None, nullptr, windowOf<supprimer>},

    {"PLac1", "Courbe paramétrée/Constructions", "Point fixe", None, nullptr,
     windowOf<pfixe>, controlOf<pfixe, &Tpfixe::Editx>},
    {"Pointlibre1", "Courbe paramétrée/Constructions", "Point libre", None, nullptr, windowOf<plibre>},
    {"Milieudusegment1", "Courbe paramétrée/Constructions", "Milieu du segment", None, nullptr, windowOf<Ptmilieu>},
    {"ranslation3", "Courbe paramétrée/Constructions/Point image par", "Translation", None, nullptr,
     windowOf<transzone>},
    {"Symtrieaxiale3", "Courbe paramétrée/Constructions/Point image par", "Symétrie axiale", None, nullptr,
     windowOf<symzone>},
    {"rotation3", "Courbe paramétrée/Constructions/Point image par", "rotation", None, nullptr, windowOf<rotzone>},
    {"racerunsegment3", "Courbe paramétrée/Constructions", "Tracer un segment", None, nullptr,
     windowOf<spoint>, controlOf<spoint, &Tspoint::Editnom>},
    {"racerunedroite3", "Courbe paramétrée/Constructions", "Tracer une droite", None, nullptr,
     windowOf<dpoint>, controlOf<dpoint, &Tdpoint::Editnom>},
    {"racerunetangente2", "Courbe paramétrée/Constructions", "Tracer une tangente", None, nullptr,
     windowOf<tanpara>, controlOf<tanpara, &Ttanpara::Edita>},
    {"racerunpolygne1", "Courbe paramétrée/Constructions", "Tracer un polygone", None, nullptr,
     windowOf<lignebrisee>},
    {"Supprimeruneconstruction2", "Courbe paramétrée/Constructions", "Supprimer une construction", None, nullptr,
     windowOf<supprimer>},
    {"Parcourir2", "Courbe paramétrée", "Parcourir la courbe", None, &F::Parcourir2Click},
    {"Drivation3", "Courbe paramétrée", "Dérivée de X(x) et Y(x)", None, nullptr, windowOf<derivpara>},
    {"angente2", "Courbe paramétrée", "Visualiser les tangentes", None, &F::angente2Click},
    {"Longueurdelacourbe1", "Courbe paramétrée", "Longueur d'un arc", None, nullptr, windowOf<arcpara>},

    {"Placerunpoint2", "Courbe Polaire/Constructions", "Placer un point fixe", None, nullptr,
     windowOf<pointpolaire>, controlOf<pointpolaire, &Tpointpolaire::r>},
    {"Pointlibre2", "Courbe Polaire/Constructions", "Point libre", None, nullptr, windowOf<plibre>},
    {"Milieudusegment2", "Courbe Polaire/Constructions", "Milieu du segment", None, nullptr, windowOf<Ptmilieu>},
    {"ranslation2", "Courbe Polaire/Constructions/Point image par", "Translation", None, nullptr,
     windowOf<transzone>},
    {"Symtrieaxiale2", "Courbe Polaire/Constructions/Point image par", "Symétrie axiale", None, nullptr,
     windowOf<symzone>},
    {"Rotation2", "Courbe Polaire/Constructions/Point image par", "Rotation", None, nullptr, windowOf<rotzone>},
    {"racerunsegment2", "Courbe Polaire/Constructions", "Tracer un segment", None, nullptr,
     windowOf<spoint>, controlOf<spoint, &Tspoint::Editnom>},
    {"racerunedroite2", "Courbe Polaire/Constructions", "Tracer une droite", None, nullptr,
     windowOf<dpoint>, controlOf<dpoint, &Tdpoint::Editnom>},
    {"racerunetangente1", "Courbe Polaire/Constructions", "Tracer une tangente", None, nullptr,
     windowOf<polairetan>, controlOf<polairetan, &Tpolairetan::angle>},
    {"racerunpolygne2", "Courbe Polaire/Constructions", "Tracer un polygone", None, nullptr, windowOf<lignebrisee>},
    {"Supprimeruneconstruction1", "Courbe Polaire/Constructions", "Supprimer une construction", None, nullptr,
     windowOf<supprimer>},
    {"Parcourirlacourbe1", "Courbe Polaire", "Parcourir la courbe", None, &F::Parcourirlacourbe1Click},
    {"Visualiserlestangentes1", "Courbe Polaire", "Visualiser les tangentes", None, &F::Visualiserlestangentes1Click},
    {"DrivedeXxetYx1", "Courbe Polaire", "Dérivée de R(x)", None, nullptr, windowOf<derivepolaire>},
    {"Longueurdunarc1", "Courbe Polaire", "Longueur d'un arc", None, nullptr, windowOf<arcpolaire>},

    {"racerunplan1", "Repère de l'espace/Section", "Plan de coupe", None, nullptr, windowOf<plandecoupe>},
    {"Montrerlasection1", "Repère de l'espace/Section", "Montrer la section plane", None,
     &F::Montrerlasection1Click},
    {"Cylindre1", "Repère de l'espace/Solides de révolution", "Cylindres", None, nullptr, windowOf<cylindre>},
    {"Cne1", "Repère de l'espace/Solides de révolution", "Cônes", None, nullptr, windowOf<cone>},
    {"Sphre1", "Repère de l'espace/Solides de révolution", "Sphères", None, nullptr, windowOf<sphere>},
    {"Points1", "Repère de l'espace/Constructions", "Points", None, nullptr, windowOf<pointtroisd>},
    {"Segment1", "Repère de l'espace/Constructions", "Segments", None, &F::Segment1Click},
    {"Droite1", "Repère de l'espace/Constructions", "Droites", None, &F::Droite1Click},
    {"Polygne1", "Repère de l'espace/Constructions", "Polygones (3-4 sommets)", None, nullptr, windowOf<poly>},
    {"Plan1", "Repère de l'espace/Constructions", "Plans", None, nullptr, windowOf<planeq>},
    {"Positiondelasourcelumineuse1", "Repère de l'espace/Affichage", "Position de la source lumineuse", None,
     nullptr, windowOf<possource>},
    {"Antialiasingonoff1", "Repère de l'espace/Affichage", "Lissage", None, &F::Antialiasingonoff1Click, nullptr,
     nullptr, ItemStyle::Checkable, &F::Antialiasingonoff1},
    {"Eclairageonoff1", "Repère de l'espace/Affichage", "Eclairage ", None, &F::Eclairageonoff1Click, nullptr,
     nullptr, ItemStyle::Checkable, &F::Eclairageonoff1},

    {"ChargerunTD1", "Options", "Charger un TD", None, &F::ChargerunTD1Click},
    {"Options1", "Options", "Réglages divers", Qt::CTRL | Qt::Key_R, nullptr, windowOf<optionzone>},
    {"Aide1", "Options", "A l'aide", None, &F::Aide1Click},

    {"Apropos1", "Quitter", "A propos", None, &F::Apropos1Click},
    {"Quitter2", "Quitter", "Quitter", Qt::CTRL | Qt::Key_Q, &F::Quitter2Click},
    {"N1", "Quitter", " ", Qt::CTRL | Qt::SHIFT | Qt::Key_F1, &F::N1Click, nullptr, nullptr, ItemStyle::Hidden},
};

}  // namespace

std::span<const TopMenu> topMenus() { return TopMenus; }

std::span<const MenuRow> menuRows() { return MenuRows; }

#include "plane/forms.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <string>

namespace {

std::map<std::string, QPointer<QWidget>>& formsByName() {
    static std::map<std::string, QPointer<QWidget>> forms;
    return forms;
}

}  // namespace

void registerForm(const char* className, QWidget* window) { formsByName()[className] = window; }

QWidget* findForm(const char* className) {
    const auto found = formsByName().find(className);
    return found == formsByName().end() ? nullptr : found->second.data();
}

TFormparent* Formparent = nullptr;
Tgrafzone* grafzone = nullptr;
Treperezone* reperezone = nullptr;
TfoncZone* foncZone = nullptr;
Ttabval* tabval = nullptr;
Tderivzone* derivzone = nullptr;
Tanimzone* animzone = nullptr;
Tzerozone* zerozone = nullptr;
Tintersection* intersection = nullptr;
Tantecedent* antecedent = nullptr;
Tchoixf* choixf = nullptr;
Ttaux* taux = nullptr;
Tintzone* intzone = nullptr;
Tvarzone* varzone = nullptr;
Tcalczone* calczone = nullptr;
Tairezone* airezone = nullptr;
Ttanzone* tanzone = nullptr;
Tineqa* ineqa = nullptr;
Tineqf* ineqf = nullptr;
Tparite* parite = nullptr;
Tperizone* perizone = nullptr;
Tplibre* plibre = nullptr;
Tpcourbe* pcourbe = nullptr;
Tpfixe* pfixe = nullptr;
Tspoint* spoint = nullptr;
Tdpoint* dpoint = nullptr;
Tdreduite* dreduite = nullptr;
Tdtan* dtan = nullptr;
Tdcartesienne* dcartesienne = nullptr;
Tsupprimer* supprimer = nullptr;
Tdequation* dequation = nullptr;
Tfonc3d* fonc3d = nullptr;
Tsuitezone* suitezone = nullptr;
Tfoncpara* foncpara = nullptr;
Textremzone* extremzone = nullptr;
Tderivpara* derivpara = nullptr;
Toptionzone* optionzone = nullptr;
Tlongarc* longarc = nullptr;
Tarcpara* arcpara = nullptr;
Ttransfzone* transfzone = nullptr;
Timagezone* imagezone = nullptr;
Tdnormal* dnormal = nullptr;
Tdrnormale* drnormale = nullptr;
Tpolairezone* polairezone = nullptr;
Tpolairerepere* polairerepere = nullptr;
Tderivepolaire* derivepolaire = nullptr;
Tpointpolaire* pointpolaire = nullptr;
Tpolairetan* polairetan = nullptr;
Ttranszone* transzone = nullptr;
Tsymzone* symzone = nullptr;
Trotzone* rotzone = nullptr;
Tarcpolaire* arcpolaire = nullptr;
TCARTZONE* CARTZONE = nullptr;
Tkval* kval = nullptr;
Ttanpara* tanpara = nullptr;
Trepere3d* repere3d = nullptr;
Tpossource* possource = nullptr;
Tsphere* sphere = nullptr;
Tcylindre* cylindre = nullptr;
Tchoixsection* choixsection = nullptr;
Tcone* cone = nullptr;
Ttauxpt* tauxpt = nullptr;
Tchangedomaine* changedomaine = nullptr;
Tintro* intro = nullptr;
TAboutBox* AboutBox = nullptr;
Tformemo* formemo = nullptr;
Tplandecoupe* plandecoupe = nullptr;
Tpointtroisd* pointtroisd = nullptr;
Tpoly* poly = nullptr;
Tlignebrisee* lignebrisee = nullptr;
Tplaneq* planeq = nullptr;
TPtmilieu* Ptmilieu = nullptr;
Tpproj* pproj = nullptr;
Tcoord* coord = nullptr;
Tlongseg* longseg = nullptr;
Tinterdroite* interdroite = nullptr;
Tgrafgl* grafgl = nullptr;

void clearForms() {
    formsByName().clear();
    Formparent = nullptr;
    grafzone = nullptr;
    reperezone = nullptr;
    foncZone = nullptr;
    tabval = nullptr;
    derivzone = nullptr;
    animzone = nullptr;
    zerozone = nullptr;
    intersection = nullptr;
    antecedent = nullptr;
    choixf = nullptr;
    taux = nullptr;
    intzone = nullptr;
    varzone = nullptr;
    calczone = nullptr;
    airezone = nullptr;
    tanzone = nullptr;
    ineqa = nullptr;
    ineqf = nullptr;
    parite = nullptr;
    perizone = nullptr;
    plibre = nullptr;
    pcourbe = nullptr;
    pfixe = nullptr;
    spoint = nullptr;
    dpoint = nullptr;
    dreduite = nullptr;
    dtan = nullptr;
    dcartesienne = nullptr;
    supprimer = nullptr;
    dequation = nullptr;
    fonc3d = nullptr;
    suitezone = nullptr;
    foncpara = nullptr;
    extremzone = nullptr;
    derivpara = nullptr;
    optionzone = nullptr;
    longarc = nullptr;
    arcpara = nullptr;
    transfzone = nullptr;
    imagezone = nullptr;
    dnormal = nullptr;
    drnormale = nullptr;
    polairezone = nullptr;
    polairerepere = nullptr;
    derivepolaire = nullptr;
    pointpolaire = nullptr;
    polairetan = nullptr;
    transzone = nullptr;
    symzone = nullptr;
    rotzone = nullptr;
    arcpolaire = nullptr;
    CARTZONE = nullptr;
    kval = nullptr;
    tanpara = nullptr;
    repere3d = nullptr;
    possource = nullptr;
    sphere = nullptr;
    cylindre = nullptr;
    choixsection = nullptr;
    cone = nullptr;
    tauxpt = nullptr;
    changedomaine = nullptr;
    intro = nullptr;
    AboutBox = nullptr;
    formemo = nullptr;
    plandecoupe = nullptr;
    pointtroisd = nullptr;
    poly = nullptr;
    lignebrisee = nullptr;
    planeq = nullptr;
    Ptmilieu = nullptr;
    pproj = nullptr;
    coord = nullptr;
    longseg = nullptr;
    interdroite = nullptr;
    grafgl = nullptr;
}

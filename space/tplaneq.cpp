#include "space/tplaneq.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QToolButton>

#include "expression/parsor.h"
#include "model/construction_tables.h"
#include "model/space_state.h"
#include "plane/tool_support.h"

QPointer<Tplaneq> planeq;

Tplaneq::Tplaneq(QWidget* parent)
    : ToolWindow("Equation de plan", parent),
      edita(makeNumberEdit("edita", "")),
      Editb(makeNumberEdit("Editb", "")),
      Editc(makeNumberEdit("Editc", "")),
      Editd(makeNumberEdit("Editd", "")),
      creer(makeCreateButton("creer", "Créer ?")),
      detruit(makeDeleteButton("detruit", "Détruire ?")) {
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(equationRow({edita, "x+", Editb, "y+", Editc, "z+", Editd, "=0"}));
    auto* buttons = equationRow({creer, detruit});
    buttons->addWidget(takeStopButton());
    layout->addLayout(buttons);
    connect(creer, &QPushButton::clicked, this, &Tplaneq::creerClick);
    connect(detruit, &QPushButton::clicked, this, &Tplaneq::detruitClick);
}

void Tplaneq::creerClick() {
    const auto values = readNumbers(std::array{edita, Editb, Editc, Editd});
    if (!values) return;
    const TPlaneRecord plane{(*values)[0], (*values)[1], (*values)[2], (*values)[3]};
    // No plane when a, b and c are all 0.
    if (PlaneCount >= PlaneCapacity || (plane.a == 0 && plane.b == 0 && plane.c == 0)) return;
    PlaneTable[std::size_t(PlaneCount++)] = plane;
    paintBlack({edita, Editb, Editc, Editd});
    redrawSpaceView();
}

void Tplaneq::detruitClick() {
    if (PlaneCount > 0) --PlaneCount;
    redrawSpaceView();
}

#include "space/tcylindre.h"

#include <QBoxLayout>
#include <QRadioButton>

#include "model/space_state.h"
#include "plane/tool_support.h"

QPointer<Tcylindre> cylindre;

namespace {

// The program has always refused any value of 10 or more here, the radius as
// much as the centre: the cylinder then stays inside the view.
constexpr long double Below = 10;

}  // namespace

Tcylindre::Tcylindre(QWidget* parent)
    : SolidDialog("Cylindre", "Cylindre No", parent),
      box1(named("box1", new QRadioButton)),
      box2(named("box2", new QRadioButton)),
      box3(named("box3", new QRadioButton)),
      ex(makeNumberEdit("ex", "0")),
      ey(makeNumberEdit("ey", "0")),
      erayon(makeNumberEdit("erayon", "2")),
      ex1(makeNumberEdit("ex1", "0")),
      ez(makeNumberEdit("ez", "0")),
      erayon1(makeNumberEdit("erayon1", "2")),
      ey1(makeNumberEdit("ey1", "0")),
      ez1(makeNumberEdit("ez1", "0")),
      erayon2(makeNumberEdit("erayon2", "2")) {
    exclusiveGroup(this, {box1, box2, box3});
    box1->setChecked(true);
    auto* rows = new QVBoxLayout;
    rows->addLayout(equationRow({box1, "(x-", ex, ")²+(y-", ey, ")²=", erayon, "²"}));
    rows->addLayout(equationRow({box2, "(x-", ex1, ")²+(z-", ez, ")²=", erayon1, "²"}));
    rows->addLayout(equationRow({box3, "(y-", ey1, ")²+(z-", ez1, ")²=", erayon2, "²"}));
    finishLayout(rows);
}

int Tcylindre::checkedKind() const { return box3->isChecked() ? 3 : box2->isChecked() ? 2 : 1; }

std::array<ColourEdit*, 3> Tcylindre::rowEdits(int kind) const {
    switch (kind) {
        case 1: return {ex, ey, erayon};
        case 2: return {ex1, ez, erayon1};
        default: return {ey1, ez1, erayon2};
    }
}

void Tcylindre::BitBtn1Click() {
    const int kind = checkedKind();
    const std::array<ColourEdit*, 3> edits = rowEdits(kind);
    const long double first = readNumber(*edits[0]), second = readNumber(*edits[1]), R = readNumber(*edits[2]);
    for (long double value : {first, second, R})
        if (!(value < Below)) return;
    TCylinderRecord& cylinder = CylinderTable[std::size_t(ObjectNumber())];
    switch (kind) {
        case 1: cylinder = {true, kind, first, second, 0, R}; break;
        case 2: cylinder = {true, kind, first, 0, second, R}; break;
        default: cylinder = {true, kind, 0, first, second, R}; break;
    }
    paintBlack({edits[0], edits[1], edits[2]});
    redrawSpaceView();
    refreshShownPlaneGraph();
}

void Tcylindre::BitBtn2Click() {
    CylinderTable[std::size_t(ObjectNumber())].present = false;
    redrawSpaceView();
}

void Tcylindre::R1Click() {
    const TCylinderRecord& c = CylinderTable[std::size_t(ObjectNumber())];
    if (c.kind < 1 || c.kind > 3) return;
    (c.kind == 1 ? box1 : c.kind == 2 ? box2 : box3)->setChecked(true);
    const std::array<ColourEdit*, 3> edits = rowEdits(c.kind);
    const std::array<long double, 3> values = c.kind == 1   ? std::array{c.a, c.b, c.R}
                                              : c.kind == 2 ? std::array{c.a, c.c, c.R}
                                                            : std::array{c.b, c.c, c.R};
    for (std::size_t i = 0; i < edits.size(); ++i) showNumber(*edits[i], values[i]);
}

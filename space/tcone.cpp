#include "space/tcone.h"

#include <QBoxLayout>
#include <QRadioButton>

#include "expression/parsor.h"
#include "model/space_state.h"
#include "plane/tool_support.h"

QPointer<Tcone> cone;

Tcone::Tcone(QWidget* parent)
    : SolidDialog("Cône", "Cône No", parent),
      RadioButton1(named("RadioButton1", new QRadioButton)),
      RadioButton2(named("RadioButton2", new QRadioButton)),
      RadioButton3(named("RadioButton3", new QRadioButton)),
      ex1(makeNumberEdit("ex1", "0")),
      ey1(makeNumberEdit("ey1", "0")),
      ez1(makeNumberEdit("ez1", "0")),
      ebeta1(makeNumberEdit("ebeta1", "0.1")),
      ex2(makeNumberEdit("ex2", "0")),
      ey2(makeNumberEdit("ey2", "0")),
      ez2(makeNumberEdit("ez2", "0")),
      ebeta2(makeNumberEdit("ebeta2", "0.1")),
      ex3(makeNumberEdit("ex3", "0")),
      ey3(makeNumberEdit("ey3", "0")),
      EZ3(makeNumberEdit("EZ3", "0")),
      ebeta3(makeNumberEdit("ebeta3", "0.1")) {
    exclusiveGroup(this, {RadioButton1, RadioButton2, RadioButton3});
    RadioButton1->setChecked(true);
    auto* rows = new QVBoxLayout;
    rows->addLayout(equationRow({RadioButton1, "(x-", ex1, ")²+(y-", ey1, ")²-", ebeta1, "(z-", ez1, ")²=0"}));
    rows->addLayout(equationRow({RadioButton2, "(x-", ex2, ")²-", ebeta2, "(y-", ey2, ")²+(z-", ez2, ")²=0"}));
    rows->addLayout(equationRow({RadioButton3, "-", ebeta3, "(x-", ex3, ")²+(y-", ey3, ")²+(z-", EZ3, ")²=0"}));
    finishLayout(rows);
}

int Tcone::checkedKind() const { return RadioButton3->isChecked() ? 3 : RadioButton2->isChecked() ? 2 : 1; }

std::array<ColourEdit*, 4> Tcone::rowEdits(int kind) const {
    switch (kind) {
        case 1: return {ex1, ey1, ez1, ebeta1};
        case 2: return {ex2, ey2, ez2, ebeta2};
        default: return {ex3, ey3, EZ3, ebeta3};
    }
}

void Tcone::BitBtn1Click() {
    const int kind = checkedKind();
    const std::array<ColourEdit*, 4> edits = rowEdits(kind);
    const auto values = readNumbers(edits);
    if (!values) return;
    const auto [x, y, z, beta] = *values;
    // A flat or imaginary cone has no nappe to draw.
    if (!(beta > 0)) return;
    ConeTable[std::size_t(ObjectNumber())] = {true, kind, x, y, z, beta};
    paintBlack({edits[0], edits[1], edits[2], edits[3]});
    redrawSpaceView();
    refreshShownPlaneGraph();
}

void Tcone::BitBtn2Click() {
    ConeTable[std::size_t(ObjectNumber())].present = false;
    redrawSpaceView();
}

void Tcone::R1Click() {
    const TConeRecord& c = ConeTable[std::size_t(ObjectNumber())];
    if (c.kind < 1 || c.kind > 3) return;
    (c.kind == 1 ? RadioButton1 : c.kind == 2 ? RadioButton2 : RadioButton3)->setChecked(true);
    const std::array<ColourEdit*, 4> edits = rowEdits(c.kind);
    const std::array<long double, 4> values{c.x1, c.y1, c.z1, c.beta};
    for (std::size_t i = 0; i < edits.size(); ++i) showNumber(*edits[i], values[i]);
}

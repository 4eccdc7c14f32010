#include "space/tsphere.h"

#include <QBoxLayout>

#include "expression/parsor.h"
#include "model/space_state.h"

QPointer<Tsphere> sphere;

Tsphere::Tsphere(QWidget* parent)
    : SolidDialog("Sphère", "Sphère No", parent),
      ex(makeNumberEdit("ex", "0")),
      ey(makeNumberEdit("ey", "0")),
      ez(makeNumberEdit("ez", "0")),
      erayon(makeNumberEdit("erayon", "2")) {
    finishLayout(equationRow({"(x-", ex, ")²+(y-", ey, ")²+(z-", ez, ")²=", erayon, "²"}));
}

void Tsphere::BitBtn1Click() {
    const auto values = readNumbers(std::array{ex, ey, ez, erayon});
    if (!values) return;
    const auto [a, b, c, r] = *values;
    SphereTable[std::size_t(ObjectNumber())] = {true, a, b, c, r};
    paintBlack({ex, ey, ez, erayon});
    redrawSpaceView();
}

void Tsphere::BitBtn2Click() {
    SphereTable[std::size_t(ObjectNumber())].present = false;
    redrawSpaceView();
}

void Tsphere::R1Click() {
    const TSphereRecord& s = SphereTable[std::size_t(ObjectNumber())];
    showNumber(*ex, s.a);
    showNumber(*ey, s.b);
    showNumber(*ez, s.c);
    showNumber(*erayon, s.r);
}

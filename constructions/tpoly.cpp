#include "constructions/tpoly.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "constructions/creation_steps.h"

QPointer<Tpoly> poly;

Tpoly::Tpoly(QWidget* parent)
    : ConstructionDialog("Triangles", parent),
      Editnom(makeField("Editnom", ColourEdit::ForcedCase::Upper, 4)),
      supp3d(makeDestroyButton()) {
    bodyLayout()->addWidget(makeCaption("Indiquez les 3 ou 4\nsommets du polygone :"));
    bodyLayout()->addLayout(rowOf({Editnom}));
    bodyLayout()->addLayout(buttonRow({supp3d}));
    setFields({Editnom});
    connect(supp3d, &QPushButton::clicked, this, &Tpoly::supp3dClick);
}

void Tpoly::BitBtn1Click() {
    finishCreation(createFacet(Editnom->latin1Text()), repaintSpaceView);
}

void Tpoly::supp3dClick() {
    dropNewest(FacetCount);
    repaintSpaceView();
}

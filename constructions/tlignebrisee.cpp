#include "constructions/tlignebrisee.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "constructions/creation_steps.h"
#include "plane/tool_support.h"

QPointer<Tlignebrisee> lignebrisee;

Tlignebrisee::Tlignebrisee(QWidget* parent)
    : ConstructionDialog("Polygône", parent),
      Editnom(makeField("Editnom", ColourEdit::ForcedCase::Upper, 0)),
      lis(named("lis", new QCheckBox("Lisser le polygône"))),
      supp3d(makeDestroyButton()) {
    lis->setChecked(true);
    bodyLayout()->addWidget(makeCaption("Sommets du polygone"));
    bodyLayout()->addWidget(Editnom);
    bodyLayout()->addWidget(lis);
    bodyLayout()->addLayout(buttonRow({supp3d}));
    setFields({Editnom});
    connect(supp3d, &QPushButton::clicked, this, &Tlignebrisee::supp3dClick);
}

void Tlignebrisee::BitBtn1Click() {
    finishCreation(createPolygon(Editnom->latin1Text(), lis->isChecked()), redrawConstructions);
}

void Tlignebrisee::supp3dClick() {
    dropNewest(PolygonCount);
    redrawConstructions();
}

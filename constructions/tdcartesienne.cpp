#include "constructions/tdcartesienne.h"

#include <QBoxLayout>
#include <QLabel>

#include "constructions/creation_steps.h"

QPointer<Tdcartesienne> dcartesienne;

Tdcartesienne::Tdcartesienne(QWidget* parent)
    : ConstructionDialog("Equation cartésienne", parent),
      edita(makeField("edita", ColourEdit::ForcedCase::Lower, 4)),
      Editb(makeField("Editb", ColourEdit::ForcedCase::Lower, 4)),
      Editc(makeField("Editc", ColourEdit::ForcedCase::Lower, 4)) {
    bodyLayout()->addLayout(
        rowOf({edita, makeCaption("x+"), Editb, makeCaption("y+"), Editc, makeCaption("=0")}));
    bodyLayout()->addLayout(buttonRow());
    setFields({edita, Editb, Editc});
}

void Tdcartesienne::BitBtn1Click() {
    finishCreation(createCartesianLine(edita->latin1Text(), Editb->latin1Text(), Editc->latin1Text()),
                   redrawConstructions);
}

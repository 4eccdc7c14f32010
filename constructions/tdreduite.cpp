#include "constructions/tdreduite.h"

#include <QBoxLayout>
#include <QLabel>

#include "constructions/creation_steps.h"

QPointer<Tdreduite> dreduite;

Tdreduite::Tdreduite(QWidget* parent)
    : ConstructionDialog("Equation réduite", parent),
      edita(makeField("edita", ColourEdit::ForcedCase::Lower, 5)),
      Editb(makeField("Editb", ColourEdit::ForcedCase::Lower, 5)) {
    bodyLayout()->addLayout(rowOf({makeCaption("y="), edita, makeCaption("x+"), Editb}));
    bodyLayout()->addLayout(buttonRow());
    setFields({edita, Editb});
}

void Tdreduite::BitBtn1Click() {
    finishCreation(createReducedLine(edita->latin1Text(), Editb->latin1Text()), redrawConstructions);
}

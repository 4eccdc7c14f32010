#include "constructions/tpfixe.h"

#include <QBoxLayout>
#include <QLabel>

#include "constructions/creation_steps.h"

QPointer<Tpfixe> pfixe;

Tpfixe::Tpfixe(QWidget* parent)
    : PointDialog("Point fixe", parent),
      Editx(makeField("Editx", ColourEdit::ForcedCase::None, 8)),
      Edity(makeField("Edity", ColourEdit::ForcedCase::None, 8)) {
    bodyLayout()->addWidget(makeCaption("         Créer un point fixe"));
    bodyLayout()->addLayout(labelledFields({{"Abscisse  x=", Editx}, {"Ordonnée y=", Edity}}));
    bodyLayout()->addLayout(nextNameRow("  Nom suivant :"));
    setFields({Editx, Edity});
}

void Tpfixe::BitBtn1Click() {
    finishPoint(createFixedPoint(Editx->latin1Text(), Edity->latin1Text()));
}

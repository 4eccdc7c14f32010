#include "constructions/tpcourbe.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>

#include "plane/tool_support.h"

QPointer<Tpcourbe> pcourbe;

Tpcourbe::Tpcourbe(QWidget* parent) : PointDialog("Point sur une courbe", parent) {
    bodyLayout()->addWidget(makeCaption("  Créer un point sur une courbe"));
    bodyLayout()->addWidget(makeFunctionChoice({&f, &g, &h, &i}));
    bodyLayout()->addLayout(nextNameRow());
}

void Tpcourbe::BitBtn1Click() { finishPoint(createPointOnCurve(chosenSlot({f, g, h, i}), random_)); }

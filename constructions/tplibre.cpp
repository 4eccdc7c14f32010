#include "constructions/tplibre.h"

#include <QBoxLayout>
#include <QLabel>

QPointer<Tplibre> plibre;

Tplibre::Tplibre(QWidget* parent) : PointDialog("Point libre", parent) {
    bodyLayout()->addWidget(makeCaption("        Créer un point libre."));
    bodyLayout()->addLayout(nextNameRow());
}

void Tplibre::BitBtn1Click() { finishPoint(createFreePoint(random_)); }

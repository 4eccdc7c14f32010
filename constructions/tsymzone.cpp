#include "constructions/tsymzone.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

#include "constructions/creation_steps.h"
#include "model/construction_tables.h"

QPointer<Tsymzone> symzone;

Tsymzone::Tsymzone(QWidget* parent)
    : PointDialog("Symétrie axiale", parent),
      Dep(makeField("Dep", ColourEdit::ForcedCase::Upper, 2)),
      vec(makeField("vec", ColourEdit::ForcedCase::Upper, 3)),
      axe(makeGuideBox("axe", "Voir la construction", SymmetryConstructionShown)),
      lieu(makeTraceBox()) {
    bodyLayout()->addWidget(makeCaption("Image par une symétrie"));
    bodyLayout()->addLayout(rowOf({makeCaption("Pt de départ"), Dep}));
    bodyLayout()->addLayout(rowOf({makeCaption("Axe"), makeCaption("("), vec, makeCaption(")")}));
    bodyLayout()->addWidget(axe);
    bodyLayout()->addWidget(lieu);
    bodyLayout()->addLayout(nextNameRow());
    setFields({Dep, vec});
}

void Tsymzone::BitBtn1Click() {
    finishPoint(createSymmetryImage(Dep->latin1Text(), vec->latin1Text(), lieu->isChecked()));
}

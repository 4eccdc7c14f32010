#include "constructions/trotzone.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

#include "constructions/creation_steps.h"
#include "model/construction_tables.h"

QPointer<Trotzone> rotzone;

Trotzone::Trotzone(QWidget* parent)
    : PointDialog("Rotation", parent, Redraw::WholeGraph),
      Dep(makeField("Dep", ColourEdit::ForcedCase::Upper, 2)),
      centre(makeField("centre", ColourEdit::ForcedCase::Upper, 2)),
      angle(makeField("angle", ColourEdit::ForcedCase::Lower, 6)),
      construction(makeGuideBox("construction", "Voir les constructions", RotationConstructionShown)),
      lieu(makeTraceBox()) {
    bodyLayout()->addWidget(makeCaption("Image par une rotation :"));
    bodyLayout()->addLayout(labelledFields({{"Pt de départ", Dep}, {"Centre", centre}, {"Angle", angle}}));
    bodyLayout()->addWidget(construction);
    bodyLayout()->addWidget(lieu);
    bodyLayout()->addLayout(nextNameRow());
    setFields({Dep, centre, angle});
}

void Trotzone::BitBtn1Click() {
    finishPoint(createRotationImage(Dep->latin1Text(), centre->latin1Text(), angle->latin1Text(),
                                       lieu->isChecked()));
}

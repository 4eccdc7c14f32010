#include "constructions/tptmilieu.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

#include "constructions/creation_steps.h"

QPointer<TPtmilieu> Ptmilieu;

TPtmilieu::TPtmilieu(QWidget* parent)
    : PointDialog("Milieu", parent),
      Editnom(makeField("Editnom", ColourEdit::ForcedCase::Upper, 3)),
      lieu(makeTraceBox()) {
    bodyLayout()->addLayout(rowOf({makeCaption("Milieu du segment : "), makeCaption("["), Editnom, makeCaption("]")}));
    bodyLayout()->addWidget(lieu);
    bodyLayout()->addLayout(nextNameRow());
    setFields({Editnom});
}

void TPtmilieu::BitBtn1Click() { finishPoint(createMidpoint(Editnom->latin1Text(), lieu->isChecked())); }

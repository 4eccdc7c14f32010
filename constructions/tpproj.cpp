#include "constructions/tpproj.h"

#include <QBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "constructions/creation_steps.h"
#include "plane/tool_support.h"

QPointer<Tpproj> pproj;

Tpproj::Tpproj(QWidget* parent)
    : PointDialog("Projection", parent),
      Dep(makeField("Dep", ColourEdit::ForcedCase::Upper, 2)),
      proj1(named("proj1", new QRadioButton("Projection sur l'axe des abscisses"))),
      Proj2(named("Proj2", new QRadioButton("Projection sur l'axe des ordonnées"))) {
    proj1->setChecked(true);
    bodyLayout()->addLayout(rowOf({makeCaption("Pt de départ"), Dep}));
    bodyLayout()->addWidget(proj1);
    bodyLayout()->addWidget(Proj2);
    bodyLayout()->addLayout(nextNameRow());
    setFields({Dep});
}

void Tpproj::BitBtn1Click() { finishPoint(createProjection(Dep->latin1Text(), proj1->isChecked())); }
